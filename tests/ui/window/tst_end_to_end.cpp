// A new user's way through the assembled main window: the conditions, the taxpayer and every kind
// of income entered through the section buttons, the frames and their dialogs; the declaration
// saved, opened again and exported, and the written XML file read back; the result strip following
// the entry of a salary and a flat bought.
#include "model/Declaration.h"
#include "model/file/DeclarationFile.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/pickers/FormOKVED.h"
#include "ui/result/ResultStrip.h"
#include "ui/widgets/DateField.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace {

// One element of the exported file with its attributes and children.
struct XmlNode
{
    QString name;
    QXmlStreamAttributes attributes;
    QList<XmlNode> children;

    QString operator[](const char* attribute) const
    {
        return attributes.value(QString::fromUtf8(attribute)).toString();
    }

    // Every element of this name below this one, in document order.
    QList<const XmlNode*> all(const char* wanted) const
    {
        QList<const XmlNode*> found;
        for (const XmlNode& child : children) {
            if (child.name == QString::fromUtf8(wanted))
                found.append(&child);
            found.append(child.all(wanted));
        }
        return found;
    }

    // The element of this name whose attribute has the value; an empty node when there is none.
    const XmlNode& find(const char* wanted, const char* attribute, const QString& value) const
    {
        static const XmlNode none;
        for (const XmlNode* node : all(wanted)) {
            if ((*node)[attribute] == value)
                return *node;
        }
        return none;
    }
};

XmlNode readElement(QXmlStreamReader& reader)
{
    XmlNode node{reader.name().toString(), reader.attributes(), {}};
    while (reader.readNextStartElement())
        node.children.append(readElement(reader));
    return node;
}

// The root element of an XML file; the test fails on a file that is not well formed.
XmlNode readXml(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    XmlNode root;
    if (reader.readNextStartElement())
        root = readElement(reader);
    if (reader.hasError())
        qWarning("%s", qPrintable(reader.errorString()));
    return reader.hasError() ? XmlNode() : root;
}

// The conditions: the tax office, and the kinds of income beyond income in the country.
void enterConditions(UiTestBench& bench, const QList<const char*>& incomeKinds = {})
{
    TFormMain& window = bench.window();
    bench.script().answerDialog(pick(QStringLiteral("7701")));
    click(window, "bnInspection");
    for (const char* kind : incomeKinds)
        click(window, kind);
}

// The taxpayer's name, tax number, birth, passport and address, through both sub-frames.
void enterTaxpayer(UiTestBench& bench)
{
    TFormMain& window = bench.window();
    window.sectionButton(Section::PersonInfo)->click();
    type(window, "meSurName", QStringLiteral("Иванова"));
    type(window, "meName", QStringLiteral("Мария"));
    type(window, "mePatronymic", QStringLiteral("Сергеевна"));
    type(window, "meINN", QStringLiteral("500100732259"));
    type(window, "dtBirthDate", QStringLiteral("17.05.1980"));
    type(window, "meMesto", QStringLiteral("г. Тула"));
    bench.script().answerDialog(pick(QStringLiteral("21")));
    click(window, "bnDocType");
    type(window, "meSerial", QStringLiteral("45 08 123456"));
    type(window, "dtRegDate", QStringLiteral("01062005"));
    type(window, "meKem", QStringLiteral("ОВД Тверского района"));

    click(window, "fbPersonAddress");
    bench.script().answerDialog(pick(QStringLiteral("77")));
    click(window, "bnRegion");
    type(window, "mePostIndex", QStringLiteral("125009"));
    type(window, "meStreet", QStringLiteral("Тверская"));
    type(window, "meHouse", QStringLiteral("7"));
    type(window, "meFlat", QStringLiteral("12"));
    type(window, "meOKATO", QStringLiteral("45382000"));
}

// Adds a source of 13 % income through its dialog.
void addEmployer(UiTestBench& bench, const QString& name, const QString& inn, const QString& kpp)
{
    bench.script().answerDialog([=](QDialog& dialog) {
        type(dialog, "meSourseName", name);
        type(dialog, "meINN", inn);
        type(dialog, "meKPP", kpp);
        type(dialog, "meOKATO", QStringLiteral("45382000"));
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(bench.window(), "fbAddSourseIncome");
}

// Adds a salary line (code 2000) to the selected source and repeats it for the months after.
void addSalary(UiTestBench& bench, const QString& amount, int firstMonth, int months)
{
    ScriptedInteraction& script = bench.script();
    script.answerDialog([&script, amount, firstMonth](QDialog& dialog) {
        script.answerDialog(pick(QStringLiteral("2000")));
        click(dialog, "bnIncomeCod");
        type(dialog, "meIncomeSum", amount);
        type(dialog, "mePropSale", QString::number(firstMonth));
        click(dialog, "bnYes");
        return dialog.result();
    });
    click(bench.window(), "fbAddIncome");
    for (int month = 1; month < months; ++month)
        click(bench.window(), "fbCopy");
}

// The totals of the selected source: withheld, taxable income, computed tax.
void enterSourceTotals(QWidget& window, const QString& withheld, const QString& taxable,
                       const QString& computed)
{
    type(window, "meHoldSum", withheld);
    type(window, "meObl", taxable);
    type(window, "meTaxIsch", computed);
}

// Exports into a new folder of the bench and reads the single file written.
XmlNode exportDeclaration(UiTestBench& bench)
{
    const QString out = bench.path(QStringLiteral("out"));
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    bench.script().answerFile(out);
    click(bench.window(), "fbExsport");
    const QStringList written = QDir(out).entryList({QStringLiteral("*.xml")}, QDir::Files);
    if (written.size() != 1)
        return {};
    const QString shown = bench.script().messageTexts().value(bench.script().messages.size() - 1);
    if (shown != QStringLiteral("Сформирован файл ") + written.constFirst())
        return {};
    return readXml(QDir(out).filePath(written.constFirst()));
}

QStringList listTexts(QWidget& window, const char* name, int column = 0)
{
    QStringList texts;
    auto* list = child<QTreeWidget>(window, name);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts.append(list->topLevelItem(row)->text(column));
    return texts;
}

// Replaces one directory file of the program folder by the one shipped with the program.
bool useShipped(UiTestBench& bench, const char* name)
{
    const QString file = QString::fromLatin1(name);
    QFile::remove(bench.path(file));
    return QFile::copy(QStringLiteral(TARVIKA_SOURCE_DIR "/data/") + file, bench.path(file));
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void twoEmployersSavedReopenedExported();
    void dividendsForeignSalaryAndBusinessExported();
    void openedDeclarationSavedUnchanged_data();
    void openedDeclarationSavedUnchanged();
    void refundGrowsAsTheFlatIsEntered();

private:
    QTemporaryDir m_settings;
};

void TestEndToEnd::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestEndToEnd::init()
{
    UiTestBench::clearSettings();
}

void TestEndToEnd::twoEmployersSavedReopenedExported()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    ScriptedInteraction& script = bench.script();
    enterConditions(bench);
    enterTaxpayer(bench);

    window.sectionButton(Section::RussianIncome)->click();
    QCOMPARE(window.currentSection(), Section::RussianIncome);
    addEmployer(bench, QStringLiteral("ООО \"Ромашка\""), QStringLiteral("7707083893"),
                QStringLiteral("773601001"));
    addSalary(bench, QStringLiteral("30000"), 1, 12);
    enterSourceTotals(window, QStringLiteral("46800"), QStringLiteral("360000"),
                      QStringLiteral("46800"));
    addEmployer(bench, QStringLiteral("АО \"Василёк\""), QStringLiteral("7736050003"),
                QStringLiteral("772801001"));
    addSalary(bench, QStringLiteral("12500,50"), 10, 4);
    enterSourceTotals(window, QStringLiteral("4875"), QStringLiteral("37501,5"),
                      QStringLiteral("4875"));
    QVERIFY2(script.finished(), qPrintable(script.unexpected.join(u'\n')));
    QVERIFY(!window.isSaved());

    const QString file = bench.path(QStringLiteral("Иванова.tv3"));
    script.answerFile(file);
    click(window, "fbSave");
    QVERIFY(window.isSaved());
    QCOMPARE(window.windowTitle(), QStringLiteral("Иванова.tv3 - Тарвика 2013"));

    // A new document, then the saved one opened through the tool bar.
    click(window, "fbCreate");
    QCOMPARE(window.document().Income13.Count(), 0);
    script.answerFile(file);
    click(window, "fbOpen");
    QCOMPARE(window.fileName(), file);
    QCOMPARE(window.currentSection(), Section::InitialData);
    QCOMPARE(text(window, "meInspection"), QStringLiteral("7701"));

    window.sectionButton(Section::PersonInfo)->click();
    QCOMPARE(text(window, "meSurName"), QStringLiteral("Иванова"));
    QCOMPARE(text(window, "meINN"), QStringLiteral("500100732259"));
    QCOMPARE(child<DateField>(window, "dtBirthDate")->date(), QDate(1980, 5, 17));
    QCOMPARE(text(window, "meSerial"), QStringLiteral("45 08 123456"));
    click(window, "fbPersonAddress");
    QCOMPARE(text(window, "meStreet"), QStringLiteral("Тверская"));
    QCOMPARE(text(window, "meOKATO"), QStringLiteral("45382000"));

    window.sectionButton(Section::RussianIncome)->click();
    auto* sources = child<QTreeWidget>(window, "lvSourseIncomeInfo");
    QCOMPARE(listTexts(window, "lvSourseIncomeInfo"),
             (QStringList{QStringLiteral("ООО \"Ромашка\""), QStringLiteral("АО \"Василёк\"")}));
    sources->setCurrentItem(sources->topLevelItem(0));
    QCOMPARE(listTexts(window, "lvIncome").size(), 12);
    QCOMPARE(listTexts(window, "lvIncome").constLast(), QStringLiteral("12"));
    QCOMPARE(text(window, "pnlItogIncomeSum"), QStringLiteral("360000"));
    QCOMPARE(text(window, "meHoldSum"), QStringLiteral("46800"));
    sources->setCurrentItem(sources->topLevelItem(1));
    QCOMPARE(listTexts(window, "lvIncome"),
             (QStringList{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"),
                          QStringLiteral("12")}));
    QCOMPARE(text(window, "pnlItogIncomeSum"), QStringLiteral("50002"));
    QCOMPARE(text(window, "meObl"), QStringLiteral("37501,5"));
    // Looking at the data changes nothing.
    QVERIFY(window.isSaved());

    const XmlNode xml = exportDeclaration(bench);
    QVERIFY2(script.finished(), qPrintable(script.unexpected.join(u'\n')));
    QCOMPARE(xml.name, QStringLiteral("Файл"));
    // Checking and exporting store the frame shown but change nothing.
    QVERIFY(window.isSaved());
    const XmlNode& name = xml.find("ФИОФЛ", "Фамилия", QStringLiteral("ИВАНОВА"));
    QCOMPARE(name["Имя"], QStringLiteral("МАРИЯ"));
    QCOMPARE(name["Отчество"], QStringLiteral("СЕРГЕЕВНА"));
    QCOMPARE(xml.find("СведФЛ1", "ИННФЛ", QStringLiteral("500100732259"))["ДатаРожд"],
             QStringLiteral("17.05.1980"));
    const XmlNode& passport = xml.find("УдЛичн", "КодВидДок", QStringLiteral("21"));
    QCOMPARE(passport["СерНомДок"], QStringLiteral("45 08 123456"));
    QCOMPARE(passport["ДатаДок"], QStringLiteral("01.06.2005"));
    QCOMPARE(xml.find("АдрРФ", "КодРегион", QStringLiteral("77"))["Улица"],
             QStringLiteral("ТВЕРСКАЯ"));

    const XmlNode& income = xml.find("ДоходИстРФ", "Ставка", QStringLiteral("13"));
    QCOMPARE(income["ДоходОбщ"], QStringLiteral("410002.00"));
    QCOMPARE(income["НалУдержИт"], QStringLiteral("51675"));
    const QList<const XmlNode*> lines = income.all("РасчДохНал");
    QCOMPARE(lines.size(), 2);
    QCOMPARE((*lines[0])["Доход"], QStringLiteral("360000.00"));
    QCOMPARE((*lines[0])["НалУдерж"], QStringLiteral("46800"));
    QCOMPARE((*lines[1])["Доход"], QStringLiteral("50002.00"));
    QCOMPARE((*lines[1])["ДоходОбл"], QStringLiteral("37501.50"));
    QCOMPARE((*lines[1])["НалИсчисл"], QStringLiteral("4875"));
    const XmlNode& employer = lines[1]->find("ИстЮЛ", "ИННЮЛ", QStringLiteral("7736050003"));
    QCOMPARE(employer["Наим"], QStringLiteral("АО \"ВАСИЛЁК\""));
    QCOMPARE(employer["КПП"], QStringLiteral("772801001"));
    QCOMPARE(xml.all("ДоходИстРФ").size(), 1);
}

void TestEndToEnd::dividendsForeignSalaryAndBusinessExported()
{
    UiTestBench bench;
    QVERIFY(useShipped(bench, "CurrencyRates.xml"));
    QVERIFY(useShipped(bench, "Oksm.xml"));
    TFormMain& window = bench.start();
    ScriptedInteraction& script = bench.script();
    enterConditions(bench, {"chbIncomeCurrency", "chbIncomeBusiness"});
    enterTaxpayer(bench);

    // Dividends: their own sub-frame of the section of income in the country.
    window.sectionButton(Section::RussianIncome)->click();
    click(window, "FlashButton2");
    script.answerDialog([](QDialog& dialog) {
        type(dialog, "meSourseName", QStringLiteral("ПАО \"Нефть\""));
        type(dialog, "meINN", QStringLiteral("7702070139"));
        type(dialog, "meKPP", QStringLiteral("770201001"));
        type(dialog, "meOKATO", QStringLiteral("45382000"));
        type(dialog, "meItogIncomeSum", QStringLiteral("12345,67"));
        type(dialog, "meOblSum", QStringLiteral("12345,67"));
        type(dialog, "meHoldSum", QStringLiteral("1111"));
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(window, "fbAddSourseIncome");
    QCOMPARE(text(window, "pnlItogIncomeSum"), QStringLiteral("12345,67"));

    // A salary in dollars with tax paid abroad, at the rates of the shipped directory.
    window.sectionButton(Section::ForeignIncome)->click();
    QCOMPARE(window.currentSection(), Section::ForeignIncome);
    script.answerDialog([&script](QDialog& dialog) {
        type(dialog, "meSourseName", QStringLiteral("Employer Inc."));
        script.answerDialog(pick(QStringLiteral("840")));
        click(dialog, "Button1");
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(window, "fbAddSourseIncome");
    child<DateField>(window, "dtIncomeGetDate")->setDate(QDate(2013, 3, 5));
    child<DateField>(window, "dtSubtractDate")->setDate(QDate(2013, 3, 5));
    script.answerDialog(pick(QStringLiteral("840")));
    click(window, "bnCurrencyCode");
    QCOMPARE(text(window, "meCurrencyExchange"), QStringLiteral("30,7870"));
    script.answerDialog(pick(QStringLiteral("2000")));
    click(window, "bnIncomeCod");
    type(window, "meIncomeCurrencySum", QStringLiteral("1000"));
    type(window, "meTaxCurrencySum", QStringLiteral("100"));
    QCOMPARE(text(window, "pnlIncomeRublSum"), QStringLiteral("30787"));
    QCOMPARE(text(window, "pnlTaxRoubleSum"), QStringLiteral("3078,7"));

    // An entrepreneur's activity with its code from the activity picker, flat-rate expenses.
    window.sectionButton(Section::BusinessIncome)->click();
    QCOMPARE(window.currentSection(), Section::BusinessIncome);
    script.answerDialog([&script](QDialog& dialog) {
        script.answerDialog([](QDialog& picker) {
            auto& okved = dynamic_cast<TFormOKVED&>(picker);
            okved.PickItem(1, QStringLiteral("Сельское хозяйство"));
            okved.PickItem(2, QStringLiteral("Растениеводство"));
            okved.PickItem(3, QStringLiteral("Выращивание однолетних культур"));
            click(okved, "bnOk");
            return okved.result();
        });
        click(dialog, "rbPredp");
        click(dialog, "bnIncomeCod");
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(window, "fbAddSourseIncome");
    QCOMPARE(listTexts(window, "lvSourseIncomeInfo"), QStringList{QStringLiteral("01.1")});
    type(window, "MaskedEdit1", QStringLiteral("500000"));
    QCOMPARE(text(window, "Panel5"), QStringLiteral("100000"));
    QVERIFY2(script.finished(), qPrintable(script.unexpected.join(u'\n')));
    const QString file = bench.path(QStringLiteral("foreign.tv3"));
    script.answerFile(file);
    click(window, "fbSave");
    QVERIFY(window.isSaved());

    // A fresh window opens the file named on its command line and exports it.
    TFormMain& reopened = bench.start({file});
    QCOMPARE(reopened.fileName(), file);
    reopened.sectionButton(Section::ForeignIncome)->click();
    auto* foreignSources = child<QTreeWidget>(reopened, "lvSourseIncomeInfo");
    QCOMPARE(foreignSources->topLevelItemCount(), 1);
    foreignSources->setCurrentItem(foreignSources->topLevelItem(0));
    QVERIFY(child<QAbstractButton>(reopened, "chbAutoExchange")->isChecked());
    QCOMPARE(text(reopened, "pnlIncomeRublSum"), QStringLiteral("30787"));
    QCOMPARE(text(reopened, "meIncomeCurrencySum"), QStringLiteral("1000"));
    QCOMPARE(text(reopened, "pnlTaxRoubleSum"), QStringLiteral("3078,7"));
    reopened.sectionButton(Section::BusinessIncome)->click();
    QCOMPARE(listTexts(reopened, "lvSourseIncomeInfo"), QStringList{QStringLiteral("01.1")});
    QVERIFY(reopened.isSaved());

    const XmlNode xml = exportDeclaration(bench);
    QVERIFY2(bench.script().finished(), qPrintable(bench.script().unexpected.join(u'\n')));
    QCOMPARE(xml.name, QStringLiteral("Файл"));
    QVERIFY(reopened.isSaved());

    const XmlNode& dividends = xml.find("ДоходИстРФ", "Ставка", QStringLiteral("09"));
    QCOMPARE(dividends["ДоходОбщ"], QStringLiteral("12345.67"));
    QCOMPARE(dividends["НалИсчислИт"], QStringLiteral("1111"));
    const QList<const XmlNode*> dividendLines = dividends.all("РасчДохНал");
    QCOMPARE(dividendLines.size(), 1);
    QCOMPARE((*dividendLines[0])["НалИсчисл"], QStringLiteral("1111"));
    QCOMPARE((*dividendLines[0])["НалУдерж"], QStringLiteral("1111"));
    QCOMPARE(xml.all("ДоходИстРФ").size(), 1);

    const XmlNode& foreign = xml.find("ДоходИстИно", "Ставка", QStringLiteral("13"));
    QCOMPARE(foreign["ДоходИноРубОбщ"], QStringLiteral("30787.00"));
    QCOMPARE(foreign["НалУплИноРубОбщ"], QStringLiteral("3078.70"));
    // 13 % of the income in roubles, credited up to the tax paid abroad.
    QCOMPARE(foreign["НалИсчислРФОбщ"], QStringLiteral("4002"));
    QCOMPARE(foreign["НалЗачРФОбщ"], QStringLiteral("3079"));
    const QList<const XmlNode*> foreignLines = foreign.all("РасчДохНалИно");
    QCOMPARE(foreignLines.size(), 1);
    const XmlNode& salary = *foreignLines[0];
    QCOMPARE(salary["ОКСМ"], QStringLiteral("840"));
    QCOMPARE(salary["КодВалют"], QStringLiteral("840"));
    QCOMPARE(salary["ДатаДох"], QStringLiteral("05.03.2013"));
    QCOMPARE(salary["КурсВалютДох"], QStringLiteral("30.787"));
    QCOMPARE(salary["ДоходИноВал"], QStringLiteral("1000.00"));
    QCOMPARE(salary["ДоходИноРуб"], QStringLiteral("30787.00"));
    QCOMPARE(salary["ДатаУплНал"], QStringLiteral("05.03.2013"));
    QCOMPARE(salary["НалУплИноРуб"], QStringLiteral("3078.70"));

    const QList<const XmlNode*> business = xml.all("ДоходПредпр");
    QCOMPARE(business.size(), 1);
    QCOMPARE((*business[0])["ДоходИт"], QStringLiteral("500000.00"));
    QCOMPARE((*business[0])["ВычПрофИт"], QStringLiteral("100000.00"));
    const XmlNode& activity = business[0]->find("РасчВидДеят", "КодВД", QStringLiteral("1"));
    QCOMPARE(activity["ОКВЭД"], QStringLiteral("01.1"));
    QCOMPARE(activity["Доход"], QStringLiteral("500000.00"));
    QCOMPARE(activity["РасхПредНорм"], QStringLiteral("100000.00"));
}

void TestEndToEnd::openedDeclarationSavedUnchanged_data()
{
    QTest::addColumn<QString>("name");
    // How many questions of the sections' own checks are answered "Пропустить" on the way.
    QTest::addColumn<int>("skipped");
    for (const char* name :
         {"entrepreneur", "estimated-income", "nothing-declared", "resident-salary"})
        QTest::newRow(name) << QString::fromLatin1(name) << 0;
    // The taxpayer's section asks for the INN, which a non-resident may leave out.
    QTest::newRow("non-resident") << QStringLiteral("non-resident") << 1;
}

void TestEndToEnd::openedDeclarationSavedUnchanged()
{
    // Opened, walked through every section a person can reach, and saved under a new name
    // without an edit: the file holds what it held, and the window never thought it changed.
    QFETCH(QString, name);
    QFETCH(int, skipped);
    UiTestBench bench;
    const QString original = bench.path(QStringLiteral("original.tv3"));
    QVERIFY(QFile::copy(QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/") + name +
                            QStringLiteral("/declaration.tv3"),
                        original));
    mTDeclaration loaded;
    QVERIFY(!LoadDeclarationFile(loaded, original).has_value());
    const QString expected = bench.path(QStringLiteral("expected.tv3"));
    loaded.SaveToFile(expected);

    TFormMain& window = bench.start({original});
    for (int question = 0; question < skipped; ++question)
        bench.script().answerDialog(press("Button2"));
    for (Section section : {Section::InitialData, Section::PersonInfo, Section::RussianIncome,
                            Section::ForeignIncome, Section::BusinessIncome, Section::Deduction}) {
        if (window.sectionButton(section)->isEnabled())
            window.sectionButton(section)->click();
    }
    QVERIFY(window.isSaved());
    const QString saved = bench.path(QStringLiteral("saved.tv3"));
    bench.script().answerFile(saved);
    window.SaveAsDoc();
    QVERIFY2(bench.script().finished(), qPrintable(bench.script().unexpected.join(u'\n')));
    QFile savedFile(saved);
    QFile expectedFile(expected);
    QVERIFY(savedFile.open(QIODevice::ReadOnly) && expectedFile.open(QIODevice::ReadOnly));
    QCOMPARE(savedFile.readAll(), expectedFile.readAll());
}

void TestEndToEnd::refundGrowsAsTheFlatIsEntered()
{
    UiTestBench bench;
    TFormMain& window = bench.start();
    ScriptedInteraction& script = bench.script();
    ResultStrip* strip = window.resultStrip();
    const auto settled = [strip] { return !strip->updatePending(); };
    QTRY_VERIFY(settled());
    // Nothing entered, nothing to show.
    QVERIFY(strip->isHidden());

    enterConditions(bench);
    window.sectionButton(Section::RussianIncome)->click();
    addEmployer(bench, QStringLiteral("ООО \"Ромашка\""), QStringLiteral("7707083893"),
                QStringLiteral("773601001"));
    addSalary(bench, QStringLiteral("62000"), 1, 12);
    QTRY_COMPARE(strip->text(), QStringLiteral("К уплате: 96 720 руб."));
    QVERIFY(!strip->isHidden());
    enterSourceTotals(window, QStringLiteral("96720"), QStringLiteral("744000"),
                      QStringLiteral("96720"));
    QTRY_COMPARE(strip->text(), QStringLiteral("Налог не доплачивается и не возвращается"));
    // The strip read the screen: the withheld tax is not in the document before a store.
    QCOMPARE(window.document().Income13.At(0).TaxWithheld, Money());

    script.answerFile(bench.path(QStringLiteral("flat.tv3")));
    click(window, "fbSave");
    QVERIFY(window.isSaved());
    window.sectionButton(Section::Deduction)->click();
    QCOMPARE(window.currentSection(), Section::Deduction);
    click(window, "fbConstructionDeduct");
    click(window, "chbGrantingDeduct");
    child<DateField>(window, "dtpRegRightDate")->setDate(QDate(2013, 3, 1));
    click(window, "bnNext");

    // The flat's price typed digit by digit: the refund grows with the deduction.
    auto* price = child<QLineEdit>(window, "meObsch");
    price->setFocus();
    QList<Money> refunds;
    for (const QChar digit : QStringLiteral("2000000")) {
        typeKeys(price, QString(digit));
        QTRY_VERIFY(settled());
        refunds.append(strip->summary().toRefund);
    }
    QCOMPARE(refunds.constFirst(), Money());
    QCOMPARE(refunds.constLast(), 96720_rub);
    for (qsizetype i = 1; i < refunds.size(); ++i)
        QVERIFY(refunds[i - 1] <= refunds[i]);
    QCOMPARE(strip->text(), QStringLiteral("К возврату: 96 720 руб."));
    // The frame keeps the price until it is stored; the strip asked nothing.
    QCOMPARE(window.document().PropertyDeduction.ObjectCost, Money());
    QVERIFY2(script.finished(), qPrintable(script.unexpected.join(u'\n')));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
