// The conditions frame: loading, enabling rules, storing, its check and the year notice.
#include "model/Declaration.h"
#include "support/FrameTestHost.h"
#include "support/UiTestSupport.h"
#include "support/UserActions.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/sections/conditions/FrameInitialData.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

class TestInitialData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void newDeclarationShowsDefaults();
    void loadsAndStoresOddValues_data();
    void loadsAndStoresOddValues();
    void clearingCurrencyDeletesRecordsOnStore();
    void deletingChoiceAsksFirst_data();
    void deletingChoiceAsksFirst();
    void choicesAskNothingWithoutRecords();
    void estimatedIncomeForm();
    void nonResidentForm();
    void representativeRules_data();
    void representativeRules();
    void emptyTaxOfficeOnLeaving_data();
    void emptyTaxOfficeOnLeaving();
    void pickingTaxOffice();
    void typingInTaxOfficeSearchesThePicker();
    void secondYearNotice_data();
    void secondYearNotice();
    void everyEditMarksChanged_data();
    void everyEditMarksChanged();
    void estimatedIncomeFileShownAsStored();
    void signerFieldsStoredOnlyWhenEnabled();
    void clickAndTypeGivesTheEstimatedIncome();
    void controlsHaveTheirOwnNames_data();
    void controlsHaveTheirOwnNames();

private:
    template <class T = QAbstractButton> T* child(const char* name)
    {
        T* found = m_bench->window().findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    TFormMain& startWith(const mTDeclaration& declaration);

    QTemporaryDir m_settings;
    std::unique_ptr<UiTestBench> m_bench;
};

void TestInitialData::initTestCase()
{
    UiTestBench::useTemporarySettings(m_settings.path());
}

void TestInitialData::init()
{
    UiTestBench::clearSettings();
    m_bench = std::make_unique<UiTestBench>();
}

TFormMain& TestInitialData::startWith(const mTDeclaration& declaration)
{
    return m_bench->start({m_bench->writeDeclaration(QStringLiteral("d.tv3"), declaration)});
}

void TestInitialData::newDeclarationShowsDefaults()
{
    TFormMain& window = m_bench->start();
    for (const char* name : {"rbSimple", "rbGiveSelf", "rbFLProch", "rb13", "chbIncomeInquiry"})
        QVERIFY2(child(name)->isChecked(), name);
    for (const char* name : {"chbIncomeCurrency", "chbIncomeBusiness", "rb14"})
        QVERIFY2(!child(name)->isChecked(), name);
    for (const char* name : {"meFIO", "meOsn", "meUL"})
        QVERIFY2(!child<QLineEdit>(name)->isEnabled(), name);
    QVERIFY(child<QLineEdit>("meInspection")->isReadOnly());
    QVERIFY(child("bnInspection")->isEnabled());
    QVERIFY(child<QLineEdit>("meSupposeIncome")->isHidden());
    QCOMPARE(child("rb13")->text(), QStringLiteral("2013"));
    QVERIFY(window.sectionButton(Section::RussianIncome)->isEnabled());
    QVERIFY(window.sectionButton(Section::Deduction)->isEnabled());
}

void TestInitialData::loadsAndStoresOddValues_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("categoryButton");
    QTest::addColumn<int>("storedCategory");
    QTest::addColumn<int>("storedYear");
    QTest::newRow("unused category 4") << 4 << 2013 << "rbFLProch" << 5 << 2013;
    QTest::newRow("year 0") << 1 << 0 << "rbFermer" << 1 << 2013;
    QTest::newRow("year 2014") << 3 << 2014 << "rbAdvokat" << 3 << 2014;
    QTest::newRow("odd year 2020") << 2 << 2020 << "rbNotarius" << 2 << 2014;
}

void TestInitialData::loadsAndStoresOddValues()
{
    QFETCH(int, category);
    QFETCH(int, year);
    QFETCH(QString, categoryButton);
    QFETCH(int, storedCategory);
    QFETCH(int, storedYear);
    mTDeclaration doc;
    doc.TaxpayerKind = quint8(category);
    doc.TaxYear = year;
    doc.CorrectionNumber = 12;
    doc.SetIncomeKinds(IncomeKind::Country);
    TFormMain& window = startWith(doc);
    QVERIFY(window.findChild<QAbstractButton*>(categoryButton)->isChecked());
    QVERIFY(m_bench->script().finished()); // loading a second year shows no notice
    QCOMPARE(child<QSpinBox>("meNumVer")->value(), 12);
    window.currentFrame()->StoreData();
    QCOMPARE(int(window.document().TaxpayerKind), storedCategory);
    QCOMPARE(window.document().TaxYear, storedYear);
    QCOMPARE(window.document().CorrectionNumber, 12);
    QCOMPARE(window.document().AutoCountSheets, quint8(0));
}

void TestInitialData::clearingCurrencyDeletesRecordsOnStore()
{
    mTDeclaration doc;
    doc.InspectionCode = QStringLiteral("7701");
    doc.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad);
    doc.CurrencyIncomes.Add();
    doc.CurrencyIncomes.Add();
    TFormMain& window = startWith(doc);
    QVERIFY(window.sectionButton(Section::ForeignIncome)->isEnabled());
    m_bench->script().answerMessage(QMessageBox::Yes);
    child("chbIncomeCurrency")->click();
    QVERIFY(m_bench->script().finished());
    QVERIFY(!window.sectionButton(Section::ForeignIncome)->isEnabled());
    QVERIFY(!window.isSaved());
    // Clearing takes effect when the frame is stored: on leaving it.
    QCOMPARE(window.document().CurrencyIncomes.Count(), 2);
    QVERIFY(window.selectSection(Section::PersonInfo));
    QCOMPARE(window.document().CurrencyIncomes.Count(), 0);
    QVERIFY(!window.document().HasIncomeKind(IncomeKind::Abroad));

    QVERIFY(window.selectSection(Section::InitialData));
    child("chbIncomeCurrency")->click();
    window.currentFrame()->StoreData();
    QVERIFY(window.document().HasIncomeKind(IncomeKind::Abroad));
    QCOMPARE(window.document().CurrencyIncomes.Count(), 0);
}

void TestInitialData::deletingChoiceAsksFirst_data()
{
    // The declaration (the resident's salary file, or one with income abroad and a business), the
    // control clicked, the answer, and the question.
    QTest::addColumn<bool>("salary");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QString>("question");
    const QString country = QStringLiteral(
        "Сведения о доходах в РФ (2 источника, 6 строк) и о вычетах будут удалены. Продолжить?");
    const QString abroad = QStringLiteral(
        "Сведения о доходах в иностранной валюте (2 строки) будут удалены. Продолжить?");
    const QString business =
        QStringLiteral("Сведения о доходах от предпринимательской деятельности (1 вид "
                       "деятельности) будут удалены. Продолжить?");
    const QString both = QStringLiteral(
        "Сведения о доходах в иностранной валюте (2 строки) и о доходах от предпринимательской "
        "деятельности (1 вид деятельности) будут удалены. Продолжить?");
    for (const bool agree : {true, false}) {
        const char* answer = agree ? "yes" : "no";
        QTest::addRow("4-НДФЛ, %s", answer) << true << "rb4ndfl" << agree << country;
        QTest::addRow("certificates, %s", answer) << true << "chbIncomeInquiry" << agree << country;
        QTest::addRow("currency, %s", answer) << false << "chbIncomeCurrency" << agree << abroad;
        QTest::addRow("business, %s", answer) << false << "chbIncomeBusiness" << agree << business;
        QTest::addRow("non-resident, %s", answer) << false << "rbNeRez" << agree << both;
    }
}

void TestInitialData::deletingChoiceAsksFirst()
{
    QFETCH(bool, salary);
    QFETCH(QString, control);
    QFETCH(bool, agree);
    QFETCH(QString, question);
    const QString file = m_bench->path(QStringLiteral("d.tv3"));
    if (salary) {
        QVERIFY(QFile::copy(
            QStringLiteral(TARVIKA_SOURCE_DIR "/tests/export/data/resident-salary/declaration.tv3"),
            file));
    } else {
        mTDeclaration doc;
        doc.SetInteractiveDefaults();
        doc.SetIncomeKinds(IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business);
        doc.CurrencyIncomes.Add();
        doc.CurrencyIncomes.Add();
        doc.Businesses.Add();
        doc.SaveToFile(file);
    }
    TFormMain& window = m_bench->start({file});
    const mTDeclaration before = window.document();
    const auto shown = [&] {
        QList<bool> state;
        for (const char* name : {"rbSimple", "rbNeRez", "rb4ndfl", "chbIncomeInquiry",
                                 "chbIncomeCurrency", "chbIncomeBusiness"})
            state << child(name)->isChecked() << child(name)->isEnabled();
        return state;
    };
    const QList<bool> shownBefore = shown();

    m_bench->script().answerMessage(agree ? QMessageBox::Yes : QMessageBox::No);
    window.findChild<QAbstractButton*>(control)->click();
    QVERIFY(m_bench->script().finished());
    QCOMPARE(m_bench->script().messageTexts(), QStringList{question});
    QCOMPARE(m_bench->script().messages.constFirst().defaultButton, QMessageBox::No);
    QCOMPARE(shown() == shownBefore, !agree);

    window.currentFrame()->StoreData();
    if (agree) {
        QVERIFY(window.document().IncomeKinds() != before.IncomeKinds());
    } else {
        // Every record stays; so does the choice on screen, and the window asks nothing more.
        QCOMPARE(window.document().IncomeKinds(), before.IncomeKinds());
        QVERIFY(window.document().Income13 == before.Income13);
        QVERIFY(window.document().CurrencyIncomes == before.CurrencyIncomes);
        QVERIFY(window.document().Businesses == before.Businesses);
        QVERIFY(window.document().StandardDeduction == before.StandardDeduction);
        QCOMPARE(window.document().DeclForm, before.DeclForm);
        QCOMPARE(m_bench->script().messages.size(), 1);
        QVERIFY(window.isSaved());
    }
}

void TestInitialData::choicesAskNothingWithoutRecords()
{
    // A new declaration holds no records: every choice goes on at once, as before.
    TFormMain& window = m_bench->start();
    for (const char* name :
         {"chbIncomeCurrency", "chbIncomeBusiness", "chbIncomeCurrency", "chbIncomeBusiness",
          "chbIncomeInquiry", "chbIncomeInquiry", "rbNeRez", "rb4ndfl", "rbSimple"})
        child(name)->click();
    QVERIFY(m_bench->script().messages.isEmpty());
    QVERIFY(child("rbSimple")->isChecked());
    QVERIFY(!window.sectionButton(Section::RussianIncome)->isEnabled());
}

void TestInitialData::estimatedIncomeForm()
{
    mTDeclaration doc;
    doc.SetIncomeKinds(IncomeKind::Country | IncomeKind::Business);
    doc.Businesses.Add();
    doc.Income13.Add();
    TFormMain& window = startWith(doc);
    m_bench->script().answerMessage(QMessageBox::Yes);
    child("rb4ndfl")->click();
    QVERIFY(m_bench->script().finished());
    for (const char* name : {"chbIncomeInquiry", "chbIncomeCurrency", "chbIncomeBusiness"}) {
        QVERIFY2(!child(name)->isChecked(), name);
        QVERIFY2(!child(name)->isEnabled(), name);
    }
    QVERIFY(!window.sectionButton(Section::Deduction)->isEnabled());
    QVERIFY(!window.sectionButton(Section::RussianIncome)->isEnabled());
    QCOMPARE(child("rb13")->text(), QStringLiteral("2014"));
    QCOMPARE(child("rb14")->text(), QStringLiteral("2015"));
    QVERIFY(!child("rbFLProch")->isEnabled());
    QVERIFY(child("rbPredp")->isChecked());
    QVERIFY(!child<QLineEdit>("meSupposeIncome")->isHidden());
    QVERIFY(child<QLineEdit>("meSupposeIncome")->isEnabled());
    QVERIFY(!child<QLabel>("lbInquiryComment")->isEnabled());

    QTest::keyClicks(child<QLineEdit>("meSupposeIncome"), QStringLiteral("12a34"));
    QCOMPARE(child<QLineEdit>("meSupposeIncome")->text(), QStringLiteral("1234"));
    window.currentFrame()->StoreData();
    const mTDeclaration& stored = window.document();
    QCOMPARE(stored.DeclForm, DeclarationForm::EstimatedIncome);
    QCOMPARE(stored.IncomeKinds(), quint8(0));
    QCOMPARE(stored.Businesses.Count(), 0);
    QCOMPARE(stored.Income13.Count(), 0);
    QCOMPARE(stored.TaxYear, 2013);
    QCOMPARE(stored.TaxpayerKind, quint8(0));
    QCOMPARE(stored.EstimatedIncome, 1234_rub);

    // Back to 3-НДФЛ: the boxes come back and the year buttons read 2013 and 2014.
    child("rbSimple")->click();
    QVERIFY(child("chbIncomeBusiness")->isEnabled());
    QVERIFY(child<QLineEdit>("meSupposeIncome")->isHidden());
    QCOMPARE(child("rb13")->text(), QStringLiteral("2013"));
    QVERIFY(!window.sectionButton(Section::Deduction)->isEnabled());
    child("chbIncomeInquiry")->click();
    QVERIFY(window.sectionButton(Section::Deduction)->isEnabled());
    QVERIFY(window.document().HasIncomeKind(IncomeKind::Country));
}

void TestInitialData::nonResidentForm()
{
    TFormMain& window = m_bench->start();
    child("chbIncomeCurrency")->click();
    child("rbNeRez")->click();
    QVERIFY(!child("chbIncomeCurrency")->isChecked());
    QVERIFY(!child("chbIncomeCurrency")->isEnabled());
    QVERIFY(!child("chbIncomeBusiness")->isEnabled());
    QVERIFY(child("chbIncomeInquiry")->isEnabled());
    QVERIFY(!window.sectionButton(Section::Deduction)->isEnabled());
    QVERIFY(!window.sectionButton(Section::ForeignIncome)->isEnabled());
    QVERIFY(window.sectionButton(Section::RussianIncome)->isEnabled());
}

void TestInitialData::representativeRules_data()
{
    QTest::addColumn<QString>("signer");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("result");
    const QString name = QStringLiteral("Не указаны ФИО подписанта-представителя");
    const QString doc =
        QStringLiteral("Не указан документ, подтверждающий полномочия представителя");
    const QString org = QStringLiteral("Не указано наименование Юр.лица-представителя");
    QTest::newRow("skip each") << "rbGiveByMail" << QList<int>{2, 2, 2}
                               << QStringList{name, doc, org} << 0;
    QTest::newRow("skip all on first") << "rbGiveByMail" << QList<int>{3} << QStringList{name} << 0;
    QTest::newRow("fix second") << "rbGiveByMail" << QList<int>{2, 1} << QStringList{name, doc}
                                << 4;
    QTest::newRow("closed counts as skip")
        << "rbGiveTrustFase" << QList<int>{0, 0} << QStringList{name, doc} << 0;
    QTest::newRow("fix organisation")
        << "rbGiveByMail" << QList<int>{2, 2, 1} << QStringList{name, doc, org} << 5;
}

void TestInitialData::representativeRules()
{
    QFETCH(QString, signer);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, shown);
    QFETCH(int, result);
    mTDeclaration doc;
    doc.InspectionCode = QStringLiteral("7701");
    TFormMain& window = startWith(doc);
    window.findChild<QAbstractButton*>(signer)->click();
    QStringList messages;
    for (const int answer : answers) {
        m_bench->script().answerDialog([&messages, answer](QDialog& dialog) {
            messages << dialog.findChild<QLabel*>(QStringLiteral("lbMessage"))->text();
            static const char* buttons[] = {nullptr, "Button1", "Button2", "Button3"};
            if (answer != 0)
                clickChild(dialog, buttons[answer]);
            return answer;
        });
    }
    window.currentFrame()->StoreData();
    QCOMPARE(int(window.currentFrame()->CheckData()), result);
    QCOMPARE(messages, shown);
    for (const QString& title : std::as_const(m_bench->script().dialogTitles))
        QCOMPARE(title, QStringLiteral("Проверка: Задание условий"));
    QVERIFY(m_bench->script().finished());
}

void TestInitialData::emptyTaxOfficeOnLeaving_data()
{
    QTest::addColumn<bool>("fix");
    QTest::newRow("fix opens the picker") << true;
    QTest::newRow("skip switches") << false;
}

void TestInitialData::emptyTaxOfficeOnLeaving()
{
    QFETCH(bool, fix);
    TFormMain& window = m_bench->start();
    QString message;
    m_bench->script().answerDialog([&](QDialog& dialog) {
        message = dialog.findChild<QLabel*>(QStringLiteral("lbMessage"))->text();
        clickChild(dialog, fix ? "Button1" : "Button2");
        return dialog.result();
    });
    if (fix) {
        m_bench->script().answerDialog([](QDialog& dialog) {
            auto& picker = dynamic_cast<TfmInputInspectionNumber&>(dialog);
            picker.Preselect(QStringLiteral("7702"));
            clickChild(dialog, "btnYes");
            return dialog.result();
        });
    }
    window.sectionButton(Section::PersonInfo)->click();
    QCOMPARE(message, QStringLiteral("Не введен номер инспекции"));
    QVERIFY(m_bench->script().finished());
    if (fix) {
        QCOMPARE(window.currentSection(), Section::InitialData);
        QVERIFY(window.sectionButton(Section::InitialData)->isChecked());
        QCOMPARE(child<QLineEdit>("meInspection")->text(), QStringLiteral("7702"));
        QVERIFY(!window.isSaved());
    } else {
        QCOMPARE(window.currentSection(), Section::PersonInfo);
        QVERIFY(window.sectionButton(Section::PersonInfo)->isChecked());
        // Building the new frame does not mark the document as changed.
        QVERIFY(window.isSaved());
    }
}

void TestInitialData::pickingTaxOffice()
{
    mTDeclaration doc;
    doc.InspectionCode = QStringLiteral("7703");
    TFormMain& window = startWith(doc);
    QString preselected;
    int rows = 0;
    m_bench->script().answerDialog([&](QDialog& dialog) {
        auto& picker = dynamic_cast<TfmInputInspectionNumber&>(dialog);
        preselected = picker.chosenCode();
        rows = picker.rowCount();
        return int(QDialog::Accepted);
    });
    child("bnInspection")->click();
    QCOMPARE(preselected, QStringLiteral("7703"));
    QCOMPARE(rows, 3);
    // The same code picked again changes nothing.
    QVERIFY(window.isSaved());

    m_bench->script().answerDialog(press("btnNo"));
    child("bnInspection")->click();
    QCOMPARE(child<QLineEdit>("meInspection")->text(), QStringLiteral("7703"));

    m_bench->script().answerDialog([](QDialog& dialog) {
        dynamic_cast<TfmListPicker&>(dialog).Preselect(QStringLiteral("7701"));
        clickChild(dialog, "btnYes");
        return dialog.result();
    });
    child("bnInspection")->click();
    QCOMPARE(child<QLineEdit>("meInspection")->text(), QStringLiteral("7701"));
    QVERIFY(!window.isSaved());
    window.currentFrame()->StoreData();
    QCOMPARE(window.document().InspectionCode, QStringLiteral("7701"));
    QCOMPARE(window.document().InspectionName,
             QStringLiteral("Инспекция ФНС России № 1 по г.Москве"));
    QVERIFY(m_bench->script().finished());
}

void TestInitialData::typingInTaxOfficeSearchesThePicker()
{
    TFormMain& window = m_bench->start();
    auto* inspection = child<QLineEdit>("meInspection");
    QString handedOver;
    // The person goes on typing in the picker's search box and takes the row found with Enter.
    m_bench->script().answerDialog([&handedOver](QDialog& dialog) {
        handedOver = dynamic_cast<TfmListPicker&>(dialog).searchText();
        dialog.show();
        auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("edSearch"));
        typeKeys(search, QStringLiteral("702"));
        QTest::keyClick(search, Qt::Key_Return);
        dialog.hide();
        return dialog.result();
    });
    typeKeys(inspection, QStringLiteral("7"));
    QVERIFY(m_bench->script().finished());
    QCOMPARE(handedOver, QStringLiteral("7"));
    QCOMPARE(inspection->text(), QStringLiteral("7702"));
    QVERIFY(!window.isSaved());
}

void TestInitialData::secondYearNotice_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<bool>("noticeShown");
    QTest::addColumn<int>("storedYear");
    QTest::newRow("agreed") << "rbSimple" << true << true << 2014;
    QTest::newRow("refused") << "rbSimple" << false << true << 2013;
    QTest::newRow("4-НДФЛ shows nothing") << "rb4ndfl" << false << false << 2014;
}

void TestInitialData::secondYearNotice()
{
    QFETCH(QString, form);
    QFETCH(bool, agree);
    QFETCH(bool, noticeShown);
    QFETCH(int, storedYear);
    TFormMain& window = m_bench->start();
    window.findChild<QAbstractButton*>(form)->click();
    bool yesEnabledBeforeTick = true;
    if (noticeShown) {
        m_bench->script().answerDialog([&](QDialog& dialog) {
            yesEnabledBeforeTick =
                dialog.findChild<QAbstractButton*>(QStringLiteral("btnYes"))->isEnabled();
            if (agree) {
                clickChild(dialog, "chbAgree");
                clickChild(dialog, "btnYes");
            } else {
                clickChild(dialog, "btnNo");
            }
            return dialog.result();
        });
    }
    child("rb14")->click();
    QVERIFY(m_bench->script().finished());
    if (noticeShown) {
        QCOMPARE(m_bench->script().dialogTitles, QStringList{QStringLiteral("ВНИМАНИЕ!")});
        QVERIFY(!yesEnabledBeforeTick);
    }
    QCOMPARE(child("rb13")->isChecked(), storedYear == 2013);
    window.currentFrame()->StoreData();
    QCOMPARE(window.document().TaxYear, storedYear);
}

void TestInitialData::everyEditMarksChanged_data()
{
    // The declaration as saved (its form and signer), then the one edit a person makes.
    QTest::addColumn<quint8>("form");
    QTest::addColumn<quint8>("signer");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    const quint8 resident = DeclarationForm::Resident;
    const quint8 estimated = DeclarationForm::EstimatedIncome;
    QTest::newRow("form") << resident << quint8(0) << QStringLiteral("rbNeRez") << QString();
    QTest::newRow("category") << resident << quint8(0) << QStringLiteral("rbAdvokat") << QString();
    QTest::newRow("signer") << resident << quint8(0) << QStringLiteral("rbGiveByMail") << QString();
    QTest::newRow("correction number")
        << resident << quint8(0) << QStringLiteral("meNumVer") << QStringLiteral("2");
    QTest::newRow("representative's name")
        << resident << quint8(1) << QStringLiteral("meFIO") << QStringLiteral("Петров");
    QTest::newRow("representative's document")
        << resident << quint8(1) << QStringLiteral("meOsn") << QStringLiteral("Доверенность");
    QTest::newRow("organisation") << resident << quint8(2) << QStringLiteral("meUL")
                                  << QStringLiteral("ООО Ромашка");
    QTest::newRow("estimated income")
        << estimated << quint8(0) << QStringLiteral("meSupposeIncome") << QStringLiteral("150000");
}

void TestInitialData::everyEditMarksChanged()
{
    QFETCH(quint8, form);
    QFETCH(quint8, signer);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    mTDeclaration doc;
    doc.SetInteractiveDefaults();
    doc.DeclForm = form;
    doc.ConfirmKind = signer;
    TFormMain& window = startWith(doc);
    QVERIFY(window.isSaved());
    auto* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr && widget->isEnabled());
    if (typed.isEmpty())
        qobject_cast<QAbstractButton*>(widget)->click();
    else
        typeKeys(widget, typed);
    QVERIFY(!window.isSaved());
}

void TestInitialData::estimatedIncomeFileShownAsStored()
{
    // A 4-NDFL file that also holds business income: the estimated income is shown, no income
    // section can be entered, and storing the frame keeps both.
    mTDeclaration doc;
    doc.SetInteractiveDefaults();
    doc.DeclForm = DeclarationForm::EstimatedIncome;
    doc.SetIncomeKinds(IncomeKind::Business);
    doc.Businesses.Add();
    doc.EstimatedIncome = 150000_rub;
    TFormMain& window = startWith(doc);
    QCOMPARE(child<QLineEdit>("meSupposeIncome")->text(), QStringLiteral("150000"));
    QVERIFY(!window.sectionButton(Section::BusinessIncome)->isEnabled());
    QVERIFY(!window.sectionButton(Section::Deduction)->isEnabled());
    window.currentFrame()->StoreData();
    QCOMPARE(window.document().EstimatedIncome, 150000_rub);
    QCOMPARE(window.document().Businesses.Count(), 1);
    QVERIFY(window.isSaved());
}

void TestInitialData::signerFieldsStoredOnlyWhenEnabled()
{
    // "Лично" empties the representative's fields on store.
    TFormMain& window = m_bench->start();
    child("rbGiveByMail")->click();
    child<QLineEdit>("meUL")->setText(QStringLiteral("ООО Ромашка"));
    window.currentFrame()->StoreData();
    QCOMPARE(window.document().RepresentativeOrg, QStringLiteral("ООО Ромашка"));
    child("rbGiveSelf")->click();
    window.currentFrame()->StoreData();
    QVERIFY(window.document().RepresentativeOrg.isEmpty());
    QCOMPARE(window.document().ConfirmKind, quint8(0));
}

// A click anywhere in the estimated income, then the amount typed: the document takes exactly that
// amount.
void TestInitialData::clickAndTypeGivesTheEstimatedIncome()
{
    FrameTestHost host;
    host.doc.DeclForm = DeclarationForm::EstimatedIncome;
    TfrInitialData frame(nullptr, host);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    auto* income = frame.findChild<QLineEdit*>(QStringLiteral("meSupposeIncome"));
    QCOMPARE(income->text(), QStringLiteral("0"));
    clickAndType(income, QStringLiteral("150000"));
    frame.StoreData();
    QCOMPARE(host.doc.EstimatedIncome, 150000_rub);
}

void TestInitialData::controlsHaveTheirOwnNames_data()
{
    QTest::addColumn<quint8>("form");
    QTest::newRow("3-НДФЛ") << DeclarationForm::Resident;
    QTest::newRow("4-НДФЛ") << DeclarationForm::EstimatedIncome;
}

void TestInitialData::controlsHaveTheirOwnNames()
{
    QFETCH(quint8, form);
    FrameTestHost host;
    host.doc.DeclForm = form;
    // Signed by an organisation: every field of the representative takes typing.
    host.doc.ConfirmKind = 2;
    TfrInitialData frame(nullptr, host);
    frame.show();
    QVERIFY2(unnamedControls(frame).isEmpty(), qPrintable(unnamedControls(frame).join(u'\n')));
}

QTEST_MAIN(TestInitialData)
#include "tst_initialdata.moc"
