// The section of income abroad: rates from the currency directory by date, conversion into
// roubles, the deduction rules, the source dialog, deleting a source and the section check.
#include "directories/CurrencyDirectory.h"
#include "storage/DayCount.h"
#include "support/FrameTestHost.h"
#include "ui/pickers/ListPicker.h"
#include "ui/sections/foreign_income/FrameCurrency.h"
#include "ui/widgets/DateField.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

DateField* dateField(QWidget& parent, const char* name)
{
    return child<DateField>(parent, name);
}

QCheckBox* autoBox(QWidget& frame)
{
    return frame.findChild<QCheckBox*>(QStringLiteral("chbAutoExchange"));
}

// The source dialog answered: a name typed, the country picked, "Да".
ScriptedInteraction::DialogScript source(ScriptedAnswers& answers, const QString& name,
                                         const QString& country)
{
    return [&answers, name, country](QDialog& dialog) {
        type(dialog, "meSourseName", name);
        answers.answerDialog(pick(country));
        click(dialog, "Button1");
        click(dialog, "bnOk");
        return dialog.result();
    };
}

CurrencyRate rate(const char* date, const char* value)
{
    const QString text = QString::fromLatin1(date);
    return {text, QString::fromLatin1(value),
            QDate::fromString(text, QStringLiteral("dd.MM.yyyy")).toJulianDay()};
}

std::unique_ptr<CurrencyDirectory> smallDirectory()
{
    Currency dollar{QStringLiteral("840"),
                    QStringLiteral("Доллар США"),
                    QStringLiteral("1"),
                    {rate("10.01.2013", "30,0000"), rate("15.01.2013", "30,5000")}};
    Currency yen{QStringLiteral("392"),
                 QStringLiteral("Японская иена"),
                 QStringLiteral("100"),
                 {rate("10.01.2013", "34,1200")}};
    return std::make_unique<CurrencyDirectory>(QList<Currency>{dollar, yen});
}

// A frame with one new source selected. Without a currency directory the code is typed.
struct OneSource
{
    explicit OneSource(std::unique_ptr<CurrencyDirectory> directory = smallDirectory())
    {
        host.currencyDirectory = std::move(directory);
        frame = std::make_unique<TfrCurrency>(nullptr, host);
        host.answers.answerDialog(
            source(host.answers, QStringLiteral("Employer Inc."), QStringLiteral("840")));
        click(*frame, "fbAddSourseIncome");
    }

    void chooseCurrency(const QString& code)
    {
        host.answers.answerDialog(pick(code));
        click(*frame, "bnCurrencyCode");
    }

    FrameTestHost host;
    std::unique_ptr<TfrCurrency> frame;
};

mTCurrencyIncome completeEntry()
{
    mTCurrencyIncome entry;
    entry.CurSourceName = QStringLiteral("Employer Inc.");
    entry.CurrencyCode = QStringLiteral("840");
    entry.IncomeUnits = 1;
    entry.IncomeExchangeRate = 30_rub;
    entry.CurIncomeCode = 2000;
    entry.SetIncomeInCurrency(100_rub);
    return entry;
}

} // namespace

class TestCurrency : public QObject
{
    Q_OBJECT

private slots:
    void newSectionIsDisabled();
    void manualRateConversion_data();
    void manualRateConversion();
    void shippedDirectoryGivesDollarRateOfTheDate();
    void rateFollowsDatesAndCurrency();
    void unknownCurrencyLetsUserTypeName();
    void deductionFollowsIncome_data();
    void deductionFollowsIncome();
    void storeWritesEntryAndReloads();
    void check_data();
    void check();
    void sourceWithoutCountry();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void typedValuesReachTheDocument_data();
    void typedValuesReachTheDocument();
    void typingACodeSearchesItsPicker_data();
    void typingACodeSearchesItsPicker();
};

void TestCurrency::newSectionIsDisabled()
{
    FrameTestHost host;
    TfrCurrency frame(nullptr, host);
    QVERIFY(!child<QLineEdit>(frame, "meCurrencyCode")->isEnabled());
    QVERIFY(!child<QLineEdit>(frame, "meIncomeCurrencySum")->isEnabled());
    QVERIFY(!frame.findChild<QPushButton*>(QStringLiteral("bnCurrencyCode"))->isEnabled());
    // Nothing takes typing that would never be stored.
    QCOMPARE(editableFields(frame), QStringList());
    QCOMPARE(frame.CheckData(), quint16(0));
    QCOMPARE(host.changes, 0);
}

void TestCurrency::manualRateConversion_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("roubles");
    QTest::newRow("one unit") << "100"
                              << "1"
                              << "32,73"
                              << "3273";
    QTest::newRow("ten units, to kopecks") << "1234,56"
                                           << "10"
                                           << "45,11"
                                           << "5569,1";
    QTest::newRow("no units") << "100"
                              << ""
                              << "32,73"
                              << "0";
    QTest::newRow("zero units") << "100"
                                << "0"
                                << "32,73"
                                << "0";
    QTest::newRow("zero rate") << "100"
                               << "1"
                               << "0"
                               << "0";
}

void TestCurrency::manualRateConversion()
{
    QFETCH(QString, amount);
    QFETCH(QString, units);
    QFETCH(QString, rate);
    QFETCH(QString, roubles);
    OneSource s(nullptr);
    TfrCurrency& frame = *s.frame;
    type(frame, "meCurrencyCode", QStringLiteral("999"));
    s.host.answers.answerDialog(pick(QStringLiteral("2000")));
    click(frame, "bnIncomeCod");
    // The amount typed first, then the rate, then the units: the display follows each.
    type(frame, "meIncomeCurrencySum", amount);
    type(frame, "meCurrencyExchange", rate);
    type(frame, "meCurrencyUnits", units);
    QCOMPARE(text(frame, "pnlIncomeRublSum"), roubles);
    type(frame, "meTaxCurrencySum", amount);
    type(frame, "meCurrencyExchange2", rate);
    type(frame, "meCurrencyUnits2", units);
    QCOMPARE(text(frame, "pnlTaxRoubleSum"), roubles);

    frame.StoreData();
    const mTCurrencyIncome& entry = s.host.doc.CurrencyIncomes.At(0);
    QCOMPARE(entry.IncomeInRoubles.toText(QLatin1Char(',')), roubles);
    QCOMPARE(entry.TaxInRoubles.toText(QLatin1Char(',')), roubles);
}

void TestCurrency::shippedDirectoryGivesDollarRateOfTheDate()
{
    QFile file(QStringLiteral(TARVIKA_SOURCE_DIR "/data/CurrencyRates.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    auto directory = CurrencyDirectory::fromXml(file.readAll(), &error);
    QVERIFY2(directory, qPrintable(error));
    OneSource s(std::make_unique<CurrencyDirectory>(*directory));
    TfrCurrency& frame = *s.frame;

    dateField(frame, "dtIncomeGetDate")->setDate(QDate(2013, 3, 5));
    dateField(frame, "dtSubtractDate")->setDate(QDate(2013, 3, 4)); // no rate of its own
    s.chooseCurrency(QStringLiteral("840"));
    QVERIFY(autoBox(frame)->isEnabled());
    QVERIFY(autoBox(frame)->isChecked());
    QCOMPARE(text(frame, "meCurrencyName"), QStringLiteral("Доллар США"));
    QVERIFY(!child<QLineEdit>(frame, "meCurrencyName")->isEnabled());
    QCOMPARE(text(frame, "meCurrencyExchange"), QStringLiteral("30,7870"));
    QCOMPARE(text(frame, "meCurrencyUnits"), QStringLiteral("1"));
    QCOMPARE(text(frame, "meCurrencyExchange2"), QStringLiteral("30,6381"));
    QVERIFY(!child<QLineEdit>(frame, "meCurrencyExchange")->isEnabled());

    s.host.answers.answerDialog(pick(QStringLiteral("2000")));
    click(frame, "bnIncomeCod");
    type(frame, "meIncomeCurrencySum", QStringLiteral("1000"));
    type(frame, "meTaxCurrencySum", QStringLiteral("100"));
    QCOMPARE(text(frame, "pnlIncomeRublSum"), QStringLiteral("30787"));
    QCOMPARE(text(frame, "pnlTaxRoubleSum"), QStringLiteral("3063,81"));
    frame.StoreData();
    QCOMPARE(frame.CheckData(), quint16(0));
    const mTCurrencyIncome& entry = s.host.doc.CurrencyIncomes.At(0);
    QCOMPARE(entry.IncomeInRoubles, 30787_rub);
    QCOMPARE(entry.AutoExchange, quint8(1));
    QCOMPARE(entry.IncomeDate, DayCount::fromDate(2013, 3, 5));
    QCOMPARE(entry.CurIncomeCode, 2000);
    QCOMPARE(entry.IncomeTaxRate, 13);
    QVERIFY(s.host.answers.finished());
}

void TestCurrency::rateFollowsDatesAndCurrency()
{
    OneSource s;
    TfrCurrency& frame = *s.frame;
    dateField(frame, "dtIncomeGetDate")->setDate(QDate(2013, 1, 20));
    s.chooseCurrency(QStringLiteral("392"));
    QCOMPARE(text(frame, "meCurrencyUnits"), QStringLiteral("100"));
    QCOMPARE(text(frame, "meCurrencyExchange"), QStringLiteral("34,1200"));

    s.chooseCurrency(QStringLiteral("840"));
    QCOMPARE(text(frame, "meCurrencyExchange"), QStringLiteral("30,5000"));
    dateField(frame, "dtIncomeGetDate")->setDate(QDate(2013, 1, 12));
    QCOMPARE(text(frame, "meCurrencyExchange"), QStringLiteral("30,0000"));

    // Before every rate of the currency: no automatic rate.
    dateField(frame, "dtIncomeGetDate")->setDate(QDate(2013, 1, 5));
    dateField(frame, "dtSubtractDate")->setDate(QDate(2013, 1, 5));
    QVERIFY(!autoBox(frame)->isEnabled());
    QVERIFY(!autoBox(frame)->isChecked());

    // Clearing the box frees the rate fields and empties them.
    dateField(frame, "dtIncomeGetDate")->setDate(QDate(2013, 1, 20));
    dateField(frame, "dtSubtractDate")->setDate(QDate(2013, 1, 20));
    QVERIFY(autoBox(frame)->isChecked());
    autoBox(frame)->click();
    QVERIFY(child<QLineEdit>(frame, "meCurrencyExchange")->isEnabled());
    QVERIFY(text(frame, "meCurrencyExchange").isEmpty());
    autoBox(frame)->click();
    QCOMPARE(text(frame, "meCurrencyExchange2"), QStringLiteral("30,5000"));
    QVERIFY(s.host.changes > 1);
}

void TestCurrency::unknownCurrencyLetsUserTypeName()
{
    // Without the currency directory nothing can be picked: the code, the name and the rates are
    // typed.
    OneSource s(nullptr);
    TfrCurrency& frame = *s.frame;
    QVERIFY(!child<QPushButton>(frame, "bnCurrencyCode")->isEnabled());
    type(frame, "meCurrencyCode", QStringLiteral("999"));
    QCOMPARE(text(frame, "meCurrencyCode"), QStringLiteral("999"));
    QVERIFY(child<QLineEdit>(frame, "meCurrencyName")->isEnabled());
    QVERIFY(!autoBox(frame)->isEnabled());
    type(frame, "meCurrencyName", QStringLiteral("Тугрик"));
    frame.StoreData();
    QCOMPARE(s.host.doc.CurrencyIncomes.At(0).CurrencyCode, QStringLiteral("999"));
    QCOMPARE(s.host.doc.CurrencyIncomes.At(0).CurrencyName, QStringLiteral("Тугрик"));
    QCOMPARE(s.host.doc.CurrencyIncomes.At(0).AutoExchange, quint8(0));
}

void TestCurrency::deductionFollowsIncome_data()
{
    QTest::addColumn<QString>("incomeCode");
    QTest::addColumn<QString>("deductionCode");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("deduction");
    QTest::newRow("equivalent above limit") << "2740"
                                            << "505"
                                            << "5000"
                                            << "4000";
    QTest::newRow("equivalent below limit") << "2740"
                                            << "505"
                                            << "3000"
                                            << "3000";
    QTest::newRow("norm 20 %") << "2201"
                               << "405"
                               << "1234,57"
                               << "246,91";
}

void TestCurrency::deductionFollowsIncome()
{
    QFETCH(QString, incomeCode);
    QFETCH(QString, deductionCode);
    QFETCH(QString, income);
    QFETCH(QString, deduction);
    OneSource s(nullptr);
    TfrCurrency& frame = *s.frame;
    type(frame, "meCurrencyCode", QStringLiteral("999"));
    type(frame, "meCurrencyExchange", QStringLiteral("1"));
    type(frame, "meCurrencyUnits", QStringLiteral("1"));
    s.host.answers.answerDialog(pick(incomeCode));
    click(frame, "bnIncomeCod");
    QVERIFY(frame.findChild<QPushButton*>(QStringLiteral("bnSubtractCod"))->isEnabled());
    type(frame, "meIncomeCurrencySum", QStringLiteral("100"));
    s.host.answers.answerDialog(pick(deductionCode));
    click(frame, "bnSubtractCod");
    type(frame, "meIncomeCurrencySum", income);
    QCOMPARE(text(frame, "meSubtractSum"), deduction);

    // Leaving the row and coming back shows the same deduction.
    frame.selectRow(-1);
    frame.StoreData();
    frame.selectRow(0);
    QCOMPARE(text(frame, "pnlSubtractCod"), deductionCode);
    QCOMPARE(text(frame, "meSubtractSum"), deduction);
    QVERIFY(s.host.answers.finished());
}

void TestCurrency::storeWritesEntryAndReloads()
{
    FrameTestHost host;
    host.currencyDirectory = smallDirectory();
    mTCurrencyIncome entry = completeEntry();
    entry.AutoExchange = 0;
    entry.TaxUnits = 1;
    entry.TaxExchangeRate = Money::fromKopecks(3150);
    entry.SetTaxInCurrency(10_rub);
    host.doc.CurrencyIncomes.At(host.doc.CurrencyIncomes.Add()) = entry;
    host.doc.ForeignProofSheets = 3;
    const mTCurrencyIncome before = host.doc.CurrencyIncomes.At(0);
    TfrCurrency frame(nullptr, host);
    frame.selectRow(0);
    QCOMPARE(text(frame, "pnlIncomeRublSum"), QStringLiteral("3000"));
    QCOMPARE(text(frame, "pnlTaxRoubleSum"), QStringLiteral("315"));
    QCOMPARE(text(frame, "meCurrencyName"), QStringLiteral("Доллар США"));
    frame.StoreData();
    mTCurrencyIncome after = host.doc.CurrencyIncomes.At(0);
    // Showing the entry takes the income code's name and rate from the directory.
    QCOMPARE(after.IncomeTaxRate, 13);
    after.IncomeTaxRate = before.IncomeTaxRate;
    after.CurIncomeCodeName = before.CurIncomeCodeName;
    after.CurrencyName = before.CurrencyName;
    QCOMPARE(after, before);
    QCOMPARE(host.doc.ForeignProofSheets, 3);
    QCOMPARE(host.changes, 0);
}

void TestCurrency::check_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("no currency") << 1 << "По данному источнику выплаты не указан код валюты";
    QTest::newRow("no units") << 2 << "По данному источнику выплаты не указан курс валюты";
    QTest::newRow("no income code") << 3 << "По данному источнику выплаты не указан код дохода";
    QTest::newRow("no income") << 4 << "По данному источнику выплаты не указана сумма дохода";
    QTest::newRow("no deduction amount")
        << 5 << "По данному источнику выплаты не указана сумма вычета";
    QTest::newRow("1530 needs no deduction amount") << 6 << "";
}

void TestCurrency::check()
{
    QFETCH(int, fault);
    QFETCH(QString, message);
    FrameTestHost host;
    host.doc.CurrencyIncomes.At(host.doc.CurrencyIncomes.Add()) = completeEntry();
    mTCurrencyIncome entry = completeEntry();
    switch (fault) {
    case 1:
        entry.CurrencyCode.clear();
        break;
    case 2:
        entry.IncomeUnits = 0;
        break;
    case 3:
        entry.CurIncomeCode = 0;
        break;
    case 4:
        entry.SetIncomeInCurrency(Money());
        break;
    case 5:
        entry.CurIncomeCode = 2201;
        entry.CurDeductCode = 404;
        break;
    default:
        entry.CurIncomeCode = 1530;
        entry.CurDeductCode = 201;
        break;
    }
    host.doc.CurrencyIncomes.At(host.doc.CurrencyIncomes.Add()) = entry;
    TfrCurrency frame(nullptr, host);
    if (message.isEmpty()) {
        QCOMPARE(frame.CheckData(), quint16(0));
        QVERIFY(host.answers.checkMessages.isEmpty());
        return;
    }
    host.answers.answerCheck(TfmCheckError::Fix);
    QCOMPARE(frame.CheckData(), quint16(2));
    QCOMPARE(host.answers.checkMessages, QStringList{message});
    QCOMPARE(host.answers.dialogTitles, QStringList{QStringLiteral("Проверка: Доходы в валюте")});
    host.answers.answerCheck(TfmCheckError::Skip);
    QCOMPARE(frame.CheckData(), quint16(0));
    frame.FocusError(2);
    QCOMPARE(frame.selectedRow(), 1);
}

void TestCurrency::sourceWithoutCountry()
{
    FrameTestHost host;
    TfrCurrency frame(nullptr, host);
    host.answers.answerDialog([&host](QDialog& dialog) {
        type(dialog, "meSourseName", QStringLiteral("Bank AG"));
        host.answers.answerCheck(TfmCheckError::Fix);
        host.answers.answerDialog(pick(QStringLiteral("276")));
        click(dialog, "bnOk"); // asks, then opens the country picker; the dialog stays
        if (dialog.result() != QDialog::Rejected)
            return int(QDialog::Rejected);
        click(dialog, "bnOk");
        return dialog.result();
    });
    click(frame, "fbAddSourseIncome");
    QVERIFY2(host.answers.finished(), qPrintable(host.answers.unexpected.join(u'\n')));
    QCOMPARE(host.answers.checkMessages, QStringList{QStringLiteral("Не выбран код страны")});
    QCOMPARE(host.doc.CurrencyIncomes.Count(), 1);
    QCOMPARE(host.doc.CurrencyIncomes.At(0).SourceCountryCode, QStringLiteral("276"));
    QCOMPARE(frame.selectedRow(), 0);
    QVERIFY(child<QLineEdit>(frame, "meCurrencyCode")->isEnabled());
}

void TestCurrency::deleteAsksFirst_data()
{
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("left");
    const QStringList two{QStringLiteral("ООО «Ромашка»"), QStringLiteral("Bank AG")};
    QTest::newRow("Нет keeps it") << two << 0 << QMessageBox::No << two;
    QTest::newRow("the first") << two << 0 << QMessageBox::Yes << QStringList{two.at(1)};
    QTest::newRow("the last") << two << 1 << QMessageBox::Yes << QStringList{two.at(0)};
    QTest::newRow("the only one") << QStringList{two.at(1)} << 0 << QMessageBox::Yes
                                  << QStringList();
}

// Deleting a source asks once, naming it; the list then shows exactly the sources left, the
// neighbour selected, or nothing to type into when none is left.
void TestCurrency::deleteAsksFirst()
{
    QFETCH(QStringList, sources);
    QFETCH(int, deleted);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, left);
    FrameTestHost host;
    for (const QString& name : sources) {
        mTCurrencyIncome entry = completeEntry();
        entry.CurSourceName = name;
        host.doc.CurrencyIncomes.At(host.doc.CurrencyIncomes.Add()) = entry;
    }
    TfrCurrency frame(nullptr, host);
    frame.selectRow(deleted);
    host.answers.answerMessage(answer);
    click(frame, "fbDeleteSourseIncome");
    QCOMPARE(
        host.answers.messageTexts(),
        QStringList{QStringLiteral("Удалить источник «%1» и его доход?").arg(sources.at(deleted))});
    QCOMPARE(host.answers.messages.constFirst().icon, QMessageBox::Question);

    QStringList inDocument;
    for (const mTCurrencyIncome& entry : host.doc.CurrencyIncomes)
        inDocument.append(entry.CurSourceName);
    QCOMPARE(inDocument, left);
    const auto* list = child<QTreeWidget>(frame, "lvSourseIncomeInfo");
    QStringList shown;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        shown.append(list->topLevelItem(row)->text(0));
    QCOMPARE(shown, left);
    QCOMPARE(host.changes, answer == QMessageBox::Yes ? 1 : 0);
    if (left.isEmpty()) {
        QCOMPARE(frame.selectedRow(), -1);
        QCOMPARE(editableFields(frame), QStringList());
        QVERIFY(text(frame, "meCurrencyCode").isEmpty());
        QVERIFY(text(frame, "pnlIncomeRublSum").isEmpty());
    } else {
        QCOMPARE(frame.selectedRow(), answer == QMessageBox::Yes ? 0 : deleted);
    }
    frame.StoreData();
    QCOMPARE(frame.CheckData(), quint16(0));
}

void TestCurrency::typedValuesReachTheDocument_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("income date") << "dtIncomeGetDate"
                                 << "05032013"
                                 << "05.03.2013";
    QTest::newRow("tax date") << "dtSubtractDate"
                              << "20.04.2014"
                              << "20.04.2014";
    QTest::newRow("rate at the income date") << "meCurrencyExchange"
                                             << "32,7292"
                                             << "32,7292";
    QTest::newRow("rate at the tax date") << "meCurrencyExchange2"
                                          << "45.1"
                                          << "45,1";
    QTest::newRow("income") << "meIncomeCurrencySum"
                            << "1234,56"
                            << "1234,56";
    QTest::newRow("tax") << "meTaxCurrencySum"
                         << "99999999999,99"
                         << "99999999999,99";
    QTest::newRow("deduction") << "meSubtractSum"
                               << "500"
                               << "500";
}

// A click in the middle of an amount or a date of a new source and a value typed store exactly
// that value.
void TestCurrency::typedValuesReachTheDocument()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    OneSource s(nullptr);
    TfrCurrency& frame = *s.frame;
    s.host.answers.answerDialog(pick(QStringLiteral("2201")));
    click(frame, "bnIncomeCod");
    s.host.answers.answerDialog(pick(QStringLiteral("404")));
    click(frame, "bnSubtractCod");
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    clickAndType(child(frame, field.toLatin1().constData()), typed);
    frame.StoreData();

    const mTCurrencyIncome& entry = s.host.doc.CurrencyIncomes.At(0);
    const QMap<QString, QString> inDocument{
        {QStringLiteral("dtIncomeGetDate"),
         DayCount::toDate(entry.IncomeDate).toString(QStringLiteral("dd.MM.yyyy"))},
        {QStringLiteral("dtSubtractDate"),
         DayCount::toDate(entry.TaxPayDate).toString(QStringLiteral("dd.MM.yyyy"))},
        {QStringLiteral("meCurrencyExchange"), entry.IncomeExchangeRate.toText(u',')},
        {QStringLiteral("meCurrencyExchange2"), entry.TaxExchangeRate.toText(u',')},
        {QStringLiteral("meIncomeCurrencySum"), entry.IncomeInCurrency.toText(u',')},
        {QStringLiteral("meTaxCurrencySum"), entry.TaxInCurrency.toText(u',')},
        {QStringLiteral("meSubtractSum"), entry.CurDeductSum.toText(u',')}};
    QCOMPARE(inDocument.value(field), stored);
    QVERIFY2(s.host.answers.finished(), qPrintable(s.host.answers.unexpected.join(u'\n')));
}

void TestCurrency::typingACodeSearchesItsPicker_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("currency") << "meCurrencyCode"
                              << "3"
                              << "392";
    QTest::newRow("income code") << "pnlIncomeCod"
                                 << "2201"
                                 << "2201";
    QTest::newRow("deduction code") << "pnlSubtractCod"
                                    << "405"
                                    << "405";
}

// Typing into a code opens its picker with what was typed as the search, which leads to the row.
void TestCurrency::typingACodeSearchesItsPicker()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    OneSource s;
    TfrCurrency& frame = *s.frame;
    if (field == QLatin1String("pnlSubtractCod")) {
        s.host.answers.answerDialog(pick(QStringLiteral("2201")));
        click(frame, "bnIncomeCod");
    }
    QString searched;
    s.host.answers.answerDialog([&](QDialog& dialog) {
        auto& picker = dynamic_cast<TfmListPicker&>(dialog);
        searched = picker.searchText();
        typeKeys(child(picker, "edSearch"), typed.mid(1));
        click(picker, "btnYes");
        return picker.result();
    });
    typeKeys(child(frame, field.toLatin1().constData()), typed.left(1));
    QCOMPARE(searched, typed.left(1));
    QCOMPARE(text(frame, field.toLatin1().constData()), chosen);
    QVERIFY2(s.host.answers.finished(), qPrintable(s.host.answers.unexpected.join(u'\n')));
}

QTEST_MAIN(TestCurrency)
#include "tst_currency.moc"
