// calc FILE [--sheets | --json]: the summary of a saved declaration in Russian, its sheets field by
// field or as JSON, file errors and usage errors.

#include "CliRun.h"
#include "DeclarationBuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Build;

class TestCalcCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void summary();
    void json();
    void lines();
    void computationFault();
    void errors_data();
    void errors();

private:
    int run(const QStringList& args);

    QTemporaryDir m_dir;
    QString m_file;
    QByteArray m_out;
    QByteArray m_err;
};

int TestCalcCommand::run(const QStringList& args)
{
    const CliRun result = runCli(args);
    m_out = result.out;
    m_err = result.err.toUtf8();
    return result.code;
}

void TestCalcCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    mTDeclaration declaration = resident();
    source(declaration.Income13, QStringLiteral("11000000"), "0", {{2000, "10"}});
    m_file = m_dir.filePath(QStringLiteral("income.tv3"));
    declaration.SaveToFile(m_file);
}

void TestCalcCommand::json()
{
    QCOMPARE(run({QStringLiteral("calc"), m_file, QStringLiteral("--json")}), 0);
    QVERIFY(m_err.isEmpty());
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(m_out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(root.value(QStringLiteral("List1")).toObject().value(QStringLiteral("TaxComputed")),
             QStringLiteral("1.0000"));
    QCOMPARE(root.value(QStringLiteral("Oktmo13")).toString(), QStringLiteral("11000000"));
    const QJsonObject section1 = root.value(QStringLiteral("List6")).toObject();
    QCOMPARE(section1.value(QStringLiteral("Count")).toInt(), 1);
    QCOMPARE(section1.value(QStringLiteral("Items"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("Kbk")),
             QStringLiteral("18210102030011000110"));
    QCOMPARE(root.keys().size(), 31);
}

void TestCalcCommand::summary()
{
    QCOMPARE(run({QStringLiteral("calc"), m_file}), 0);
    QVERIFY(m_err.isEmpty());
    const QStringList lines = QString::fromUtf8(m_out).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("К уплате: 1 руб."));
    QVERIFY(lines.contains(
        QStringLiteral("  К уплате: 1 руб. (КБК 18210102030011000110, ОКТМО 45000000)")));
    QVERIFY(lines.contains(QStringLiteral("Раздел 2. Доходы по ставке 13 %")));
    QVERIFY(lines.contains(QStringLiteral("  Налоговая база: 10 руб.")));
}

void TestCalcCommand::lines()
{
    QCOMPARE(run({QStringLiteral("calc"), m_file, QStringLiteral("--sheets")}), 0);
    QVERIFY(m_out.contains("List1.TaxBase = 10.0000\n"));
    QVERIFY(m_out.contains("List6.Items[0].PayKind = 1\n"));
    QVERIFY(m_out.contains("PrilE1.CumulativeIncome[11] = 0.0000\n"));
}

void TestCalcCommand::computationFault()
{
    mTDeclaration declaration = resident();
    source(declaration.Income13, QStringLiteral("11000000"), "0", {{2000, "10"}});
    declaration.PropertyDeduction.PropertyEnabled = 1;
    const QString file = m_dir.filePath(QStringLiteral("share.tv3"));
    declaration.SaveToFile(file);
    const QByteArray message = QStringLiteral("Ошибка в рассчетах. Пожалуйста, свяжитесь с "
                                              "разработчиками через службу поддержки")
                                   .toUtf8();
    // The summary shows a dash, never a figure.
    QCOMPARE(run({QStringLiteral("calc"), file}), 1);
    QVERIFY(m_err.startsWith(message));
    QCOMPARE(m_out, "Расчёт налога: — " + message + '\n');
    // The sheets show what was computed before the fault.
    QCOMPARE(run({QStringLiteral("calc"), file, QStringLiteral("--sheets")}), 1);
    QVERIFY(m_err.startsWith(message));
    QVERIFY(m_out.contains("PrilA13.IncomeTotal = 10.0000\n"));
}

void TestCalcCommand::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no file") << QStringList{QStringLiteral("calc")} << 2;
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("calc"), QStringLiteral("a"), QStringLiteral("--xml")} << 2;
    QTest::newRow("two outputs") << QStringList{QStringLiteral("calc"), QStringLiteral("a"),
                                                QStringLiteral("--sheets"),
                                                QStringLiteral("--json")}
                                 << 2;
    QTest::newRow("two files") << QStringList{QStringLiteral("calc"), QStringLiteral("a"),
                                              QStringLiteral("b")}
                               << 2;
    QTest::newRow("missing file") << QStringList{QStringLiteral("calc"),
                                                 QStringLiteral("/nonexistent/x.tv3")}
                                  << 3;
}

void TestCalcCommand::errors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QCOMPARE(run(args), exitCode);
    QVERIFY(m_out.isEmpty());
    QVERIFY(!m_err.isEmpty());
}

QTEST_GUILESS_MAIN(TestCalcCommand)
#include "tst_calc_command.moc"
