#include "ScreenTour.h"

#include "UiTestSupport.h"
#include "storage/DayCount.h"
#include "ui/dialogs/CheckAllError.h"
#include "ui/dialogs/CheckError.h"
#include "ui/window/Main.h"
#include "ui/window/SectionFrames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The largest amount an amount field takes: twelve digits of roubles and two of kopecks.
constexpr Money kLargest = Money::fromKopecks(99'999'999'999'999);
constexpr Money kLarge = Money::fromKopecks(12'345'678'901'23);

const QString kLongOrganisation =
    QStringLiteral("Общество с ограниченной ответственностью «Северо-Западная региональная "
                   "энергосбытовая и теплогенерирующая компания имени Константина "
                   "Константиновича Константинопольского»");
const QString kLongPlace = QStringLiteral("Усть-Каменогорско-Краснопресненский");

// Buttons that open a dialog or a picker, besides the "..." of every picker.
const QStringList kOpeners = {QStringLiteral("fbAddSourseIncome"),
                              QStringLiteral("fbEditSourseIncome"),
                              QStringLiteral("fbAddIncome"),
                              QStringLiteral("fbEditIncome"),
                              QStringLiteral("fbAddSum"),
                              QStringLiteral("fbEditSum"),
                              QStringLiteral("fbAddPens"),
                              QStringLiteral("fbEditPens"),
                              QStringLiteral("rbQ"),
                              QStringLiteral("rbQ2"),
                              QStringLiteral("rb14"),
                              QStringLiteral("btnLoadSoun")};

mTThirteenPercent thirteenPercentSource()
{
    mTThirteenPercent source;
    source.SourceName = kLongOrganisation;
    source.SourceINN = QStringLiteral("7707083893");
    source.SourceKPP = QStringLiteral("773601001");
    source.SourceOKTMO = QStringLiteral("45382000001");
    source.TotalIncome = kLargest;
    source.TaxWithheld = Money::fromRoubles(999'999'999'999);
    source.TaxableIncome = kLargest;
    source.TaxComputed = Money::fromRoubles(999'999'999'999);
    for (const quint16 month : {quint16(11), quint16(12)}) {
        mTSourseIncome line;
        line.IncomeMonth = month;
        line.IncomeCode = 2000;
        line.IncomeSum = kLargest;
        line.DeductCode = 403;
        line.DeductSum = kLarge;
        source.AddIncome(line);
    }
    return source;
}

} // namespace

mTDeclaration ScreenTour::crowdedDeclaration(quint8 form)
{
    mTDeclaration doc = UiTestBench::completeDeclaration();
    doc.DeclForm = form;
    doc.CorrectionNumber = 999;
    doc.ConfirmKind = 2;
    doc.RepresentativeName = QStringLiteral("Константинопольский Константин Константинович");
    doc.RepresentativeOrg = kLongOrganisation;
    doc.RepresentativeDoc = QStringLiteral("Доверенность № 77 АБ 1234567 от 01.02.2013, "
                                           "удостоверенная нотариусом города Москвы");
    const bool estimated = form == DeclarationForm::EstimatedIncome;
    doc.TaxpayerKind = 1;
    doc.SetIncomeKinds(estimated ? IncomeKind::Business
                                 : IncomeKind::Country | IncomeKind::Abroad | IncomeKind::Business);
    doc.EstimatedIncome = estimated ? Money::fromRoubles(999'999'999'999) : Money();
    doc.ActualAdvance = kLargest;
    doc.AccruedAdvance = kLargest;
    doc.FarmExemptIncome = kLargest;

    mTPersonInformation& person = doc.Person;
    person.Surname = QStringLiteral("Константинопольская-Преображенская");
    person.FirstName = QStringLiteral("Александра-Виктория");
    person.Patronymic = QStringLiteral("Константиновна");
    person.DocKind = 21;
    person.DocKindName = QStringLiteral("Паспорт гражданина Российской Федерации");
    person.DocNumber = QStringLiteral("45 08 123456");
    person.DocIssueDate = DayCount::fromDate(2008, 12, 28);
    person.DocIssuer = QStringLiteral("Отделением УФМС России по городу Москве по району "
                                      "Северное Тушино");
    person.BirthPlace = QStringLiteral("город ") + kLongPlace;
    person.PostIndex = QStringLiteral("125363");
    person.District = kLongPlace + QStringLiteral(" район");
    person.City = kLongPlace;
    person.Locality = kLongPlace + QStringLiteral(" поселок");
    person.Street = QStringLiteral("Проектируемый проезд № 4062 имени Героев Панфиловцев");
    person.House = QStringLiteral("124Б");
    person.Building = QStringLiteral("12");
    person.Flat = QStringLiteral("1234");
    person.OKTMO = QStringLiteral("45382000001");
    person.Phone = QStringLiteral("84951234567");

    if (!estimated) {
        RecordList<mTThirteenPercent>& income13 =
            form == DeclarationForm::NonResident ? doc.Income13NR : doc.Income13;
        income13.At(income13.Add()) = thirteenPercentSource();
        if (form == DeclarationForm::NonResident)
            doc.Income13.At(doc.Income13.Add()) = thirteenPercentSource();

        mTThirtyPercent& dividends = doc.Income30.At(doc.Income30.Add());
        dividends.SourceName = kLongOrganisation;
        dividends.SourceINN = QStringLiteral("7707083893");
        dividends.SourceKPP = QStringLiteral("773601001");
        dividends.SourceOKTMO = QStringLiteral("45382000001");
        dividends.IncomeCode30 = mTThirtyPercent::kDividendsCode;
        dividends.TotalIncome = kLargest;
        dividends.TaxableDividends = kLargest;
        dividends.TaxComputed30 = Money::fromRoubles(999'999'999'999);
        dividends.TaxWithheld = Money::fromRoubles(999'999'999'999);

        mTThirtyFivePercent& prizes = doc.Income35.At(doc.Income35.Add());
        prizes.SourceName = kLongOrganisation;
        prizes.SourceINN = QStringLiteral("7707083893");
        prizes.SourceKPP = QStringLiteral("773601001");
        prizes.SourceOKTMO = QStringLiteral("45382000001");
        prizes.IncomeCode35 = 2740;
        prizes.DeductCode35 = 0;
        prizes.TotalIncome = kLargest;
        prizes.TaxWithheld = Money::fromRoubles(999'999'999'999);

        mTCurrencyIncome& abroad = doc.CurrencyIncomes.At(doc.CurrencyIncomes.Add());
        abroad.IncomeTaxRate = 13;
        abroad.CurIncomeCode = 1010;
        abroad.CurSourceName = kLongOrganisation;
        abroad.SourceCountryCode = QStringLiteral("840");
        abroad.IncomeDate = DayCount::fromDate(2013, 12, 28);
        abroad.TaxPayDate = DayCount::fromDate(2013, 12, 28);
        abroad.CurrencyCode = QStringLiteral("840");
        abroad.CurrencyName = QStringLiteral("Доллар США");
        abroad.IncomeExchangeRate = Money::fromUnits(327'292);
        abroad.IncomeUnits = 1;
        abroad.TaxExchangeRate = Money::fromUnits(327'292);
        abroad.TaxUnits = 1;
        abroad.SetIncomeInCurrency(Money::fromKopecks(9'999'999'999'999));
        abroad.SetTaxInCurrency(Money::fromKopecks(999'999'999'999));
        abroad.CurDeductCode = 403;
        abroad.CurDeductSum = kLarge;

        mTStandartDeduct& standard = doc.StandardDeduction;
        standard.PersonalCode = 104;
        standard.Children.SetCount(3);
        for (int month = 1; month <= 12; ++month)
            standard.SetMonthIncome(month, kLargest);

        mTConstructionDeduct& property = doc.PropertyDeduction;
        property.PropertyEnabled = 1;
        property.ObjectKind = 2;
        property.OwnershipKind = 1;
        property.OwnerSign = 1;
        property.ObjPostIndex = QStringLiteral("125363");
        property.ObjRegionCode = QStringLiteral("77");
        property.ObjRegionName = QStringLiteral("Ханты-Мансийский автономный округ - Югра");
        property.ObjDistrict = kLongPlace;
        property.ObjCity = kLongPlace;
        property.ObjLocality = kLongPlace;
        property.ObjStreet = person.Street;
        property.ObjHouse = QStringLiteral("124Б");
        property.ObjBuilding = QStringLiteral("12");
        property.ObjFlat = QStringLiteral("1234");
        property.RightRegDate = DayCount::fromDate(2012, 12, 28);
        property.ActDate = DayCount::fromDate(2012, 12, 28);
        property.StartYearDate = DayCount::fromDate(2012, 1, 1);
        property.ShareNumerator = 1;
        property.ShareDenominator = 1;
        for (Money* amount :
             {&property.CarriedCost, &property.CarriedInterest, &property.PriorYearsDeduction,
              &property.PriorYearsInterest, &property.PriorYearsAgentDeduction,
              &property.PriorYearsAgentInterest, &property.ObjectCost, &property.InterestPaid,
              &property.AgentDeduction, &property.AgentInterest})
            *amount = kLargest;

        mTSocialDeduct& social = doc.SocialDeduction;
        social.SocialEnabled = 1;
        for (Money* amount :
             {&social.CharitySum, &social.SelfEducationSum, &social.MedicalSum,
              &social.ExpensiveMedicalSum, &social.InsuranceSum, &social.PensionContribSum})
            *amount = kLargest;
        social.AddChildEducation(kLargest);
        mTPens& contract = social.GetPens(social.AddPens());
        contract.ContractKind = 1;
        contract.PensOrgName = kLongOrganisation;
        contract.PensINN = QStringLiteral("7707083893");
        contract.PensKPP = QStringLiteral("773601001");
        contract.ContractNumber = QStringLiteral("НПФ-2013/123456789");
        contract.ContractDate = DayCount::fromDate(2013, 1, 28);
        contract.Contribution = kLargest;
        contract.ContributionToDeduct = kLargest;
        contract.AgentDeduction = kLargest;

        doc.SecuritiesDeduction.SecuritiesLoss = kLargest;
        doc.SecuritiesDeduction.DerivativesLoss = kLargest;
    }

    mTBusinessNew& business = doc.Businesses.At(doc.Businesses.Add());
    business.ActivityKind = QStringLiteral("1");
    business.ActivityName = QStringLiteral("01.11.11");
    business.BusinessIncome = kLargest;
    business.ExpensesTotal = Money::fromKopecks(2 * 12'345'678'901'23);
    business.MaterialExpenses = kLarge;
    business.OtherExpenses = kLarge;
    return doc;
}

ScreenTour::ScreenTour(TFormMain& window, ScriptedInteraction& script, QString form, Visit visit)
    : m_window(window), m_script(script), m_form(std::move(form)), m_visit(std::move(visit))
{}

void ScreenTour::run()
{
    m_script.otherDialogs = [this](QDialog& dialog) { return answer(dialog); };
    for (const Section section : SectionFrames::kAll) {
        QAbstractButton* button = m_window.sectionButton(section);
        if (!button->isEnabled())
            continue;
        button->click();
        settle();
        if (m_window.currentSection() != section)
            continue;
        visitFrame(m_form + QLatin1Char('-') + button->objectName(), *m_window.currentFrame());
    }
    m_opener = m_form + QStringLiteral("-About");
    m_window.About();
    m_opener = m_form + QStringLiteral("-TaxResult");
    m_window.ShowTaxResult();
    // The two check questions, with a long message.
    const QString message = QStringLiteral(
        "Общие расходы (24691357802,46) не совпадают с суммой расходов материальных, "
        "на оплату труда, прочих и амортизационных отчислений (12345678901,23)");
    const QString title = QStringLiteral("Доходы от предпринимательской деятельности");
    m_opener = m_form + QStringLiteral("-CheckError");
    TfmCheckError(&m_window).ask(m_script, {title, message, true, true});
    m_opener = m_form + QStringLiteral("-CheckAllError");
    TfmCheckAllError(&m_window).ask(m_script, {title, message});
    m_script.otherDialogs = nullptr;
}

namespace {

// A person looks at an entry of a list: its first one, when none is chosen yet.
void chooseFirstEntries(QWidget& frame)
{
    for (QTreeWidget* list : frame.findChildren<QTreeWidget*>()) {
        if (list->isVisible() && list->currentItem() == nullptr && list->topLevelItemCount() > 0)
            list->setCurrentItem(list->topLevelItem(0));
    }
    settle();
}

} // namespace

void ScreenTour::visitFrame(const QString& name, QWidget& frame)
{
    chooseFirstEntries(frame);
    settle();
    m_visit(name, m_window);
    openDialogs(name, frame);
    // The sub-frames: the checkable buttons along the top of a section.
    QList<QPointer<QToolButton>> subFrames;
    for (QToolButton* button : frame.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->isCheckable() && button->isVisible() && !button->isChecked())
            subFrames.append(button);
    }
    for (const QPointer<QToolButton>& button : subFrames) {
        if (button.isNull() || !button->isEnabled())
            continue;
        button->click();
        settle();
        const QString subName = name + QLatin1Char('-') + button->objectName();
        chooseFirstEntries(frame);
        settle();
        m_visit(subName, m_window);
        openDialogs(subName, frame);
        // A sub-frame of two pages.
        if (auto* next = frame.findChild<QAbstractButton*>(QStringLiteral("bnNext"));
            next != nullptr && next->isVisible() && next->isEnabled()) {
            next->click();
            settle();
            m_visit(subName + QStringLiteral("-bnNext"), m_window);
            if (auto* back = frame.findChild<QAbstractButton*>(QStringLiteral("bnPrev")))
                back->click();
            settle();
        }
    }
}

void ScreenTour::openDialogs(const QString& name, QWidget& screen)
{
    QList<QPointer<QAbstractButton>> openers;
    for (QAbstractButton* button : screen.findChildren<QAbstractButton*>()) {
        // The tax-office import chooses its file in a file dialog, not a screen of ours.
        if (button->objectName() == QStringLiteral("Button4"))
            continue;
        if (button->text() == QStringLiteral("...") || kOpeners.contains(button->objectName()))
            openers.append(button);
    }
    for (const QPointer<QAbstractButton>& button : openers) {
        if (button.isNull() || !button->isVisible() || !button->isEnabled())
            continue;
        m_opener = name + QLatin1Char('-') + button->objectName();
        button->click();
        settle();
        m_opener.clear();
    }
}

int ScreenTour::answer(QDialog& dialog)
{
    const bool unasked = m_opener.isEmpty();
    const QString name = unasked ? m_form + QStringLiteral("-dialog") : m_opener;
    m_opener.clear();
    dialog.show();
    settle();
    if (qobject_cast<TfmCheckError*>(&dialog) != nullptr) {
        auto* message = dialog.findChild<QLabel*>(QStringLiteral("lbMessage"));
        if (unasked && message != nullptr)
            checkMessages.append(message->text());
        m_visit(name + QStringLiteral("-check"), dialog);
        for (const char* skip : {"Button3", "Button2", "Button1"}) {
            auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(skip));
            if (button != nullptr && button->isEnabled()) {
                button->click();
                break;
            }
        }
        dialog.hide();
        return dialog.result();
    }
    m_visit(name, dialog);
    openDialogs(name, dialog);
    dialog.hide();
    return QDialog::Rejected;
}

void settle()
{
    for (int round = 0; round < 5; ++round) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}
