// The export operation: its two modes, the file it writes, the header, the taxpayer and the
// signer of the 3-NDFL document, the 4-NDFL document, and its behaviour on hostile values.

#include "ExportSamples.h"
#include "TestFiles.h"
#include "XmlProbe.h"
#include "export/ExportDeclaration.h"

#include <QDir>
#include <QLocale>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

class TestExportDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void skeletonOfBothForms_data();
    void skeletonOfBothForms();
    void taxpayerWithInn();
    void taxpayerWithoutInn();
    void signer_data();
    void signer();
    void estimatedIncome();
    void fileModeWritesTheTextModeDocument();
    void everyExportHasItsOwnName();
    void hostileNamesWriteNothing_data();
    void hostileNamesWriteNothing();
    void unwritableFolderFails();
    void textOutsideWindows1251Fails_data();
    void textOutsideWindows1251Fails();
    void declarationIsLeftUnchanged();
    void numberFormattingIsUntouched();

private:
    static QByteArray exportBytes(const mTDeclaration& declaration,
                                  QStringList* messages = nullptr);
    std::unique_ptr<QTemporaryDir> m_temporary;
    QString m_folder;
};

void TestExportDocument::init()
{
    m_temporary = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temporary->isValid());
    m_folder = m_temporary->path();
}

void TestExportDocument::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

QByteArray TestExportDocument::exportBytes(const mTDeclaration& declaration, QStringList* messages)
{
    QStringList shown;
    const auto document = BuildExportDocument(declaration, fixedStamp(), shown);
    if (messages)
        *messages = shown;
    return document ? document->xml : QByteArray();
}

void TestExportDocument::skeletonOfBothForms_data()
{
    QTest::addColumn<quint8>("form");
    QTest::addColumn<qint32>("taxYear");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("headerAttributes");
    QTest::addColumn<QStringList>("headerValues");
    QTest::addColumn<QStringList>("children");
    const QStringList header3{QStringLiteral("КНД"),    QStringLiteral("ДатаДок"),
                              QStringLiteral("Период"), QStringLiteral("ОтчетГод"),
                              QStringLiteral("КодНО"),  QStringLiteral("НомКорр")};
    const QStringList header4{QStringLiteral("КНД"), QStringLiteral("ДатаДок"),
                              QStringLiteral("ОтчетГод"), QStringLiteral("КодНО"),
                              QStringLiteral("НомКорр")};
    const QStringList children3{QStringLiteral("СвНП"), QStringLiteral("Подписант"),
                                QStringLiteral("НДФЛ3")};
    const QStringList children4{QStringLiteral("СвНП"), QStringLiteral("Подписант"),
                                QStringLiteral("НДФЛ4")};
    QTest::newRow("resident 2013")
        << DeclarationForm::Resident << 2013 << "NO_NDFL3_"
        << "5.08" << header3
        << QStringList{u"1151020"_qs, u"05.03.2014"_qs, u"34"_qs, u"2013"_qs, u"7701"_qs, u"1"_qs}
        << children3;
    QTest::newRow("non-resident 2014")
        << DeclarationForm::NonResident << 2014 << "NO_NDFL3_"
        << "5.08" << header3
        << QStringList{u"1151020"_qs, u"05.03.2014"_qs, u"34"_qs, u"2014"_qs, u"7701"_qs, u"1"_qs}
        << children3;
    QTest::newRow("4-NDFL 2013") << DeclarationForm::EstimatedIncome << 2013 << "NO_NDFL4_"
                                 << "5.02" << header4
                                 << QStringList{u"1151021"_qs, u"05.03.2014"_qs, u"2014"_qs,
                                                u"7701"_qs, u"1"_qs}
                                 << children4;
    QTest::newRow("4-NDFL 2014") << DeclarationForm::EstimatedIncome << 2014 << "NO_NDFL4_"
                                 << "5.02" << header4
                                 << QStringList{u"1151021"_qs, u"05.03.2014"_qs, u"2015"_qs,
                                                u"7701"_qs, u"1"_qs}
                                 << children4;
}

void TestExportDocument::skeletonOfBothForms()
{
    QFETCH(quint8, form);
    QFETCH(qint32, taxYear);
    QFETCH(QString, prefix);
    QFETCH(QStringList, headerAttributes);
    QFETCH(QStringList, headerValues);
    mTDeclaration declaration = ValidDeclaration();
    declaration.DeclForm = form;
    declaration.TaxYear = taxYear;
    const QByteArray xml = exportBytes(declaration);
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<"));

    const XmlProbe probe(xml);
    QVERIFY(probe.isWellFormed());
    QCOMPARE(probe.attributeNames(u"/Файл"_qs),
             (QStringList{u"ИдФайл"_qs, u"ВерсПрог"_qs, u"ВерсФорм"_qs}));
    const QString id = probe.value(u"/Файл/@ИдФайл"_qs);
    QVERIFY2(id.startsWith(prefix + u"7701_7701_500100732259_20140305_"_qs), qPrintable(id));
    QVERIFY(id.endsWith(u"_0F8FAD5B-D9CB-469F-A165-70867728950E"_qs));
    QCOMPARE(probe.value(u"/Файл/@ВерсПрог"_qs), u"1.0.0"_qs);
    QTEST(probe.value(u"/Файл/@ВерсФорм"_qs), "version");
    QCOMPARE(probe.attributeNames(u"/Файл/Документ"_qs), headerAttributes);
    QCOMPARE(probe.values(u"/Файл/Документ/@*"_qs), headerValues);
    QTEST(probe.childNames(u"/Файл/Документ"_qs), "children");
}

void TestExportDocument::taxpayerWithInn()
{
    mTDeclaration declaration = ValidDeclaration();
    declaration.Person.ForeignAddress = QStringLiteral("  ");
    const XmlProbe probe(exportBytes(declaration));
    const QString taxpayer = u"/Файл/Документ/СвНП/НПФЛ3"_qs;
    QCOMPARE(probe.attributeNames(taxpayer),
             (QStringList{u"ОКТМО"_qs, u"Тлф"_qs, u"ДокПредст"_qs, u"Статус"_qs}));
    QCOMPARE(probe.values(taxpayer + u"/@*"_qs),
             (QStringList{u"82701000"_qs, u"+7 872 123-45-67"_qs, u"760"_qs, u"1"_qs}));
    QCOMPARE(probe.childNames(taxpayer), (QStringList{u"ФИОФЛ"_qs, u"СвАдрРФ"_qs, u"СведФЛ1"_qs}));
    QCOMPARE(probe.values(taxpayer + u"/ФИОФЛ/@*"_qs),
             (QStringList{u"ИВАНОВ"_qs, u"ИВАН"_qs, u"ИВАНОВИЧ"_qs}));
    QCOMPARE(probe.value(taxpayer + u"/СвАдрРФ/@ПрАдр"_qs), u"1"_qs);
    QCOMPARE(probe.attributeNames(taxpayer + u"/СвАдрРФ/АдрРФ"_qs),
             (QStringList{u"Индекс"_qs, u"КодРегион"_qs, u"Город"_qs, u"Улица"_qs, u"Дом"_qs,
                          u"Кварт"_qs}));
    QCOMPARE(probe.values(taxpayer + u"/СвАдрРФ/АдрРФ/@*"_qs),
             (QStringList{u"101000"_qs, u"05"_qs, u"МАХАЧКАЛА"_qs, u"УЛ. ЛЕНИНА"_qs, u"1А"_qs,
                          u"15"_qs}));
    QCOMPARE(
        probe.values(taxpayer + u"/СведФЛ1/@*"_qs),
        (QStringList{u"500100732259"_qs, u"29.02.1980"_qs, u"Г. МОСКВА"_qs, u"1"_qs, u"643"_qs}));
    QCOMPARE(
        probe.values(taxpayer + u"/СведФЛ1/УдЛичн/@*"_qs),
        (QStringList{u"21"_qs, u"45 06 123456"_qs, u"01.07.2006"_qs, u"ОВД «АРБАТ» Г. МОСКВЫ"_qs}));

    // Without an identity document, and with a foreign address, a place of stay, a country
    // code to pad and no phone.
    declaration.Person.DocKind = 0;
    declaration.Person.BirthPlace.clear();
    declaration.Person.CitizenshipCode = QStringLiteral("36");
    declaration.Person.ForeignAddress = QStringLiteral("Sydney, George st. 1");
    declaration.Person.StayAddress = 1;
    declaration.Person.Phone.clear();
    declaration.DeclForm = DeclarationForm::NonResident;
    const XmlProbe other(exportBytes(declaration));
    QCOMPARE(other.attributeNames(taxpayer),
             (QStringList{u"ОКТМО"_qs, u"ДокПредст"_qs, u"Статус"_qs, u"АдрИно"_qs}));
    QCOMPARE(other.value(taxpayer + u"/@Статус"_qs), u"2"_qs);
    QCOMPARE(other.value(taxpayer + u"/@АдрИно"_qs), u"SYDNEY, GEORGE ST. 1"_qs);
    QCOMPARE(other.value(taxpayer + u"/СвАдрРФ/@ПрАдр"_qs), u"2"_qs);
    QCOMPARE(other.attributeNames(taxpayer + u"/СведФЛ1"_qs),
             (QStringList{u"ИННФЛ"_qs, u"ДатаРожд"_qs, u"ПрГражд"_qs, u"ОКСМ"_qs}));
    QCOMPARE(other.value(taxpayer + u"/СведФЛ1/@ОКСМ"_qs), u"036"_qs);
    QCOMPARE(other.count(taxpayer + u"/СведФЛ1/УдЛичн"_qs), 0);
}

void TestExportDocument::taxpayerWithoutInn()
{
    mTDeclaration declaration = ValidDeclaration();
    declaration.Person.INN.clear();
    declaration.Person.DocKind = 0;
    declaration.Person.BirthPlace.clear();
    declaration.Person.CitizenshipCode.clear();
    declaration.Person.Patronymic = QStringLiteral(" ");
    const XmlProbe probe(exportBytes(declaration));
    const QString taxpayer = u"/Файл/Документ/СвНП/НПФЛ3"_qs;
    QVERIFY(probe.value(u"/Файл/@ИдФайл"_qs).startsWith(u"NO_NDFL3_7701_7701_000000000000_"_qs));
    QCOMPARE(probe.attributeNames(taxpayer + u"/ФИОФЛ"_qs),
             (QStringList{u"Фамилия"_qs, u"Имя"_qs}));
    QCOMPARE(probe.count(taxpayer + u"/СведФЛ1"_qs), 0);
    QCOMPARE(probe.attributeNames(taxpayer + u"/СведФЛ2"_qs),
             (QStringList{u"ДатаРожд"_qs, u"МестоРожд"_qs, u"ПрГражд"_qs, u"ОКСМ"_qs}));
    QCOMPARE(probe.value(taxpayer + u"/СведФЛ2/@МестоРожд"_qs), QString(u""_qs));
    QCOMPARE(probe.value(taxpayer + u"/СведФЛ2/@ОКСМ"_qs), u"643"_qs);
    QCOMPARE(
        probe.values(taxpayer + u"/СведФЛ2/УдЛичн/@*"_qs),
        (QStringList{u"00"_qs, u"45 06 123456"_qs, u"01.07.2006"_qs, u"ОВД «АРБАТ» Г. МОСКВЫ"_qs}));
}

void TestExportDocument::signer_data()
{
    QTest::addColumn<quint8>("form");
    QTest::addColumn<quint8>("confirmKind");
    QTest::addColumn<QString>("organisation");
    QTest::addColumn<QStringList>("signer");
    QTest::addColumn<QStringList>("name");
    QTest::addColumn<QStringList>("authority");
    QTest::newRow("personally") << DeclarationForm::Resident << quint8(0) << ""
                                << QStringList{u"1"_qs} << QStringList{} << QStringList{};
    QTest::newRow("person") << DeclarationForm::Resident << quint8(1) << " " << QStringList{u"2"_qs}
                            << QStringList{u"ПЕТРОВ"_qs, u"ПЕТР"_qs, u"ПЕТРОВИЧ"_qs}
                            << QStringList{u"ДОВЕРЕННОСТЬ № 5"_qs};
    QTest::newRow("organisation 4-NDFL")
        << DeclarationForm::EstimatedIncome << quint8(2) << "ООО «Ромашка»" << QStringList{u"2"_qs}
        << QStringList{u"ПЕТРОВ"_qs, u"ПЕТР"_qs, u"ПЕТРОВИЧ"_qs}
        << QStringList{u"ДОВЕРЕННОСТЬ № 5"_qs, u"ООО «РОМАШКА»"_qs};
}

void TestExportDocument::signer()
{
    QFETCH(quint8, form);
    QFETCH(quint8, confirmKind);
    QFETCH(QString, organisation);
    mTDeclaration declaration = ValidDeclaration();
    declaration.DeclForm = form;
    declaration.ConfirmKind = confirmKind;
    declaration.RepresentativeName = QStringLiteral(" Петров  Петр Петрович");
    declaration.RepresentativeDoc = QStringLiteral("Доверенность № 5");
    declaration.RepresentativeOrg = organisation;
    const XmlProbe probe(exportBytes(declaration));
    QTEST(probe.values(u"/Файл/Документ/Подписант/@*"_qs), "signer");
    QTEST(probe.values(u"/Файл/Документ/Подписант/ФИО/@*"_qs), "name");
    QTEST(probe.values(u"/Файл/Документ/Подписант/СвПред/@*"_qs), "authority");
}

void TestExportDocument::estimatedIncome()
{
    mTDeclaration declaration = estimatedIncomeDeclaration();
    declaration.Person.Phone = QStringLiteral("  ");
    declaration.Person.Patronymic.clear();
    const XmlProbe probe(exportBytes(declaration));
    const QString taxpayer = u"/Файл/Документ/СвНП/НПФЛ"_qs;
    QCOMPARE(probe.attributeNames(taxpayer),
             (QStringList{u"ДокПредст"_qs, u"ИННФЛ"_qs, u"ОКТМО"_qs}));
    QCOMPARE(probe.values(taxpayer + u"/@*"_qs),
             (QStringList{u"720"_qs, u"500100732259"_qs, u"82701000"_qs}));
    QCOMPARE(probe.childNames(taxpayer), QStringList{u"ФИО"_qs});
    QCOMPARE(probe.values(taxpayer + u"/ФИО/@*"_qs), (QStringList{u"ИВАНОВ"_qs, u"ИВАН"_qs}));
    QCOMPARE(probe.value(u"/Файл/Документ/НДФЛ4/@ПредДоход"_qs), u"150000"_qs);

    // Any other category is "000"; an empty INN stays empty, in the name too.
    declaration.TaxpayerKind = 5;
    declaration.Person.INN.clear();
    declaration.Person.Phone = QStringLiteral("8 800 1");
    const XmlProbe other(exportBytes(declaration));
    QCOMPARE(other.values(taxpayer + u"/@*"_qs),
             (QStringList{u"000"_qs, QString(), u"82701000"_qs, u"8 800 1"_qs}));
    QVERIFY(other.value(u"/Файл/@ИдФайл"_qs).startsWith(u"NO_NDFL4_7701_7701__20140305_"_qs));
}

void TestExportDocument::fileModeWritesTheTextModeDocument()
{
    const mTDeclaration declaration = ValidDeclaration();
    QStringList messages;
    const QString name =
        ExportDeclaration(m_folder, declaration, ExportMode::File, fixedStamp(), &messages);
    QCOMPARE(name, u"NO_NDFL3_7701_7701_500100732259_20140305_"
                   u"0F8FAD5B-D9CB-469F-A165-70867728950E.xml"_qs);
    QCOMPARE(messages, QStringList());
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    const QByteArray bytes = readFile(QDir(m_folder).filePath(name));
    QCOMPARE(bytes, exportBytes(declaration));

    // The text mode gives the same document as text; a trailing separator changes nothing.
    const QString text = ExportDeclaration(QString(), declaration, ExportMode::Text, fixedStamp());
    QCOMPARE(text, QStringDecoder("windows-1251").decode(bytes).operator QString());
    QCOMPARE(
        ExportDeclaration(m_folder + QLatin1Char('/'), declaration, ExportMode::File, fixedStamp()),
        name);
}

void TestExportDocument::everyExportHasItsOwnName()
{
    const mTDeclaration declaration = ValidDeclaration();
    const QString first = ExportDeclaration(m_folder, declaration, ExportMode::File);
    const QString second = ExportDeclaration(m_folder, declaration, ExportMode::File);
    const QString today = QDate::currentDate().toString(u"yyyyMMdd"_qs);
    QVERIFY(first.startsWith(u"NO_NDFL3_7701_7701_500100732259_"_qs + today + u"_"_qs));
    QCOMPARE(first.size(), second.size());
    QVERIFY(first != second);
    QCOMPARE(QDir(m_folder).entryList(QDir::Files).size(), 2);
}

void TestExportDocument::hostileNamesWriteNothing_data()
{
    QTest::addColumn<QString>("inspection");
    QTest::addColumn<QString>("inn");
    QTest::newRow("parent folder in INN") << "7701"
                                          << "/../../escaped";
    QTest::newRow("slash in code") << "77/01"
                                   << "500100732259";
    QTest::newRow("backslash in code") << "..\\x"
                                       << "500100732259";
    QTest::newRow("newline in INN") << "7701"
                                    << "5001\n00732259";
}

void TestExportDocument::hostileNamesWriteNothing()
{
    QFETCH(QString, inspection);
    QFETCH(QString, inn);
    QTemporaryDir outer;
    const QString folder = outer.filePath(u"a/b"_qs);
    QVERIFY(QDir().mkpath(folder));
    mTDeclaration declaration = ValidDeclaration();
    declaration.InspectionCode = inspection;
    declaration.Person.INN = inn;
    QStringList messages;
    QCOMPARE(ExportDeclaration(folder, declaration, ExportMode::File, fixedStamp(), &messages),
             u"ERROR"_qs);
    QCOMPARE(messages.value(0), ExportMessage::exportFailed());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
    QCOMPARE(QDir(outer.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"a"_qs});
    QCOMPARE(QDir(outer.filePath(u"a"_qs)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"b"_qs});
}

void TestExportDocument::unwritableFolderFails()
{
    QStringList messages;
    QCOMPARE(ExportDeclaration(QDir(m_folder).filePath(u"missing"_qs), ValidDeclaration(),
                               ExportMode::File, fixedStamp(), &messages),
             u"ERROR"_qs);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first(), ExportMessage::exportFailed());
    QVERIFY(!QFileInfo::exists(QDir(m_folder).filePath(u"missing"_qs)));
}

void TestExportDocument::textOutsideWindows1251Fails_data()
{
    QTest::addColumn<QString>("surname");
    QTest::newRow("chinese") << QStringLiteral("王");
    QTest::newRow("emoji") << QStringLiteral("Иванов \U0001F600");
    QTest::newRow("control character") << QString(QStringLiteral("Иван") + QChar(7));
}

void TestExportDocument::textOutsideWindows1251Fails()
{
    QFETCH(QString, surname);
    mTDeclaration declaration = ValidDeclaration();
    declaration.Person.Surname = surname;
    QStringList messages;
    QCOMPARE(ExportDeclaration(m_folder, declaration, ExportMode::File, fixedStamp(), &messages),
             u"ERROR"_qs);
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages.last().contains(u"Windows-1251"_qs), qPrintable(messages.last()));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(ExportDeclaration(QString(), declaration, ExportMode::Text, fixedStamp()),
             u"ERROR"_qs);
}

void TestExportDocument::declarationIsLeftUnchanged()
{
    mTDeclaration declaration = ValidDeclaration();
    declaration.SocialDeduction.SocialEnabled = 1;
    declaration.SocialDeduction.AddChildEducation(Money::fromRoubles(80000));
    const mTDeclaration before = declaration;
    QVERIFY(!exportBytes(declaration).isEmpty());
    QVERIFY(declaration == before);
}

void TestExportDocument::numberFormattingIsUntouched()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    mTDeclaration declaration = estimatedIncomeDeclaration();
    declaration.EstimatedIncome = Money::fromKopecks(15000050);
    const XmlProbe probe(exportBytes(declaration));
    QCOMPARE(probe.value(u"//НДФЛ4/@ПредДоход"_qs), u"150000.5"_qs);
    QCOMPARE(QLocale().decimalPoint(), u","_qs);

    declaration.Person.Surname = QStringLiteral("王");
    QCOMPARE(ExportDeclaration(QString(), declaration, ExportMode::Text, fixedStamp()),
             u"ERROR"_qs);
    QCOMPARE(QLocale().decimalPoint(), u","_qs);
    QCOMPARE(QLocale().toString(1.5), u"1,5"_qs);
}

QTEST_GUILESS_MAIN(TestExportDocument)
#include "tst_export_document.moc"
