#include "ui/sections/deductions/FrameConstructionDeduct.h"

#include "check/DeductionRules.h"
#include "check/SectionCheckRun.h"
#include "directories/FixedTables.h"
#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/WindowCheckAnswerer.h"
#include "ui/pickers/ListPicker.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
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

QDateEdit* datePicker(QWidget* parent, const char* name)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(kFirstDate);
    return picker;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

void setDate(QDateEdit* picker, double dayCount)
{
    const QDate date = DayCount::toDate(dayCount);
    picker->setDate(date.isValid() ? date : kFirstDate);
}

double dateOf(const QDateEdit* picker)
{
    return DayCount::fromDate(picker->date());
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
    buildControls();
    loadFromDocument();
    m_loading = false;
}

QString TfrConstructionDeduct::sectionName()
{
    return QStringLiteral("Имущественный налоговый вычет");
}

void TfrConstructionDeduct::buildControls()
{
    m_chbGrantingDeduct =
        new QCheckBox(QStringLiteral("Предоставить имущественный налоговый вычет"), this);
    m_chbGrantingDeduct->setObjectName(QStringLiteral("chbGrantingDeduct"));
    m_objectPage = buildObjectPage();
    m_sumsPage = buildSumsPage();
    m_sumsPage->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_chbGrantingDeduct);
    layout->addWidget(m_objectPage);
    layout->addWidget(m_sumsPage);
    layout->addStretch();

    connect(m_chbGrantingDeduct, &QCheckBox::toggled, this, &TfrConstructionDeduct::claimToggled);
    connect(m_rbInvest, &QRadioButton::clicked, this, [this] { wayChosen(true, true); });
    connect(m_rbBay, &QRadioButton::clicked, this, [this] { wayChosen(false, true); });
    connect(m_cbObjectNaim, &QComboBox::currentIndexChanged, this,
            &TfrConstructionDeduct::applyDateRules);
    connect(m_cbVidSob, &QComboBox::currentIndexChanged, this,
            &TfrConstructionDeduct::applyDateRules);
    connect(m_cbPrizNal, &QComboBox::currentIndexChanged, this,
            &TfrConstructionDeduct::applyDateRules);
    connect(m_chbPensioner, &QCheckBox::toggled, this, &TfrConstructionDeduct::applyDateLimits);
    for (QDateEdit* picker : {m_dtpRegRightDate, m_dtpRegZemDate, m_dtpBayDate, m_dtpAppDate})
        connect(picker, &QDateEdit::dateChanged, this, &TfrConstructionDeduct::notify);
    connect(m_bnRegion, &QPushButton::clicked, this, &TfrConstructionDeduct::pickRegion);
    connect(m_bnNext, &QPushButton::clicked, this, [this] { showSums(true); });
    connect(m_bnPrev, &QPushButton::clicked, this, [this] { showSums(false); });
    connect(m_mePart, &QLineEdit::textChanged, this, [this] {
        if (EntryFields::amountOrZero(m_mePart) > Money::fromRoubles(1))
            m_mePart->setText(QStringLiteral("1"));
    });
}

QGroupBox* TfrConstructionDeduct::buildObjectPage()
{
    auto* page = new QGroupBox(QStringLiteral(" Сведения об объекте"), this);
    page->setObjectName(QStringLiteral("gbObject"));

    m_chbPensioner = new QCheckBox(QStringLiteral("Являюсь пенсионером"), page);
    m_chbPensioner->setObjectName(QStringLiteral("chbPensioner"));
    auto* wayLabel = new QLabel(QStringLiteral("Способ приобретения"), page);
    m_rbInvest = new QRadioButton(QStringLiteral("инвестирование"), page);
    m_rbInvest->setObjectName(QStringLiteral("rbInvest"));
    m_rbBay = new QRadioButton(QStringLiteral("договор купли-продажи"), page);
    m_rbBay->setObjectName(QStringLiteral("rbBay"));
    m_rbBay->setToolTip(QStringLiteral("а также самостоятельное строительство"));
    auto* way = new QButtonGroup(this);
    way->addButton(m_rbInvest);
    way->addButton(m_rbBay);
    m_rbBay->setChecked(true);

    m_cbObjectNaim = comboBox(page, "cbObjectNaim", {});
    fillObjectList(false);
    m_cbVidSob =
        comboBox(page, "cbVidSob",
                 {QStringLiteral("Собственность"), QStringLiteral("Собственность общая долевая"),
                  QStringLiteral("Собственность общая совместная")});
    m_cbPrizNal = comboBox(
        page, "cbPrizNal",
        {QStringLiteral("Собственник объекта"), QStringLiteral("Супруг(а) собственника объекта")});

    m_mePostIndex = EntryFields::digits(page, QStringLiteral("mePostIndex"), 6);
    m_pnlRegion = new QLabel(QStringLiteral("0"), page);
    m_pnlRegion->setObjectName(QStringLiteral("pnlRegion"));
    m_pnlRegion->setFrameShape(QFrame::Panel);
    m_pnlRegion->setFrameShadow(QFrame::Sunken);
    m_pnlRegion->setMinimumWidth(40);
    m_bnRegion = EntryFields::pickerButton(page, "bnRegion");
    EntryFields::addressLines(page, {&m_meDistrict, &m_meCity, &m_meArea, &m_meStreet, &m_meHouse,
                                     &m_meBuilding, &m_meFlat});

    m_dtpRegRightDate = datePicker(page, "dtpRegRightDate");
    m_dtpRegRightDate->setToolTip(
        QStringLiteral("указывается при приобретении по договору купли-продажи"));
    m_dtpRegZemDate = datePicker(page, "dtpRegZemDate");
    m_dtpBayDate = datePicker(page, "dtpBayDate");
    m_dtpBayDate->setToolTip(
        QStringLiteral("указывается при приобретении по договору инвестирования"));
    m_dtpAppDate = datePicker(page, "dtpAppDate");

    // The year is set with the arrows only.
    m_meBeginningUsePrivilegeDate =
        EntryFields::panel(page, "meBeginningUsePrivilegeDate", Qt::AlignLeft);
    m_meBeginningUsePrivilegeDate->setFixedWidth(60);
    m_updBeginningUsePrivilegeDate =
        new TUpDown(page, QStringLiteral("updBeginningUsePrivilegeDate"), kFirstStartYear, 2013);
    m_updBeginningUsePrivilegeDate->setBuddy(m_meBeginningUsePrivilegeDate);

    m_mePart = EntryFields::amount(page, QStringLiteral("mePart"), 1);
    m_mePart->hide();
    m_meDol1 = EntryFields::digits(page, QStringLiteral("meDol1"), 6);
    m_meDol2 = EntryFields::digits(page, QStringLiteral("meDol2"), 6);
    m_meDol1->setFixedWidth(70);
    m_meDol2->setFixedWidth(70);

    // Narrow margins and spacing: the page fills the window at its standard size.
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(9, 4, 9, 4);
    grid->setVerticalSpacing(3);
    int line = 0;
    grid->addWidget(m_chbPensioner, line++, 0, 1, 4);
    auto* wayRow = new QHBoxLayout;
    wayRow->setSpacing(EntryFields::kRowSpacing);
    wayRow->addWidget(wayLabel);
    wayRow->addWidget(m_rbInvest);
    wayRow->addWidget(m_rbBay);
    wayRow->addStretch();
    grid->addLayout(wayRow, line++, 0, 1, 4);
    const auto labelled = [&](const QString& caption, QWidget* field, int column) {
        auto* label = new QLabel(caption, page);
        label->setWordWrap(true);
        m_claimed.append(label);
        grid->addWidget(label, line, column);
        grid->addWidget(field, line, column + 1);
    };
    // A caption over its field, in the left or the right half, for the fields whose caption or
    // longest value needs the width of a half. A long caption is broken into lines that fit a
    // half, so that the page's minimum height counts them.
    const auto captionOver = [&](const QString& caption, QWidget* field, int column) {
        auto* label = new QLabel(caption, page);
        m_claimed.append(label);
        grid->addWidget(label, line, column, 1, 2);
        grid->addWidget(field, line + 1, column, 1, 2, Qt::AlignLeft);
    };
    // The name of the object takes the rest of the row: its longest item needs it.
    auto* objectLabel = new QLabel(QStringLiteral("Наименование объекта"), page);
    m_claimed.append(objectLabel);
    grid->addWidget(objectLabel, line, 0);
    grid->addWidget(m_cbObjectNaim, line++, 1, 1, 3);
    captionOver(QStringLiteral("Вид собственности"), m_cbVidSob, 0);
    captionOver(QStringLiteral("Признак налогоплательщика"), m_cbPrizNal, 2);
    line += 2;
    labelled(QStringLiteral("Почтовый индекс"), m_mePostIndex, 0);
    auto* region = new QHBoxLayout;
    region->setSpacing(EntryFields::kRowSpacing);
    region->addWidget(m_pnlRegion);
    region->addWidget(m_bnRegion);
    region->addStretch();
    auto* regionLabel = new QLabel(QStringLiteral("Код субъекта РФ"), page);
    m_claimed.append(regionLabel);
    grid->addWidget(regionLabel, line, 2);
    grid->addLayout(region, line++, 3);
    labelled(QStringLiteral("Район"), m_meDistrict, 0);
    labelled(QStringLiteral("Город"), m_meCity, 2);
    ++line;
    labelled(QStringLiteral("Населенный пункт"), m_meArea, 0);
    labelled(QStringLiteral("Улица"), m_meStreet, 2);
    ++line;
    auto* house = new QHBoxLayout;
    house->setSpacing(EntryFields::kRowSpacing);
    for (auto [caption, field] : {std::pair{QStringLiteral("Дом"), m_meHouse},
                                  std::pair{QStringLiteral("Корпус"), m_meBuilding},
                                  std::pair{QStringLiteral("Квартира"), m_meFlat}}) {
        auto* label = new QLabel(caption, page);
        m_claimed.append(label);
        house->addWidget(label);
        house->addWidget(field);
    }
    grid->addLayout(house, line++, 0, 1, 4);
    captionOver(QStringLiteral("Дата регистрации права собственности\nна жилой дом, квартиру, "
                               "комнату"),
                m_dtpRegRightDate, 0);
    captionOver(QStringLiteral("на земельный участок"), m_dtpRegZemDate, 2);
    line += 2;
    captionOver(QStringLiteral("Дата акта о передаче квартиры,\nкомнаты или доли в них"),
                m_dtpBayDate, 0);
    captionOver(QStringLiteral("Дата заявления о распределении\nимущественного вычета"),
                m_dtpAppDate, 2);
    line += 2;
    auto* start = new QHBoxLayout;
    start->setSpacing(EntryFields::kRowSpacing);
    start->addWidget(m_meBeginningUsePrivilegeDate);
    start->addWidget(m_updBeginningUsePrivilegeDate);
    start->addStretch();
    auto* startLabel = new QLabel(QStringLiteral("Год начала использования вычета"), page);
    m_claimed.append(startLabel);
    grid->addWidget(startLabel, line, 0, 1, 2);
    grid->addLayout(start, line + 1, 0, 1, 2);
    auto* share = new QHBoxLayout;
    share->setSpacing(EntryFields::kRowSpacing);
    auto* slash = new QLabel(QStringLiteral("/"), page);
    share->addWidget(m_meDol1);
    share->addWidget(slash);
    share->addWidget(m_meDol2);
    share->addStretch();
    auto* shareLabel = new QLabel(QStringLiteral("Доля"), page);
    m_claimed.append({shareLabel, slash});
    grid->addWidget(shareLabel, line, 2);
    grid->addLayout(share, line + 1, 2);
    // The way to the sums closes the page at its right, beside the share.
    m_bnNext = new QPushButton(QStringLiteral("Перейти к вводу сумм"), page);
    m_bnNext->setObjectName(QStringLiteral("bnNext"));
    grid->addWidget(m_bnNext, line + 1, 3, Qt::AlignRight);
    line += 2;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_claimed.append({m_chbPensioner,
                      wayLabel,
                      m_rbInvest,
                      m_rbBay,
                      m_cbObjectNaim,
                      m_cbVidSob,
                      m_cbPrizNal,
                      m_mePostIndex,
                      m_pnlRegion,
                      m_bnRegion,
                      m_meDistrict,
                      m_meCity,
                      m_meArea,
                      m_meStreet,
                      m_meHouse,
                      m_meBuilding,
                      m_meFlat,
                      m_meBeginningUsePrivilegeDate,
                      m_updBeginningUsePrivilegeDate,
                      m_meDol1,
                      m_meDol2,
                      m_bnNext});
    return page;
}

QGroupBox* TfrConstructionDeduct::buildSumsPage()
{
    auto* page = new QGroupBox(QStringLiteral(" Расчет имущественного вычета"), this);
    page->setObjectName(QStringLiteral("gbSums"));
    const QString captions[4] = {QStringLiteral("Сумма, перешедшая с предыдущего года"),
                                 QStringLiteral("Вычет по предыдущим годам по декларации"),
                                 QStringLiteral("Вычет по пред. годам у налогового агента"),
                                 QStringLiteral("Вычет у налогового агента в отчетном году ")};
    const char* const names[8] = {
        "meTransferringChargeSum", "mePostYears",   "mePostYearsNA",   "meVychNA",
        "meTransferringCreditSum", "mePostYearsIp", "mePostYearsIpNA", "meVychIpNA"};
    const QString agentHint = QStringLiteral("т.е. у работодателя");

    // The two groups one over the other: side by side their captions would not fit.
    auto* columns = new QVBoxLayout;
    for (int group = 0; group < 2; ++group) {
        auto* box =
            new QGroupBox(group == 0 ? QStringLiteral("Расходы по покупке (строительству) жилья")
                                     : QStringLiteral("Расходы по погашению кредитов"),
                          page);
        auto* form = new QFormLayout(box);
        form->setContentsMargins(9, 4, 9, 4);
        form->setVerticalSpacing(3);
        QLineEdit* total = EntryFields::amount(
            box, group == 0 ? QStringLiteral("meObsch") : QStringLiteral("meobschip"), 8);
        auto* totalLabel =
            new QLabel(group == 0 ? QStringLiteral("Стоимость объекта (доли)")
                                  : QStringLiteral("Проценты по кредитам за все годы"),
                       box);
        form->addRow(totalLabel, total);
        m_claimed.append({totalLabel, total});
        (group == 0 ? m_meObsch : m_meobschip) = total;
        for (int index = 0; index < 4; ++index) {
            const size_t at = size_t(group * 4 + index);
            m_sums[at] = EntryFields::amount(box, QString::fromLatin1(names[at]), 8);
            auto* label = new QLabel(captions[index], box);
            if (index >= 2) {
                label->setToolTip(agentHint);
                m_sums[at]->setToolTip(agentHint);
            }
            form->addRow(label, m_sums[at]);
            m_claimed.append({label, m_sums[at]});
        }
        columns->addWidget(box);
    }
    m_bnPrev = new QPushButton(QStringLiteral("Вернуться к сведениям об объекте"), page);
    m_bnPrev->setObjectName(QStringLiteral("bnPrev"));
    m_claimed.append(m_bnPrev);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(9, 4, 9, 4);
    layout->setSpacing(3);
    layout->addLayout(columns);
    layout->addWidget(m_bnPrev, 0, Qt::AlignRight);
    return page;
}

void TfrConstructionDeduct::fillObjectList(bool investment)
{
    int position = m_cbObjectNaim->currentIndex();
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
    const QSignalBlocker blocker(m_cbObjectNaim);
    m_cbObjectNaim->clear();
    m_cbObjectNaim->addItems(items);
    m_cbObjectNaim->setCurrentIndex(position);
}

void TfrConstructionDeduct::loadFromDocument()
{
    const mTDeclaration& doc = document();
    const mTConstructionDeduct& record = doc.PropertyDeduction;
    applyDateLimits();
    m_chbGrantingDeduct->setChecked(record.PropertyEnabled != 0);
    claimToggled(record.PropertyEnabled != 0);

    if (record.PropertyEnabled != 0) {
        m_cbObjectNaim->setCurrentIndex(record.ObjectKind - 1);
        m_cbVidSob->setCurrentIndex(record.OwnershipKind - 1);
        m_cbPrizNal->setCurrentIndex(record.OwnerSign - 1);
        m_chbPensioner->setChecked(doc.Pensioner != 0);
        m_mePostIndex->setText(record.ObjPostIndex);
        m_meStreet->setText(record.ObjStreet);
        m_meArea->setText(record.ObjLocality);
        m_meCity->setText(record.ObjCity);
        m_meDistrict->setText(record.ObjDistrict);
        m_meHouse->setText(record.ObjHouse);
        m_meBuilding->setText(record.ObjBuilding);
        m_meFlat->setText(record.ObjFlat);
        m_pnlRegion->setText(record.ObjRegionCode.isEmpty() ? QStringLiteral("0")
                                                            : record.ObjRegionCode);
        m_regionName = record.ObjRegionName;
        setDate(m_dtpRegRightDate, record.RightRegDate);
        setDate(m_dtpRegZemDate, record.LandRegDate);
        setDate(m_dtpBayDate, record.ActDate);
        setDate(m_dtpAppDate, record.ApplicationDate);
        const int year = yearOf(record.StartYearDate);
        m_meBeginningUsePrivilegeDate->setText(
            QString::number(std::clamp(year, kFirstStartYear, yearLimit())));
        m_mePart->setText(record.Share.isZero() ? QString()
                                                : EntryFields::amountText(record.Share));
        m_meDol1->setText(QString::number(record.ShareNumerator));
        m_meDol2->setText(QString::number(record.ShareDenominator));
        m_meObsch->setText(EntryFields::amountText(record.ObjectCost));
        m_meobschip->setText(EntryFields::amountText(record.InterestPaid));
        const Money sums[8] = {record.CarriedCost,
                               record.PriorYearsDeduction,
                               record.PriorYearsAgentDeduction,
                               record.AgentDeduction,
                               record.CarriedInterest,
                               record.PriorYearsInterest,
                               record.PriorYearsAgentInterest,
                               record.AgentInterest};
        for (size_t index = 0; index < 8; ++index)
            m_sums[index]->setText(EntryFields::amountText(sums[index]));
        if (record.ByInvestment != 0)
            m_rbInvest->setChecked(true);
        else
            m_rbBay->setChecked(true);
        wayChosen(record.ByInvestment != 0, false);
    }
    showSums(false);
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
    const bool claimed = m_chbGrantingDeduct->isChecked();
    const bool purchase = m_rbBay->isChecked();
    const int object = m_cbObjectNaim->currentIndex() + 1;
    const int ownership = m_cbVidSob->currentIndex() + 1;
    const int sign = m_cbPrizNal->currentIndex() + 1;
    m_dtpRegRightDate->setEnabled(claimed && purchase);
    m_dtpRegZemDate->setEnabled(claimed && purchase && object >= 5 && object <= 8);
    m_dtpBayDate->setEnabled(claimed && !purchase);
    m_dtpAppDate->setEnabled(claimed && (ownership == 3 || (ownership == 1 && sign == 2)));
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
    for (QDateEdit* picker : {m_dtpRegRightDate, m_dtpRegZemDate, m_dtpBayDate, m_dtpAppDate})
        picker->setMaximumDate(last);
    m_updBeginningUsePrivilegeDate->setRange(kFirstStartYear, limit);
    // An empty year starts from the tax year.
    m_updBeginningUsePrivilegeDate->setEmptyValue(document().TaxYear == 2013 ? 2013 : 2014);
    if (!m_meBeginningUsePrivilegeDate->text().isEmpty() && startYear() > limit)
        m_meBeginningUsePrivilegeDate->setText(QString::number(limit));
}

int TfrConstructionDeduct::startYear() const
{
    return m_meBeginningUsePrivilegeDate->text().toInt();
}

void TfrConstructionDeduct::pickRegion()
{
    TfmRegionName picker(this, FixedTables::Regions());
    picker.PreselectRegion(m_pnlRegion->text().toInt());
    if (host().interaction().execDialog(picker) != QDialog::Accepted)
        return;
    const QString code = picker.chosenCode().rightJustified(2, QLatin1Char('0'));
    if (code == m_pnlRegion->text())
        return;
    m_pnlRegion->setText(code);
    m_regionName = picker.chosenName();
    notify();
}

void TfrConstructionDeduct::showSums(bool sums)
{
    m_objectPage->setVisible(!sums);
    m_sumsPage->setVisible(sums);
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
    record.PropertyEnabled = m_chbGrantingDeduct->isChecked() ? 1 : 0;
    if (record.PropertyEnabled != 0) {
        doc.Pensioner = m_chbPensioner->isChecked() ? 1 : 0;
        record.ObjectKind = m_cbObjectNaim->currentIndex() + 1;
        record.OwnershipKind = m_cbVidSob->currentIndex() + 1;
        record.OwnerSign = m_cbPrizNal->currentIndex() + 1;
        record.ObjPostIndex = m_mePostIndex->text();
        record.ObjRegionCode = m_pnlRegion->text();
        record.ObjDistrict = m_meDistrict->text();
        record.ObjCity = m_meCity->text();
        record.ObjLocality = m_meArea->text();
        record.ObjStreet = m_meStreet->text();
        record.ObjHouse = m_meHouse->text();
        record.ObjBuilding = m_meBuilding->text();
        record.ObjFlat = m_meFlat->text();
        record.ObjRegionName = m_regionName;
        record.LandRegDate = dateOf(m_dtpRegZemDate);
        record.RightRegDate = dateOf(m_dtpRegRightDate);
        record.ActDate = dateOf(m_dtpBayDate);
        record.ApplicationDate = dateOf(m_dtpAppDate);
        record.ByInvestment = m_rbInvest->isChecked() ? 1 : 0;
        const int year = m_meBeginningUsePrivilegeDate->text().isEmpty() ? 1997 : startYear();
        record.StartYearDate = DayCount::fromDate(year, 1, 1);
        record.Share = m_mePart->text().isEmpty() ? Money::fromRoubles(1)
                                                  : EntryFields::amountOrZero(m_mePart);
        const auto shareNumber = [](const QLineEdit* field) {
            const int value = EntryFields::number(field);
            return value == 0 ? 1 : value;
        };
        record.ShareNumerator = shareNumber(m_meDol1);
        record.ShareDenominator = shareNumber(m_meDol2);
        if (record.ShareDenominator < record.ShareNumerator)
            record.ShareNumerator = record.ShareDenominator;
        record.ObjectCost = EntryFields::amountOrZero(m_meObsch);
        record.InterestPaid = EntryFields::amountOrZero(m_meobschip);
    }
    record.CarriedCost = EntryFields::amountOrZero(m_sums[CarriedCost]);
    record.PriorYearsDeduction = EntryFields::amountOrZero(m_sums[PriorCost]);
    record.PriorYearsAgentDeduction = EntryFields::amountOrZero(m_sums[PriorAgentCost]);
    record.AgentDeduction = EntryFields::amountOrZero(m_sums[AgentCost]);
    record.CarriedInterest = EntryFields::amountOrZero(m_sums[CarriedInterest]);
    record.PriorYearsInterest = EntryFields::amountOrZero(m_sums[PriorInterest]);
    record.PriorYearsAgentInterest = EntryFields::amountOrZero(m_sums[PriorAgentInterest]);
    record.AgentInterest = EntryFields::amountOrZero(m_sums[AgentInterest]);
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
    switch (code) {
    case PropertyField::ObjectKind:
    case PropertyField::PostIndex:
    case PropertyField::RightRegistrationDate:
    case PropertyField::StartYear:
    case PropertyField::OwnershipKind:
    case PropertyField::OwnerSign:
    case PropertyField::Region:
        showSums(false);
        break;
    case PropertyField::CarriedCost:
    case PropertyField::CarriedInterest:
    case PropertyField::PriorCost:
    case PropertyField::PriorInterest:
        showSums(true);
        break;
    default:
        return;
    }
    switch (code) {
    case PropertyField::ObjectKind:
        m_cbObjectNaim->setFocus();
        break;
    case PropertyField::PostIndex:
        m_mePostIndex->setFocus();
        break;
    case PropertyField::RightRegistrationDate:
        EntryFields::focusDay(m_dtpRegRightDate);
        break;
    case PropertyField::StartYear:
        m_meBeginningUsePrivilegeDate->setFocus();
        break;
    case PropertyField::OwnershipKind:
        m_cbVidSob->setFocus();
        break;
    case PropertyField::OwnerSign:
        m_cbPrizNal->setFocus();
        break;
    case PropertyField::Region:
        m_bnRegion->setFocus();
        pickRegion();
        break;
    case PropertyField::CarriedCost:
        m_sums[CarriedCost]->setFocus();
        break;
    case PropertyField::CarriedInterest:
        m_sums[CarriedInterest]->setFocus();
        break;
    case PropertyField::PriorCost:
        m_sums[PriorCost]->setFocus();
        break;
    case PropertyField::PriorInterest:
        m_sums[PriorInterest]->setFocus();
        break;
    default:
        break;
    }
}
