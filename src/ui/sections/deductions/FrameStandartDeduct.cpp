#include "ui/sections/deductions/FrameStandartDeduct.h"

#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/sections/deductions/Dif.h"
#include "ui/widgets/AmountField.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/MonthNames.h"
#include "ui/widgets/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

// What tells the three groups of children apart on the screen.
struct ChildrenRowText
{
    const char* constantName;
    QString constantCaption;
    const char* countName;
    Digits countDigits;
    // What the number of the whole year and the number of a month hold, for a screen reader.
    QString countHolds;
    QString monthHolds;
    const char* arrowsName;
    int maximum;
    const char* monthSuffix;
    QString monthHint;
};

namespace {

const char* const kMonthSuffixes[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char16_t* const kMarkCaptions[12] = {u"Янв.", u"Фев.", u"Март", u"Апр.", u"Май",  u"Июнь",
                                           u"Июль", u"Авг.", u"Сен.", u"Окт.", u"Ноя.", u"Дек."};

// The three groups in the order of their rows: first and second children, third and later
// children, disabled children.
std::array<ChildrenRowText, 3> childrenRows()
{
    return {
        {{"chbConstChildrens", QStringLiteral("Число детей не изменялось и составило"),
          "meChildrens", Digits::FirstChildrenCount, QStringLiteral("Число детей за весь год"),
          QStringLiteral("число детей"), "UpDChildrens", 2, "",
          QStringLiteral("Количество детей в этом месяце")},
         {"chbConstChildrens3",
          QStringLiteral("Число детей, начиная с 3-го не изменялось и составило"), "meChildrens3",
          Digits::ChildrenCount, QStringLiteral("Число детей, начиная с 3-го, за весь год"),
          QStringLiteral("число детей, начиная с 3-го"), "UpDChildrens3", 99, "3",
          QStringLiteral("Количество детей в этом месяце, считая с 3-го")},
         {"chbConstChildrens2", QStringLiteral("Число детей инвалидов не изменялось и составило"),
          "meChildrens2", Digits::ChildrenCount,
          QStringLiteral("Число детей-инвалидов за весь год"),
          QStringLiteral("число детей-инвалидов"), "UpDChildrens2", 99, "2",
          QStringLiteral("Количество детей инвалидов I и II групп в этом месяце")}}};
}

} // namespace

TfrFrameStandartDeduct::TfrFrameStandartDeduct(QWidget* parent, FrameHost& host)
    : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrFrameStandartDeduct"));
    m_loading = true;
    auto* outer =
        new QGroupBox(QStringLiteral(" Стандартные налоговые вычеты (коды 104-105,114-125)"), this);
    m_claim = new QCheckBox(QStringLiteral("Предоставить стандартные вычеты"), outer);
    m_claim->setObjectName(QStringLiteral("chbGrantingStanDeduct"));
    auto* outerLayout = new QVBoxLayout(outer);
    outerLayout->addWidget(m_claim);
    outerLayout->addWidget(buildPersonalPanel());
    outerLayout->addWidget(buildChildrenPanel());
    outerLayout->addWidget(buildIncomePanel());
    outerLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer);
    connectControls();
    loadFromDocument();
    m_loading = false;
}

QWidget* TfrFrameStandartDeduct::buildPersonalPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlPersonal"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(QStringLiteral("Вычеты на себя"));
    m_rbNoPersonal = new QRadioButton(QStringLiteral("Нет 104 и 105 вычета"), panel);
    m_rbNoPersonal->setObjectName(QStringLiteral("rb103"));
    m_rbPersonal500 = new QRadioButton(QStringLiteral("Код 104 - 500 в месяц"), panel);
    m_rbPersonal500->setObjectName(QStringLiteral("rb104"));
    m_rbPersonal3000 = new QRadioButton(QStringLiteral("Код 105 - 3000 в месяц"), panel);
    m_rbPersonal3000->setObjectName(QStringLiteral("rb105"));
    // "?" opens the choice of the code month by month: the name says so.
    m_rbPersonalByMonth = new QRadioButton(QStringLiteral("?"), panel);
    m_rbPersonalByMonth->setObjectName(QStringLiteral("rbQ"));
    m_rbPersonalByMonth->setAccessibleName(QStringLiteral("Код вычета на себя по месяцам"));
    m_rbPersonalByMonth->setToolTip(
        QStringLiteral("Выбрать код вычета на себя для каждого месяца"));
    auto* group = new QButtonGroup(this);
    auto* layout = new QHBoxLayout(panel);
    for (QRadioButton* button :
         {m_rbNoPersonal, m_rbPersonal500, m_rbPersonal3000, m_rbPersonalByMonth}) {
        group->addButton(button);
        layout->addWidget(button);
    }
    layout->addStretch();
    m_rbNoPersonal->setChecked(true);
    return panel;
}

TfrFrameStandartDeduct::ChildrenRow TfrFrameStandartDeduct::makeRow(QWidget* parent,
                                                                    const ChildrenRowText& text)
{
    ChildrenRow row;
    row.constant = new QCheckBox(text.constantCaption, parent);
    row.constant->setObjectName(QString::fromLatin1(text.constantName));
    row.count = EntryFields::digits(parent, QString::fromLatin1(text.countName), text.countDigits);
    row.count->setAccessibleName(text.countHolds);
    row.arrows = new TUpDown(parent, QString::fromLatin1(text.arrowsName), 0, text.maximum);
    row.suffix = new QLabel(QStringLiteral("ребенка (детей)"), parent);
    for (int month = 0; month < 12; ++month) {
        QLineEdit* field =
            EntryFields::digits(parent,
                                QStringLiteral("me%1%2").arg(QLatin1String(kMonthSuffixes[month]),
                                                             QLatin1String(text.monthSuffix)),
                                Digits::ChildrenCount);
        field->setText(QStringLiteral("0"));
        field->setAccessibleName(MonthName(month) + QStringLiteral(", ") + text.monthHolds);
        field->setToolTip(text.monthHint);
        row.months[size_t(month)] = field;
    }
    return row;
}

// The head of a group (its box, number, arrows and "ребенка (детей)") across the grid, and its
// twelve months under the month captions.
void TfrFrameStandartDeduct::placeRow(QGridLayout* grid, int line, ChildrenRow& row)
{
    auto* head = new QHBoxLayout;
    head->addWidget(row.constant);
    head->addWidget(row.count);
    head->addWidget(row.arrows);
    head->addWidget(row.suffix);
    head->addStretch();
    grid->addLayout(head, line, 0, 1, 12);
    for (int month = 0; month < 12; ++month)
        grid->addWidget(row.months[size_t(month)], line + 1, month, Qt::AlignHCenter);
}

QWidget* TfrFrameStandartDeduct::buildChildrenPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlChildren"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(QStringLiteral("Вычеты на детей. Подробности смотрите в Справке к "
                                     "программе."));
    m_rbSingleAmounts = new QRadioButton(QStringLiteral("Вычет на ребенка (детей)"), panel);
    m_rbSingleAmounts->setObjectName(QStringLiteral("rbTowParents"));
    m_rbSoleParent =
        new QRadioButton(QStringLiteral("Вычет на ребенка (детей) единственному родителю"), panel);
    m_rbSoleParent->setObjectName(QStringLiteral("rbOneParent"));
    m_rbSoleParent->setToolTip(QStringLiteral("или при отказе второго родителя от вычета"));
    m_rbChildrenKindByMonth = new QRadioButton(QStringLiteral("?"), panel);
    m_rbChildrenKindByMonth->setObjectName(QStringLiteral("rbQ2"));
    m_rbChildrenKindByMonth->setAccessibleName(QStringLiteral("Вид вычета на детей по месяцам"));
    m_rbChildrenKindByMonth->setToolTip(
        QStringLiteral("Указать для каждого месяца, был ли статус единственного родителя"));
    auto* group = new QButtonGroup(this);
    auto* kinds = new QHBoxLayout;
    for (QRadioButton* button : {m_rbSingleAmounts, m_rbSoleParent, m_rbChildrenKindByMonth}) {
        group->addButton(button);
        kinds->addWidget(button);
    }
    kinds->addStretch();
    m_rbSingleAmounts->setChecked(true);

    const std::array<ChildrenRowText, 3> rows = childrenRows();
    m_children = makeRow(panel, rows[0]);
    m_third = makeRow(panel, rows[1]);
    m_disabled = makeRow(panel, rows[2]);

    // One grid: the month captions head the columns of all three groups.
    auto* grid = new QGridLayout(panel);
    grid->addLayout(kinds, 0, 0, 1, 12);
    for (int month = 0; month < 12; ++month) {
        auto* caption = new QLabel(MonthName(month), panel);
        caption->setAlignment(Qt::AlignCenter);
        m_monthCaptions.append(caption);
        grid->addWidget(caption, 1, month);
    }
    placeRow(grid, 2, m_children);
    placeRow(grid, 4, m_third);
    placeRow(grid, 6, m_disabled);
    return panel;
}

QWidget* TfrFrameStandartDeduct::buildIncomePanel()
{
    auto* panel = new QGroupBox(
        QStringLiteral("Доходы/расходы помесячно для предпринимателей и лиц с частной практикой"),
        this);
    panel->setObjectName(QStringLiteral("pnlMonthIncome"));
    auto* grid = new QGridLayout(panel);
    // January to June on the left, July to December on the right, each under its column heads.
    for (int half = 0; half < 2; ++half) {
        auto* incomeHead = new QLabel(QStringLiteral("Доходы"), panel);
        auto* expenseHead = new QLabel(QStringLiteral("Расходы"), panel);
        grid->addWidget(incomeHead, 0, half * 3 + 1, Qt::AlignCenter);
        grid->addWidget(expenseHead, 0, half * 3 + 2, Qt::AlignCenter);
        m_incomeControls.append({incomeHead, expenseHead});
    }
    for (int month = 0; month < 12; ++month) {
        const size_t at = size_t(month);
        m_marks[at] = new QCheckBox(QString::fromUtf16(kMarkCaptions[month]), panel);
        m_marks[at]->setObjectName(QStringLiteral("cb") + QLatin1String(kMonthSuffixes[month]));
        m_marks[at]->setAccessibleName(MonthName(month));
        m_income[at] =
            new AmountField(panel, QStringLiteral("me%1").arg(month + 1), Amount::Kopecks);
        m_income[at]->setAccessibleName(MonthName(month) + QStringLiteral(", доходы"));
        m_expense[at] =
            new AmountField(panel, QStringLiteral("meR%1").arg(month + 1), Amount::Kopecks);
        m_expense[at]->setAccessibleName(MonthName(month) + QStringLiteral(", расходы"));
        const int line = month % 6 + 1;
        const int column = month / 6 * 3;
        grid->addWidget(m_marks[at], line, column);
        grid->addWidget(m_income[at], line, column + 1);
        grid->addWidget(m_expense[at], line, column + 2);
        m_incomeControls.append({m_marks[at], m_income[at], m_expense[at]});
    }
    grid->setColumnStretch(6, 1);
    return panel;
}

void TfrFrameStandartDeduct::connectControls()
{
    connect(m_claim, &QCheckBox::toggled, this, &TfrFrameStandartDeduct::claimToggled);
    for (QRadioButton* button :
         {m_rbNoPersonal, m_rbPersonal500, m_rbPersonal3000, m_rbSingleAmounts, m_rbSoleParent})
        connect(button, &QRadioButton::clicked, this, &TfrFrameStandartDeduct::notify);
    connect(m_rbPersonalByMonth, &QRadioButton::clicked, this,
            &TfrFrameStandartDeduct::askPersonalByMonth);
    connect(m_rbChildrenKindByMonth, &QRadioButton::clicked, this,
            &TfrFrameStandartDeduct::askChildrenKindByMonth);
    for (ChildrenRow* row : {&m_children, &m_third, &m_disabled}) {
        connect(row->constant, &QCheckBox::toggled, this, [this, row] { constantToggled(*row); });
        connect(row->count, &QLineEdit::textChanged, this, [this, row] { countEdited(*row); });
    }
    for (size_t month = 0; month < 12; ++month) {
        QCheckBox* mark = m_marks[month];
        const auto typed = [mark](const QString& text) {
            if (!text.isEmpty())
                mark->setChecked(true);
        };
        connect(m_income[month], &QLineEdit::textEdited, this, typed);
        connect(m_expense[month], &QLineEdit::textEdited, this, typed);
        AmountField* income = m_income[month];
        AmountField* expense = m_expense[month];
        connect(mark, &QCheckBox::toggled, this, [income, expense](bool ticked) {
            if (!ticked) {
                income->clear();
                expense->clear();
            }
        });
    }
}

void TfrFrameStandartDeduct::loadRow(ChildrenRow& row, const mTStandartDeduct::ChildrenGroup& group)
{
    row.constant->setChecked(group.Constant != 0);
    applyRowRule(row);
    if (group.Constant != 0) {
        row.count->setText(QString::number(group.Count));
        // The greyed month fields show the number that counts for every month.
        for (QLineEdit* field : row.months)
            field->setText(QString::number(group.Count));
    } else {
        row.count->setText(QStringLiteral("0"));
        for (int month = 0; month < 12; ++month)
            row.months[size_t(month)]->setText(QString::number(group.ByMonth[size_t(month)]));
    }
}

void TfrFrameStandartDeduct::loadFromDocument()
{
    const mTDeclaration& doc = document();
    const mTStandartDeduct& record = doc.StandardDeduction;
    m_hasBusinessIncome =
        doc.HasIncomeKind(IncomeKind::Business) || doc.HasIncomeKind(IncomeKind::Practice);

    m_claim->setChecked(record.StdEnabled != 0);
    claimToggled(m_claim->isChecked());

    if (record.StdEnabled != 0) {
        switch (record.PersonalCode) {
        case PersonalDeduction::Monthly500:
            m_rbPersonal500->setChecked(true);
            break;
        case PersonalDeduction::Monthly3000:
            m_rbPersonal3000->setChecked(true);
            break;
        case PersonalDeduction::ByMonth:
            m_rbPersonalByMonth->setChecked(true);
            break;
        default:
            m_rbNoPersonal->setChecked(true);
            break;
        }
        switch (record.ChildrenKind) {
        case ChildrenDeduction::Double:
            m_rbSoleParent->setChecked(true);
            break;
        case ChildrenDeduction::ByMonth:
            m_rbChildrenKindByMonth->setChecked(true);
            break;
        default:
            m_rbSingleAmounts->setChecked(true);
            break;
        }
        loadRow(m_children, record.Children);
        loadRow(m_third, record.Third);
        loadRow(m_disabled, record.Disabled);
    }

    if (m_hasBusinessIncome) {
        for (size_t month = 0; month < 12; ++month) {
            m_marks[month]->setChecked(record.MonthMarks[month] != 0);
            m_income[month]->setValueOrEmpty(record.MonthIncome[month]);
            m_expense[month]->setValueOrEmpty(record.MonthExpense[month]);
        }
    } else {
        for (QWidget* widget : std::as_const(m_incomeControls))
            widget->setEnabled(false);
    }
}

void TfrFrameStandartDeduct::claimToggled(bool claimed)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_rbNoPersonal, m_rbPersonal500, m_rbPersonal3000, m_rbPersonalByMonth,
             m_rbSingleAmounts, m_rbSoleParent, m_rbChildrenKindByMonth})
        widget->setEnabled(claimed);
    for (QLabel* caption : std::as_const(m_monthCaptions))
        caption->setEnabled(claimed);
    for (ChildrenRow* row : {&m_children, &m_third, &m_disabled}) {
        row->constant->setEnabled(claimed);
        row->suffix->setEnabled(claimed);
        if (claimed) {
            applyRowRule(*row);
        } else {
            row->count->setEnabled(false);
            row->arrows->setEnabled(false);
            for (QLineEdit* field : row->months)
                field->setEnabled(false);
            row->count->clear();
        }
    }
    for (QWidget* widget : std::as_const(m_incomeControls))
        widget->setEnabled(claimed && m_hasBusinessIncome);
    notify();
}

void TfrFrameStandartDeduct::applyRowRule(ChildrenRow& row)
{
    const bool constant = row.constant->isChecked();
    row.arrows->setBuddy(constant ? row.count : nullptr);
    row.count->setEnabled(constant);
    row.arrows->setEnabled(constant);
    for (QLineEdit* field : row.months)
        field->setEnabled(!constant);
}

void TfrFrameStandartDeduct::constantToggled(ChildrenRow& row)
{
    applyRowRule(row);
    if (row.constant->isChecked()) {
        for (QLineEdit* field : row.months)
            field->setText(row.count->text());
    }
    notify();
}

void TfrFrameStandartDeduct::countEdited(ChildrenRow& row)
{
    if (m_loading)
        return;
    for (QLineEdit* field : row.months)
        field->setText(row.count->text());
}

void TfrFrameStandartDeduct::askPersonalByMonth()
{
    if (m_loading)
        return;
    mTStandartDeduct& record = document().StandardDeduction;
    TfmDif dialog(this);
    for (int month = 1; month <= 12; ++month)
        dialog.setChoice(month, record.GetPersonalByMonth(month));
    if (host().interaction().execDialog(dialog) == QDialog::Accepted) {
        for (int month = 1; month <= 12; ++month)
            record.SetPersonalByMonth(month, dialog.choice(month));
        record.PersonalByMonthOn = 1;
    }
    notify();
}

void TfrFrameStandartDeduct::askChildrenKindByMonth()
{
    if (m_loading)
        return;
    mTStandartDeduct& record = document().StandardDeduction;
    TfmDif2 dialog(this);
    for (int month = 1; month <= 12; ++month)
        dialog.setChoice(month, record.GetChildrenKindByMonth(month));
    if (host().interaction().execDialog(dialog) == QDialog::Accepted) {
        for (int month = 1; month <= 12; ++month)
            record.SetChildrenKindByMonth(month, dialog.choice(month));
        record.ChildrenKindByMonthOn = 1;
    }
    notify();
}

void TfrFrameStandartDeduct::notify()
{
    if (!m_loading)
        host().NotifyDocumentChanged();
}

void TfrFrameStandartDeduct::storeRow(const ChildrenRow& row,
                                      mTStandartDeduct::ChildrenGroup& group)
{
    if (row.constant->isChecked()) {
        group.SetCount(EntryFields::number(row.count));
        return;
    }
    for (int month = 0; month < 12; ++month) {
        const QLineEdit* field = row.months[size_t(month)];
        group.ByMonth[size_t(month)] = EntryFields::number(field);
        if (field->text().isEmpty())
            continue;
        if (month == 0 || field->text().toInt() > group.Count)
            group.Count = field->text().toInt();
    }
    group.Constant = 0;
}

void TfrFrameStandartDeduct::StoreData()
{
    mTStandartDeduct& record = document().StandardDeduction;
    record.StdEnabled = m_claim->isChecked() ? 1 : 0;
    if (record.StdEnabled == 0)
        return;

    bool anyMark = false;
    for (size_t month = 0; month < 12; ++month) {
        record.MonthIncome[month] = m_income[month]->valueOrZero();
        record.MonthExpense[month] = m_expense[month]->valueOrZero();
        record.MonthMarks[month] = m_marks[month]->isChecked() ? 1 : 0;
        anyMark = anyMark || m_marks[month]->isChecked();
    }
    record.MonthlyIncomeMode = anyMark ? 1 : 0;

    if (m_rbPersonal3000->isChecked())
        record.PersonalCode = PersonalDeduction::Monthly3000;
    else if (m_rbPersonal500->isChecked())
        record.PersonalCode = PersonalDeduction::Monthly500;
    else if (m_rbNoPersonal->isChecked())
        record.PersonalCode = PersonalDeduction::None;
    else if (m_rbPersonalByMonth->isChecked())
        record.PersonalCode = PersonalDeduction::ByMonth;

    if (m_rbSingleAmounts->isChecked())
        record.ChildrenKind = ChildrenDeduction::Single;
    else if (m_rbSoleParent->isChecked())
        record.ChildrenKind = ChildrenDeduction::Double;
    else if (m_rbChildrenKindByMonth->isChecked())
        record.ChildrenKind = ChildrenDeduction::ByMonth;

    storeRow(m_children, record.Children);
    storeRow(m_third, record.Third);
    storeRow(m_disabled, record.Disabled);
}
