#include "ui/sections/deductions/FrameConstructionDeduct.h"

#include "check/DeductionRules.h"
#include "check/SectionCheckRun.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/widgets/AddressFields.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/CodeField.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QDate kFirstDate(1990, 1, 1);
constexpr int kFirstStartYear = 1992;

// A date of the record as its field shows it: a date before the first one the field takes (a
// date never entered is day 0) shows the first one.
QDate shownDate(double dayCount)
{
    const QDate date = DayCount::toDate(dayCount);
    return date.isValid() && date >= kFirstDate ? date : kFirstDate;
}

int yearOf(double dayCount)
{
    return DayCount::toDate(dayCount).year();
}

} // namespace

TfrConstructionDeduct::TfrConstructionDeduct(QWidget* parent, FrameHost& host)
    : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrConstructionDeduct"));
    m_loading = true;
    m_claim = new QCheckBox(QStringLiteral("Предоставить имущественный налоговый вычет"), this);
    m_claim->setObjectName(QStringLiteral("chbGrantingDeduct"));
    // The way from one page to the other stands at the top right, as a tab would.
    m_bnNext = new QPushButton(QStringLiteral("Перейти к вводу сумм"), this);
    m_bnNext->setObjectName(QStringLiteral("bnNext"));
    m_bnPrev = new QPushButton(QStringLiteral("Вернуться к сведениям об объекте"), this);
    m_bnPrev->setObjectName(QStringLiteral("bnPrev"));
    m_claimed.append({m_bnNext, m_bnPrev});
    m_objectPage = buildObjectPage();
    m_sumsPage = buildSumsPage();
    m_sumsPage->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(m_claim);
    top->addStretch();
    top->addWidget(m_bnNext);
    top->addWidget(m_bnPrev);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_objectPage);
    layout->addWidget(m_sumsPage);
    layout->addStretch();
    connectControls();
    loadFromDocument();
    m_loading = false;
}

QString TfrConstructionDeduct::sectionName()
{
    return QStringLiteral("Имущественный налоговый вычет");
}

QGroupBox* TfrConstructionDeduct::buildObjectPage()
{
    auto* page = new QGroupBox(QStringLiteral(" Сведения об объекте"), this);
    page->setObjectName(QStringLiteral("gbObject"));
    buildObjectKind(page);
    QWidget* ownership = buildOwnership(page);
    buildAddress(page);
    QWidget* dates = buildDates(page);
    QLayout* startAndShare = buildStartAndShare(page);

    FormGrid grid(page);
    grid.wide(m_chbPensioner);
    auto* way = new QHBoxLayout;
    auto* wayCaption = new QLabel(QStringLiteral("Способ приобретения"), page);
    way->addWidget(wayCaption);
    way->addWidget(m_rbInvestment);
    way->addWidget(m_rbPurchase);
    way->addStretch();
    grid.wide(way);
    using Span = FormGrid::Span;
    QList<QLabel*> captions =
        grid.row({{QStringLiteral("Наименование объекта"), m_cbObjectName, Span::ToRightEdge}});
    grid.wide(ownership);
    captions += grid.row({{QStringLiteral("Почтовый индекс"), m_mePostcode},
                          {QStringLiteral("Код субъекта РФ"), m_region, Span::ToRightEdge}});
    captions +=
        grid.row({{QStringLiteral("Район"), m_meDistrict}, {QStringLiteral("Город"), m_meCity}});
    captions += grid.row({{QStringLiteral("Населенный пункт"), m_meLocality},
                          {QStringLiteral("Улица"), m_meStreet}});
    auto* house = new QHBoxLayout;
    for (auto [caption, field] : {std::pair{QStringLiteral("Дом"), m_meHouse},
                                  std::pair{QStringLiteral("Корпус"), m_meBuilding},
                                  std::pair{QStringLiteral("Квартира"), m_meFlat}}) {
        captions.append(EntryFields::caption(page, field, caption));
        house->addWidget(captions.constLast());
        house->addWidget(field);
    }
    house->addStretch();
    grid.wide(house);
    grid.wide(dates);
    grid.wide(startAndShare);
    for (QLabel* caption : std::as_const(captions))
        m_claimed.append(caption);
    m_claimed.append({m_chbPensioner, wayCaption, m_rbInvestment, m_rbPurchase, m_cbObjectName,
                      m_mePostcode, m_region, m_meDistrict, m_meCity, m_meLocality, m_meStreet,
                      m_meHouse, m_meBuilding, m_meFlat});
    return page;
}

void TfrConstructionDeduct::buildObjectKind(QGroupBox* page)
{
    m_chbPensioner = new QCheckBox(QStringLiteral("Являюсь пенсионером"), page);
    m_chbPensioner->setObjectName(QStringLiteral("chbPensioner"));
    m_rbInvestment = new QRadioButton(QStringLiteral("инвестирование"), page);
    m_rbInvestment->setObjectName(QStringLiteral("rbInvest"));
    m_rbPurchase = new QRadioButton(QStringLiteral("договор купли-продажи"), page);
    m_rbPurchase->setObjectName(QStringLiteral("rbBay"));
    m_rbPurchase->setToolTip(QStringLiteral("а также самостоятельное строительство"));
    auto* way = new QButtonGroup(this);
    way->addButton(m_rbInvestment);
    way->addButton(m_rbPurchase);
    m_rbPurchase->setChecked(true);
    m_cbObjectName = new QComboBox(page);
    m_cbObjectName->setObjectName(QStringLiteral("cbObjectNaim"));
    fillObjectList(false);
}

// The kind of ownership and the taxpayer's sign side by side, each under its caption: beside
// them, the captions would make the page too wide.
QWidget* TfrConstructionDeduct::buildOwnership(QGroupBox* page)
{
    auto* ownership = new QWidget(page);
    m_cbOwnership = new QComboBox(ownership);
    m_cbOwnership->setObjectName(QStringLiteral("cbVidSob"));
    m_cbOwnership->addItems({QStringLiteral("Собственность"),
                             QStringLiteral("Собственность общая долевая"),
                             QStringLiteral("Собственность общая совместная")});
    m_cbOwnership->setCurrentIndex(-1);
    m_cbOwnerSign = new QComboBox(ownership);
    m_cbOwnerSign->setObjectName(QStringLiteral("cbPrizNal"));
    m_cbOwnerSign->addItems(
        {QStringLiteral("Собственник объекта"), QStringLiteral("Супруг(а) собственника объекта")});
    m_cbOwnerSign->setCurrentIndex(-1);
    auto* grid = new QGridLayout(ownership);
    grid->setContentsMargins(0, 0, 0, 0);
    QLabel* ownershipCaption =
        EntryFields::caption(ownership, m_cbOwnership, QStringLiteral("Вид собственности"));
    QLabel* signCaption =
        EntryFields::caption(ownership, m_cbOwnerSign, QStringLiteral("Признак налогоплательщика"));
    grid->addWidget(ownershipCaption, 0, 0);
    grid->addWidget(signCaption, 0, 1);
    grid->addWidget(m_cbOwnership, 1, 0);
    grid->addWidget(m_cbOwnerSign, 1, 1);
    m_claimed.append({ownershipCaption, signCaption, m_cbOwnership, m_cbOwnerSign});
    return ownership;
}

void TfrConstructionDeduct::buildAddress(QGroupBox* page)
{
    m_mePostcode = EntryFields::digits(page, QStringLiteral("mePostIndex"), Digits::Postcode);
    m_region = new CodeField(page, "pnlRegion", Shows::Code, "bnRegion",
                             QStringLiteral("Выбрать код субъекта РФ"));
    const AddressFields address(page);
    m_meDistrict = address.district;
    m_meCity = address.city;
    m_meLocality = address.locality;
    m_meStreet = address.street;
    m_meHouse = address.house;
    m_meBuilding = address.building;
    m_meFlat = address.flat;
}

// The four dates, each after its caption: the two dates of registration under their common
// head. The captions are long, so the dates have a grid of their own.
QWidget* TfrConstructionDeduct::buildDates(QGroupBox* page)
{
    auto* dates = new QWidget(page);
    m_dtRightRegistration = new DateField(dates, QStringLiteral("dtpRegRightDate"));
    m_dtRightRegistration->setToolTip(
        QStringLiteral("указывается при приобретении по договору купли-продажи"));
    m_dtLandRegistration = new DateField(dates, QStringLiteral("dtpRegZemDate"));
    m_dtTransferAct = new DateField(dates, QStringLiteral("dtpBayDate"));
    m_dtTransferAct->setToolTip(
        QStringLiteral("указывается при приобретении по договору инвестирования"));
    m_dtApplication = new DateField(dates, QStringLiteral("dtpAppDate"));
    for (DateField* date :
         {m_dtRightRegistration, m_dtLandRegistration, m_dtTransferAct, m_dtApplication})
        date->setMinimumDate(kFirstDate);

    const QString registration = QStringLiteral("Дата регистрации права собственности");
    auto* head = new QLabel(registration, dates);
    FormGrid grid(dates);
    grid.layout()->setContentsMargins(0, 0, 0, 0);
    grid.wide(head);
    // The two registrations side by side on a row of their own, the first caption in two lines
    // so that the row fits the page.
    QList<QLabel*> captions;
    auto* registrations = new QHBoxLayout;
    for (auto [caption, date] :
         {std::pair{QStringLiteral("на жилой дом,\nквартиру, комнату"), m_dtRightRegistration},
          std::pair{QStringLiteral("на земельный участок"), m_dtLandRegistration}}) {
        captions.append(EntryFields::caption(dates, date, caption));
        registrations->addWidget(captions.constLast());
        registrations->addWidget(date);
        // Each is named with the head over both.
        date->setAccessibleName(registration + QLatin1Char(' ') +
                                QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    registrations->addStretch();
    grid.wide(registrations);
    captions += grid.row({{QStringLiteral("Дата акта о передаче квартиры, комнаты или доли в них"),
                           m_dtTransferAct, FormGrid::Span::ToRightEdge}});
    captions += grid.row({{QStringLiteral("Дата заявления о распределении имущественного вычета"),
                           m_dtApplication, FormGrid::Span::ToRightEdge}});
    captions.append(head);
    for (QLabel* caption : std::as_const(captions))
        m_claimed.append(caption);
    return dates;
}

QLayout* TfrConstructionDeduct::buildStartAndShare(QGroupBox* page)
{
    // The year is set with the arrows, or with the Up and Down keys in it.
    m_meStartYear =
        EntryFields::digits(page, QStringLiteral("meBeginningUsePrivilegeDate"), Digits::Year);
    m_meStartYear->setReadOnly(true);
    m_meStartYear->setToolTip(QStringLiteral("Год меняется стрелками"));
    m_startYearArrows =
        new TUpDown(page, QStringLiteral("updBeginningUsePrivilegeDate"), kFirstStartYear, 2013);
    m_startYearArrows->setBuddy(m_meStartYear);
    m_meShareNumerator = EntryFields::digits(page, QStringLiteral("meDol1"), Digits::SharePart);
    m_meShareDenominator = EntryFields::digits(page, QStringLiteral("meDol2"), Digits::SharePart);
    m_meShareNumerator->setAccessibleName(QStringLiteral("Доля, числитель"));
    m_meShareDenominator->setAccessibleName(QStringLiteral("Доля, знаменатель"));

    auto* row = new QHBoxLayout;
    QLabel* startCaption = EntryFields::caption(page, m_meStartYear,
                                                QStringLiteral("Год начала использования вычета"));
    QLabel* shareCaption = EntryFields::caption(page, m_meShareNumerator, QStringLiteral("Доля"));
    auto* slash = new QLabel(QStringLiteral("/"), page);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             startCaption, m_meStartYear, m_startYearArrows, shareCaption, m_meShareNumerator,
             slash, m_meShareDenominator})
        row->addWidget(widget);
    row->addStretch();
    m_claimed.append({startCaption, m_meStartYear, m_startYearArrows, shareCaption,
                      m_meShareNumerator, slash, m_meShareDenominator});
    return row;
}

QGroupBox* TfrConstructionDeduct::buildSumsPage()
{
    auto* page = new QGroupBox(QStringLiteral(" Расчет имущественного вычета"), this);
    page->setObjectName(QStringLiteral("gbSums"));
    QGroupBox* costs = buildSumsGroup(page, false);
    QGroupBox* interest = buildSumsGroup(page, true);
    // The two groups one over the other: side by side their captions would not fit.
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(costs);
    layout->addWidget(interest);
    return page;
}

// The costs of the object, or the interest on its loans: the total, and what was carried over,
// used in earlier years and used at the employer.
QGroupBox* TfrConstructionDeduct::buildSumsGroup(QGroupBox* page, bool interest)
{
    auto* box = new QGroupBox(interest ? QStringLiteral("Расходы по погашению кредитов")
                                       : QStringLiteral("Расходы по покупке (строительству) жилья"),
                              page);
    const char* const names[8] = {
        "meTransferringChargeSum", "mePostYears",   "mePostYearsNA",   "meVychNA",
        "meTransferringCreditSum", "mePostYearsIp", "mePostYearsIpNA", "meVychIpNA"};
    AmountField*& total = interest ? m_meInterestPaid : m_meObjectCost;
    total = new AmountField(box, interest ? QStringLiteral("meobschip") : QStringLiteral("meObsch"),
                            Amount::PropertyKopecks);
    const int first = interest ? CarriedInterest : CarriedCost;
    for (int index = 0; index < 4; ++index)
        m_sums[size_t(first + index)] = new AmountField(
            box, QString::fromLatin1(names[first + index]), Amount::PropertyKopecks);
    const QString agentHint = QStringLiteral("т.е. у работодателя");
    m_sums[size_t(first + 2)]->setToolTip(agentHint);
    m_sums[size_t(first + 3)]->setToolTip(agentHint);

    FormGrid grid(box);
    QList<QLabel*> captions =
        grid.row({{interest ? QStringLiteral("Проценты по кредитам за все годы")
                            : QStringLiteral("Стоимость объекта (доли)"),
                   total}});
    captions +=
        grid.row({{QStringLiteral("Сумма, перешедшая с предыдущего года"), m_sums[size_t(first)]}});
    captions += grid.row(
        {{QStringLiteral("Вычет по предыдущим годам по декларации"), m_sums[size_t(first + 1)]}});
    captions += grid.row(
        {{QStringLiteral("Вычет по пред. годам у налогового агента"), m_sums[size_t(first + 2)]}});
    captions += grid.row(
        {{QStringLiteral("Вычет у налогового агента в отчетном году"), m_sums[size_t(first + 3)]}});
    captions.at(3)->setToolTip(agentHint);
    captions.at(4)->setToolTip(agentHint);
    // The interest repeats the captions of the costs: a screen reader tells which it is.
    if (interest) {
        for (int index = 0; index < 4; ++index)
            m_sums[size_t(first + index)]->setAccessibleName(
                captions.at(index + 1)->text() + QStringLiteral(", проценты по кредитам"));
    }
    for (QLabel* caption : std::as_const(captions))
        m_claimed.append(caption);
    m_claimed.append(total);
    for (int index = 0; index < 4; ++index)
        m_claimed.append(m_sums[size_t(first + index)]);
    return box;
}

void TfrConstructionDeduct::connectControls()
{
    connect(m_claim, &QCheckBox::toggled, this, &TfrConstructionDeduct::claimToggled);
    connect(m_rbInvestment, &QRadioButton::clicked, this, [this] { wayChosen(true, true); });
    connect(m_rbPurchase, &QRadioButton::clicked, this, [this] { wayChosen(false, true); });
    for (QComboBox* list : {m_cbObjectName, m_cbOwnership, m_cbOwnerSign})
        connect(list, &QComboBox::currentIndexChanged, this,
                &TfrConstructionDeduct::applyDateRules);
    connect(m_chbPensioner, &QCheckBox::toggled, this, &TfrConstructionDeduct::applyDateLimits);
    for (DateField* date :
         {m_dtRightRegistration, m_dtLandRegistration, m_dtTransferAct, m_dtApplication})
        connect(date, &DateField::dateChanged, this, &TfrConstructionDeduct::notify);
    connect(m_region, &CodeField::pickRequested, this, &TfrConstructionDeduct::pickRegion);
    connect(m_bnNext, &QPushButton::clicked, this, [this] { showSums(true); });
    connect(m_bnPrev, &QPushButton::clicked, this, [this] { showSums(false); });
}

void TfrConstructionDeduct::fillObjectList(bool investment)
{
    int position = m_cbObjectName->currentIndex();
    QStringList items = {QStringLiteral("Жилой дом"), QStringLiteral("Квартира"),
                         QStringLiteral("Комната"),
                         QStringLiteral("Доля в доме, квартире, комнате")};
    if (!investment) {
        items << QStringLiteral("Земельный участок под строительство")
              << QStringLiteral("Земельный участок с приобретенным домом")
              << QStringLiteral("Дом с земельным участком")
              << (m_purchaseChosen ? QStringLiteral("Доля в земле")
                                   : QStringLiteral("Доля в доме, земле"));
    }
    if (position >= items.size())
        position = -1;
    const QSignalBlocker blocker(m_cbObjectName);
    m_cbObjectName->clear();
    m_cbObjectName->addItems(items);
    m_cbObjectName->setCurrentIndex(position);
}

void TfrConstructionDeduct::loadFromDocument()
{
    const mTDeclaration& doc = document();
    const mTConstructionDeduct& record = doc.PropertyDeduction;
    applyDateLimits();
    m_claim->setChecked(record.PropertyEnabled != 0);
    claimToggled(record.PropertyEnabled != 0);
    if (record.PropertyEnabled != 0) {
        m_cbObjectName->setCurrentIndex(record.ObjectKind - 1);
        m_cbOwnership->setCurrentIndex(record.OwnershipKind - 1);
        m_cbOwnerSign->setCurrentIndex(record.OwnerSign - 1);
        m_chbPensioner->setChecked(doc.Pensioner != 0);
        m_mePostcode->setText(record.ObjPostIndex);
        m_meStreet->setText(record.ObjStreet);
        m_meLocality->setText(record.ObjLocality);
        m_meCity->setText(record.ObjCity);
        m_meDistrict->setText(record.ObjDistrict);
        m_meHouse->setText(record.ObjHouse);
        m_meBuilding->setText(record.ObjBuilding);
        m_meFlat->setText(record.ObjFlat);
        m_region->setText(record.ObjRegionCode.isEmpty() ? QStringLiteral("0")
                                                         : record.ObjRegionCode);
        m_regionName = record.ObjRegionName;
        m_dtRightRegistration->setDate(shownDate(record.RightRegDate));
        m_dtLandRegistration->setDate(shownDate(record.LandRegDate));
        m_dtTransferAct->setDate(shownDate(record.ActDate));
        m_dtApplication->setDate(shownDate(record.ApplicationDate));
        m_meStartYear->setText(QString::number(
            std::clamp(yearOf(record.StartYearDate), kFirstStartYear, yearLimit())));
        m_share = record.Share;
        m_meShareNumerator->setText(QString::number(record.ShareNumerator));
        m_meShareDenominator->setText(QString::number(record.ShareDenominator));
        m_meObjectCost->setValue(record.ObjectCost);
        m_meInterestPaid->setValue(record.InterestPaid);
        loadSums(record);
        (record.ByInvestment != 0 ? m_rbInvestment : m_rbPurchase)->setChecked(true);
        wayChosen(record.ByInvestment != 0, false);
    } else {
        for (DateField* date :
             {m_dtRightRegistration, m_dtLandRegistration, m_dtTransferAct, m_dtApplication})
            date->setDate(kFirstDate);
    }
    showSums(false);
}

void TfrConstructionDeduct::loadSums(const mTConstructionDeduct& record)
{
    const Money sums[8] = {record.CarriedCost,
                           record.PriorYearsDeduction,
                           record.PriorYearsAgentDeduction,
                           record.AgentDeduction,
                           record.CarriedInterest,
                           record.PriorYearsInterest,
                           record.PriorYearsAgentInterest,
                           record.AgentInterest};
    for (size_t index = 0; index < 8; ++index)
        m_sums[index]->setValue(sums[index]);
}

void TfrConstructionDeduct::claimToggled(bool claimed)
{
    for (QWidget* widget : std::as_const(m_claimed))
        widget->setEnabled(claimed);
    const QString grey = claimed ? QString() : QStringLiteral("QGroupBox { color: silver; }");
    m_objectPage->setStyleSheet(grey);
    m_sumsPage->setStyleSheet(grey);
    applyDateRules();
    notify();
}

void TfrConstructionDeduct::wayChosen(bool investment, bool byUser)
{
    if (byUser && !investment)
        m_purchaseChosen = true;
    fillObjectList(investment);
    applyDateRules();
    if (byUser)
        notify();
}

void TfrConstructionDeduct::applyDateRules()
{
    const bool claimed = m_claim->isChecked();
    const bool purchase = m_rbPurchase->isChecked();
    const int object = m_cbObjectName->currentIndex() + 1;
    const int ownership = m_cbOwnership->currentIndex() + 1;
    const int sign = m_cbOwnerSign->currentIndex() + 1;
    m_dtRightRegistration->setEnabled(claimed && purchase);
    m_dtLandRegistration->setEnabled(claimed && purchase && object >= 5 && object <= 8);
    m_dtTransferAct->setEnabled(claimed && !purchase);
    m_dtApplication->setEnabled(claimed && (ownership == 3 || (ownership == 1 && sign == 2)));
}

int TfrConstructionDeduct::yearLimit() const
{
    const int year = document().TaxYear == 2013 ? 2013 : 2014;
    return m_chbPensioner->isChecked() ? year + 3 : year;
}

void TfrConstructionDeduct::applyDateLimits()
{
    const int limit = yearLimit();
    const QDate last(limit, 12, 31);
    for (DateField* date :
         {m_dtRightRegistration, m_dtLandRegistration, m_dtTransferAct, m_dtApplication})
        date->setMaximumDate(last);
    m_startYearArrows->setRange(kFirstStartYear, limit);
    // An empty year starts from the tax year.
    m_startYearArrows->setEmptyValue(document().TaxYear == 2013 ? 2013 : 2014);
    if (!m_meStartYear->text().isEmpty() && startYear() > limit)
        m_meStartYear->setText(QString::number(limit));
}

int TfrConstructionDeduct::startYear() const
{
    return m_meStartYear->text().toInt();
}

void TfrConstructionDeduct::pickRegion(const QString& search)
{
    TfmRegionName picker(this, FixedTables::Regions());
    picker.PreselectRegion(m_region->text().toInt());
    picker.setSearchText(search);
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    const QString code = picker.chosenCode().rightJustified(2, QLatin1Char('0'));
    if (code == m_region->text())
        return;
    m_region->setText(code);
    m_regionName = picker.chosenName();
    notify();
}

void TfrConstructionDeduct::showSums(bool sums)
{
    m_objectPage->setVisible(!sums);
    m_bnNext->setVisible(!sums);
    m_sumsPage->setVisible(sums);
    m_bnPrev->setVisible(sums);
}

void TfrConstructionDeduct::notify()
{
    if (!m_loading)
        host().NotifyDocumentChanged();
}

void TfrConstructionDeduct::StoreData()
{
    mTDeclaration& doc = document();
    mTConstructionDeduct& record = doc.PropertyDeduction;
    record.PropertyEnabled = m_claim->isChecked() ? 1 : 0;
    if (record.PropertyEnabled != 0) {
        doc.Pensioner = m_chbPensioner->isChecked() ? 1 : 0;
        record.ObjectKind = m_cbObjectName->currentIndex() + 1;
        record.OwnershipKind = m_cbOwnership->currentIndex() + 1;
        record.OwnerSign = m_cbOwnerSign->currentIndex() + 1;
        record.ObjPostIndex = m_mePostcode->text();
        record.ObjRegionCode = m_region->text();
        record.ObjDistrict = m_meDistrict->text();
        record.ObjCity = m_meCity->text();
        record.ObjLocality = m_meLocality->text();
        record.ObjStreet = m_meStreet->text();
        record.ObjHouse = m_meHouse->text();
        record.ObjBuilding = m_meBuilding->text();
        record.ObjFlat = m_meFlat->text();
        record.ObjRegionName = m_regionName;
        record.LandRegDate = DayCount::fromDate(m_dtLandRegistration->date());
        record.RightRegDate = DayCount::fromDate(m_dtRightRegistration->date());
        record.ActDate = DayCount::fromDate(m_dtTransferAct->date());
        record.ApplicationDate = DayCount::fromDate(m_dtApplication->date());
        record.ByInvestment = m_rbInvestment->isChecked() ? 1 : 0;
        const int year = m_meStartYear->text().isEmpty() ? 1997 : startYear();
        record.StartYearDate = DayCount::fromDate(year, 1, 1);
        // No share, or one above the whole, is the whole.
        record.Share =
            m_share.isZero() || m_share > Money::fromRoubles(1) ? Money::fromRoubles(1) : m_share;
        const auto shareNumber = [](const QLineEdit* field) {
            const int value = EntryFields::number(field);
            return value == 0 ? 1 : value;
        };
        record.ShareNumerator = shareNumber(m_meShareNumerator);
        record.ShareDenominator = shareNumber(m_meShareDenominator);
        if (record.ShareDenominator < record.ShareNumerator)
            record.ShareNumerator = record.ShareDenominator;
        record.ObjectCost = m_meObjectCost->valueOrZero();
        record.InterestPaid = m_meInterestPaid->valueOrZero();
    }
    record.CarriedCost = m_sums[CarriedCost]->valueOrZero();
    record.PriorYearsDeduction = m_sums[PriorCost]->valueOrZero();
    record.PriorYearsAgentDeduction = m_sums[PriorAgentCost]->valueOrZero();
    record.AgentDeduction = m_sums[AgentCost]->valueOrZero();
    record.CarriedInterest = m_sums[CarriedInterest]->valueOrZero();
    record.PriorYearsInterest = m_sums[PriorInterest]->valueOrZero();
    record.PriorYearsAgentInterest = m_sums[PriorAgentInterest]->valueOrZero();
    record.AgentInterest = m_sums[AgentInterest]->valueOrZero();
}

quint16 TfrConstructionDeduct::CheckData()
{
    WindowCheckAnswerer answerer(host().interaction(), this);
    SectionCheckRun run(answerer, sectionName());
    run.failFirst(PropertyFailures(document(), CheckScope::Section));
    return run.result();
}

void TfrConstructionDeduct::FocusError(quint16 code)
{
    QWidget* field = nullptr;
    switch (code) {
    case PropertyField::ObjectKind:
        field = m_cbObjectName;
        break;
    case PropertyField::PostIndex:
        field = m_mePostcode;
        break;
    case PropertyField::RightRegistrationDate:
        field = m_dtRightRegistration;
        break;
    case PropertyField::StartYear:
        field = m_meStartYear;
        break;
    case PropertyField::OwnershipKind:
        field = m_cbOwnership;
        break;
    case PropertyField::OwnerSign:
        field = m_cbOwnerSign;
        break;
    case PropertyField::Region:
        showSums(false);
        m_region->pick();
        return;
    case PropertyField::CarriedCost:
        field = m_sums[CarriedCost];
        break;
    case PropertyField::CarriedInterest:
        field = m_sums[CarriedInterest];
        break;
    case PropertyField::PriorCost:
        field = m_sums[PriorCost];
        break;
    case PropertyField::PriorInterest:
        field = m_sums[PriorInterest];
        break;
    default:
        return;
    }
    showSums(m_sumsPage->isAncestorOf(field));
    field->setFocus(Qt::OtherFocusReason);
}
