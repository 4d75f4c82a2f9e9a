// The command-line verbs check and import-soun, run in-process on files.

#include "CheckSamples.h"
#include "CliRun.h"
#include "SounBuilder.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int code;
    QString out;
    QString err;
};

Run run(const QStringList& args)
{
    const CliRun result = runCli(args);
    return {result.code, QString::fromUtf8(result.out), result.err};
}

enum class Sample
{
    NewDeclaration,
    TaxOfficeOnly,
    ShortOktmo,
    EstimatedIncome,
    SourceWithoutLines,
    Practice,
    Passing
};

mTDeclaration sample(Sample kind)
{
    mTDeclaration d = ValidDeclaration();
    switch (kind) {
    case Sample::NewDeclaration:
        d = mTDeclaration();
        d.SetInteractiveDefaults();
        break;
    case Sample::TaxOfficeOnly:
        d = mTDeclaration();
        d.SetInteractiveDefaults();
        d.InspectionCode = QStringLiteral("7728");
        break;
    case Sample::ShortOktmo:
        d.Person.OKTMO = QStringLiteral("453820001");
        break;
    case Sample::EstimatedIncome:
        d.DeclForm = DeclarationForm::EstimatedIncome;
        d.Person.OKTMO = QStringLiteral("453820001");
        d.Person.RegionCode = 0;
        break;
    case Sample::SourceWithoutLines:
        d.SetIncomeKinds(IncomeKind::Country);
        d.Income13.Replace(d.Income13.Add(), SourceWithIncome(1000_rub, 130_rub));
        d.Income13.Add();
        break;
    case Sample::Practice: {
        d.SetIncomeKinds(IncomeKind::Practice);
        const int position = d.PracticeIncomes.Add();
        d.PracticeIncomes.At(position).PracticeDetails[mTRepetitNew::LabourContracts] =
            Money::fromKopecks(120050);
        break;
    }
    case Sample::Passing:
        break;
    }
    return d;
}

} // namespace

Q_DECLARE_METATYPE(Sample)

class TestCheckCommands : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
    void checkFileErrors();
    void importSoun_data();
    void importSoun();
    void importSounFailure();

private:
    QTemporaryDir m_folder;
};

void TestCheckCommands::check_data()
{
    QTest::addColumn<Sample>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("new declaration")
        << Sample::NewDeclaration << 1 << "1 1 Задание условий: Не введен номер инспекции\n";
    QTest::newRow("tax office only")
        << Sample::TaxOfficeOnly << 1 << "2 1 Сведения о декларанте: Не введена фамилия\n";
    QTest::newRow("OKTMO of 9")
        << Sample::ShortOktmo << 1
        << "3 4 Сведения о декларанте: Не введен код ОКТМО(8 или 11 симв.) по месту жительства\n";
    QTest::newRow("4-NDFL") << Sample::EstimatedIncome << 1
                            << "2 10 Сведения о декларанте: Не введен код ОКТМО(8 или 11 симв.)\n";
    QTest::newRow("second source without lines")
        << Sample::SourceWithoutLines << 1
        << "4 2 Доходы, облагаемые ставкой 13%: По данному источнику не указаны доходы\n";
    QTest::newRow("private practice")
        << Sample::Practice << 1
        << "11 1 Доходы от частной практики: Расходы по оплате трудовых договоров(1200,5) "
           "превышают сумму расходов на оплату труда (0)\n";
    QTest::newRow("passing") << Sample::Passing << 0 << "OK\n";
}

void TestCheckCommands::check()
{
    QFETCH(Sample, kind);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const QString path = m_folder.filePath(QStringLiteral("%1.tv3").arg(int(kind)));
    sample(kind).SaveToFile(path);
    const Run result = run({QStringLiteral("check"), path});
    QCOMPARE(result.out, output);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.code, exitCode);
}

void TestCheckCommands::checkFileErrors()
{
    const Run missing =
        run({QStringLiteral("check"), m_folder.filePath(QStringLiteral("absent.tv3"))});
    QCOMPARE(missing.code, 3);
    QVERIFY(!missing.err.isEmpty());
    QVERIFY(missing.out.isEmpty());
    QCOMPARE(run({QStringLiteral("check")}).code, 2);
    QCOMPARE(run({QStringLiteral("import-soun")}).code, 2);
    QCOMPARE(run({QStringLiteral("import-soun"), QStringLiteral("a.dbf"), QStringLiteral("b.xml"),
                  QStringLiteral("c")})
                 .code,
             2);
}

void TestCheckCommands::importSoun_data()
{
    QTest::addColumn<bool>("intoUserFolder");
    QTest::newRow("named output") << false;
    // Without an output file the directory goes where the programs read it first, and its path
    // is printed.
    QTest::newRow("user's data folder") << true;
}

void TestCheckCommands::importSoun()
{
    QFETCH(bool, intoUserFolder);
    QStandardPaths::setTestModeEnabled(true);
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(userFolder).removeRecursively();
    const QString dbf = m_folder.filePath(QStringLiteral("soun1.dbf"));
    const QString xml = QDir(intoUserFolder ? userFolder : m_folder.path())
                            .filePath(QStringLiteral("InspectionNumbers.xml"));
    QVERIFY(writeFile(dbf, SounBuilder()
                               .add("7700", QStringLiteral("УФНС"))
                               .add("7701", QStringLiteral("ИФНС № 1"))
                               .build()));
    const Run result = run(intoUserFolder ? QStringList{QStringLiteral("import-soun"), dbf}
                                          : QStringList{QStringLiteral("import-soun"), dbf, xml});
    QCOMPARE(result.code, 0);
    QCOMPARE(
        result.out,
        QStringLiteral("Данные успешно импортированы. Не забудьте перезапустить программу.\n") +
            (intoUserFolder ? xml + QLatin1Char('\n') : QString()));
    const QByteArray text = readFile(xml);
    QVERIFY(text.contains("Code=\"7701\""));
    QVERIFY(!text.contains("Code=\"7700\""));
    QVERIFY(text.contains(
        " Date=\"" + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1() + '"'));
    QDir(userFolder).removeRecursively();
}

void TestCheckCommands::importSounFailure()
{
    const Run result =
        run({QStringLiteral("import-soun"), m_folder.filePath(QStringLiteral("absent.dbf")),
             m_folder.filePath(QStringLiteral("out.xml"))});
    QCOMPARE(result.code, 3);
    QCOMPARE(result.err, QStringLiteral("Импортировать данные не удалось\n"));
    QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("out.xml"))));
}

QTEST_GUILESS_MAIN(TestCheckCommands)
#include "tst_check_commands.moc"
