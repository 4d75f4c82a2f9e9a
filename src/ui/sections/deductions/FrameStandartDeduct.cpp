#include "ui/sections/deductions/FrameStandartDeduct.h"

#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/sections/deductions/Dif.h"
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

namespace {

const char* const kMonthSuffixes[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString markCaption(int index)
{
    static const char16_t* const names[12] = {u"Янв.", u"Фев.", u"Март", u"Апр.", u"Май",  u"Июнь",
                                              u"Июль", u"Авг.", u"Сен.", u"Окт.", u"Ноя.", u"Дек."};
    return QString::fromUtf16(names[index]);
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void exclusive(QObject* owner, std::initializer_list<QRadioButton*> buttons)
{
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* button : buttons)
        group->addButton(button);
}

} // namespace

TfrFrameStandartDeduct::TfrFrameStandartDeduct(QWidget* parent, FrameHost& host)
    : TThinkingFrame(parent, host)
{
    setObjectName(QStringLiteral("TfrFrameStandartDeduct"));
    m_loading = true;
    buildControls();
    loadFromDocument();
    m_loading = false;
}

void TfrFrameStandartDeduct::buildControls()
{
    auto* outer =
        new QGroupBox(QStringLiteral(" Стандартные налоговые вычеты (коды 104-105,114-125)"), this);
    m_chbGrantingStanDeduct =
        new QCheckBox(QStringLiteral("Предоставить стандартные вычеты"), outer);
    m_chbGrantingStanDeduct->setObjectName(QStringLiteral("chbGrantingStanDeduct"));

    auto* outerLayout = new QVBoxLayout(outer);
    outerLayout->addWidget(m_chbGrantingStanDeduct);
    outerLayout->addWidget(buildPersonalPanel());
    outerLayout->addWidget(buildChildrenPanel());
    outerLayout->addWidget(buildIncomePanel());
    outerLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outer);

    connect(m_chbGrantingStanDeduct, &QCheckBox::toggled, this,
            &TfrFrameStandartDeduct::claimToggled);
    for (QRadioButton* button : {m_rb103, m_rb104, m_rb105, m_rbTowParents, m_rbOneParent})
        connect(button, &QRadioButton::clicked, this, &TfrFrameStandartDeduct::notify);
    connect(m_rbQ, &QRadioButton::clicked, this, &TfrFrameStandartDeduct::askPersonalByMonth);
    connect(m_rbQ2, &QRadioButton::clicked, this, &TfrFrameStandartDeduct::askChildrenKindByMonth);
}

QWidget* TfrFrameStandartDeduct::buildPersonalPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlPersonal"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(QStringLiteral("Вычеты на себя"));
    m_rb103 = radio(panel, "rb103", QStringLiteral("Нет 104 и 105 вычета"));
    m_rb104 = radio(panel, "rb104", QStringLiteral("Код 104 - 500 в месяц"));
    m_rb105 = radio(panel, "rb105", QStringLiteral("Код 105 - 3000 в месяц"));
    m_rbQ = radio(panel, "rbQ", QStringLiteral("?"));
    exclusive(this, {m_rb103, m_rb104, m_rb105, m_rbQ});
    m_rb103->setChecked(true);
    auto* layout = new QHBoxLayout(panel);
    for (QRadioButton* button : {m_rb103, m_rb104, m_rb105, m_rbQ})
        layout->addWidget(button);
    layout->addStretch();
    return panel;
}

TfrFrameStandartDeduct::ChildrenRow
TfrFrameStandartDeduct::makeRow(QWidget* parent, const char* constantName, const QString& caption,
                                const char* countName, int countDigits, const char* upDownName,
                                int maximum, const char* monthSuffix, const QString& monthHint)
{
    ChildrenRow row;
    row.constant = new QCheckBox(caption, parent);
    row.constant->setObjectName(QString::fromLatin1(constantName));
    row.count = EntryFields::digits(parent, QString::fromLatin1(countName), countDigits);
    row.count->setFixedWidth(36);
    row.upDown = new TUpDown(parent, QString::fromLatin1(upDownName), 0, maximum);
    row.suffix = new QLabel(QStringLiteral("ребенка (детей)"), parent);
    for (int month = 0; month < 12; ++month) {
        QLineEdit* field =
            EntryFields::digits(parent,
                                QStringLiteral("me%1%2").arg(QLatin1String(kMonthSuffixes[month]),
                                                             QLatin1String(monthSuffix)),
                                2);
        field->setText(QStringLiteral("0"));
        field->setToolTip(monthHint);
        field->setFixedWidth(40);
        row.months[size_t(month)] = field;
    }
    return row;
}

QWidget* TfrFrameStandartDeduct::buildChildrenPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlChildren"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setToolTip(QStringLiteral("Вычеты на детей. Подробности смотрите в Справке к "
                                     "программе."));
    m_rbTowParents = radio(panel, "rbTowParents", QStringLiteral("Вычет на ребенка (детей)"));
    m_rbOneParent = radio(panel, "rbOneParent",
                          QStringLiteral("Вычет на ребенка (детей) единственному родителю"));
    m_rbOneParent->setToolTip(QStringLiteral("или при отказе второго родителя от вычета"));
    m_rbQ2 = radio(panel, "rbQ2", QStringLiteral("?"));
    exclusive(this, {m_rbTowParents, m_rbOneParent, m_rbQ2});
    m_rbTowParents->setChecked(true);

    m_children = makeRow(panel, "chbConstChildrens",
                         QStringLiteral("Число детей не изменялось и составило"), "meChildrens", 1,
                         "UpDChildrens", 2, "", QStringLiteral("Количество детей в этом месяце"));
    m_third = makeRow(panel, "chbConstChildrens3",
                      QStringLiteral("Число детей, начиная с 3-го не изменялось и составило"),
                      "meChildrens3", 2, "UpDChildrens3", 99, "3",
                      QStringLiteral("Количество детей в этом месяце, считая с 3-го"));
    m_disabled = makeRow(panel, "chbConstChildrens2",
                         QStringLiteral("Число детей инвалидов не изменялось и составило"),
                         "meChildrens2", 2, "UpDChildrens2", 99, "2",
                         QStringLiteral("Количество детей инвалидов I и II групп в этом месяце"));

    auto* layout = new QGridLayout(panel);
    layout->setVerticalSpacing(3);
    auto* kinds = new QHBoxLayout;
    kinds->setSpacing(EntryFields::kRowSpacing);
    for (QRadioButton* button : {m_rbTowParents, m_rbOneParent, m_rbQ2})
        kinds->addWidget(button);
    kinds->addStretch();
    layout->addLayout(kinds, 0, 0, 1, 12);
    for (int month = 0; month < 12; ++month) {
        auto* label = new QLabel(MonthName(month), panel);
        label->setAlignment(Qt::AlignCenter);
        m_monthLabels.append(label);
        layout->addWidget(label, 1, month);
    }
    int line = 2;
    for (ChildrenRow* row : {&m_children, &m_third, &m_disabled}) {
        auto* head = new QHBoxLayout;
        head->setSpacing(EntryFields::kRowSpacing);
        head->addWidget(row->constant);
        head->addWidget(row->count);
        head->addWidget(row->upDown);
        head->addWidget(row->suffix);
        head->addStretch();
        layout->addLayout(head, line++, 0, 1, 12);
        for (int month = 0; month < 12; ++month)
            layout->addWidget(row->months[size_t(month)], line, month, Qt::AlignCenter);
        ++line;
        connect(row->constant, &QCheckBox::toggled, this, [this, row] { constantToggled(*row); });
        connect(row->count, &QLineEdit::textChanged, this, [this, row] { countEdited(*row); });
    }
    return panel;
}

QWidget* TfrFrameStandartDeduct::buildIncomePanel()
{
    auto* panel = new QGroupBox(
        QStringLiteral("Доходы/расходы помесячно для предпринимателей и лиц с частной практикой"),
        this);
    panel->setObjectName(QStringLiteral("pnlMonthIncome"));
    auto* layout = new QGridLayout(panel);
    layout->setVerticalSpacing(2);
    for (int half = 0; half < 2; ++half) {
        auto* incomeHead = new QLabel(QStringLiteral("Доходы"), panel);
        auto* expenseHead = new QLabel(QStringLiteral("Расходы"), panel);
        layout->addWidget(incomeHead, 0, half * 3 + 1, Qt::AlignCenter);
        layout->addWidget(expenseHead, 0, half * 3 + 2, Qt::AlignCenter);
        m_incomePanel.append(incomeHead);
        m_incomePanel.append(expenseHead);
    }
    for (int month = 0; month < 12; ++month) {
        const size_t at = size_t(month);
        m_marks[at] = new QCheckBox(markCaption(month), panel);
        m_marks[at]->setObjectName(QStringLiteral("cb") + QLatin1String(kMonthSuffixes[month]));
        m_income[at] = EntryFields::amount(panel, QStringLiteral("me%1").arg(month + 1), 12);
        m_expense[at] = EntryFields::amount(panel, QStringLiteral("meR%1").arg(month + 1), 12);
        const int line = month % 6 + 1;
        const int column = month / 6 * 3;
        layout->addWidget(m_marks[at], line, column);
        layout->addWidget(m_income[at], line, column + 1);
        layout->addWidget(m_expense[at], line, column + 2);
        m_incomePanel.append({m_marks[at], m_income[at], m_expense[at]});

        QCheckBox* mark = m_marks[at];
        const auto typed = [mark](const QString& text) {
            if (!text.isEmpty())
                mark->setChecked(true);
        };
        connect(m_income[at], &QLineEdit::textEdited, this, typed);
        connect(m_expense[at], &QLineEdit::textEdited, this, typed);
        QLineEdit* income = m_income[at];
        QLineEdit* expense = m_expense[at];
        connect(mark, &QCheckBox::toggled, this, [income, expense](bool ticked) {
            if (!ticked) {
                income->clear();
                expense->clear();
            }
        });
    }
    return panel;
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

    m_chbGrantingStanDeduct->setChecked(record.StdEnabled != 0);
    claimToggled(m_chbGrantingStanDeduct->isChecked());

    if (record.StdEnabled != 0) {
        switch (record.PersonalCode) {
        case PersonalDeduction::Monthly500:
            m_rb104->setChecked(true);
            break;
        case PersonalDeduction::Monthly3000:
            m_rb105->setChecked(true);
            break;
        case PersonalDeduction::ByMonth:
            m_rbQ->setChecked(true);
            break;
        default:
            m_rb103->setChecked(true);
            break;
        }
        switch (record.ChildrenKind) {
        case ChildrenDeduction::Double:
            m_rbOneParent->setChecked(true);
            break;
        case ChildrenDeduction::ByMonth:
            m_rbQ2->setChecked(true);
            break;
        default:
            m_rbTowParents->setChecked(true);
            break;
        }
        loadRow(m_children, record.Children);
        loadRow(m_third, record.Third);
        loadRow(m_disabled, record.Disabled);
    }

    if (m_hasBusinessIncome) {
        for (size_t month = 0; month < 12; ++month) {
            m_marks[month]->setChecked(record.MonthMarks[month] != 0);
            const Money income = record.MonthIncome[month];
            const Money expense = record.MonthExpense[month];
            m_income[month]->setText(income.isZero() ? QString() : EntryFields::amountText(income));
            m_expense[month]->setText(expense.isZero() ? QString()
                                                       : EntryFields::amountText(expense));
        }
    } else {
        for (QWidget* widget : std::as_const(m_incomePanel))
            widget->setEnabled(false);
    }
}

void TfrFrameStandartDeduct::claimToggled(bool claimed)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{m_rb103, m_rb104, m_rb105, m_rbQ,
                                                           m_rbTowParents, m_rbOneParent, m_rbQ2})
        widget->setEnabled(claimed);
    for (QLabel* label : std::as_const(m_monthLabels))
        label->setEnabled(claimed);
    for (ChildrenRow* row : {&m_children, &m_third, &m_disabled}) {
        row->constant->setEnabled(claimed);
        row->suffix->setEnabled(claimed);
        if (claimed) {
            applyRowRule(*row);
        } else {
            row->count->setEnabled(false);
            row->upDown->setEnabled(false);
            for (QLineEdit* field : row->months)
                field->setEnabled(false);
            row->count->clear();
        }
    }
    for (QWidget* widget : std::as_const(m_incomePanel))
        widget->setEnabled(claimed && m_hasBusinessIncome);
    notify();
}

void TfrFrameStandartDeduct::applyRowRule(ChildrenRow& row)
{
    const bool constant = row.constant->isChecked();
    row.upDown->setBuddy(constant ? row.count : nullptr);
    row.count->setEnabled(constant);
    row.upDown->setEnabled(constant);
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
    record.StdEnabled = m_chbGrantingStanDeduct->isChecked() ? 1 : 0;
    if (record.StdEnabled == 0)
        return;

    bool anyMark = false;
    for (size_t month = 0; month < 12; ++month) {
        record.MonthIncome[month] = EntryFields::amountOrZero(m_income[month]);
        record.MonthExpense[month] = EntryFields::amountOrZero(m_expense[month]);
        record.MonthMarks[month] = m_marks[month]->isChecked() ? 1 : 0;
        anyMark = anyMark || m_marks[month]->isChecked();
    }
    record.MonthlyIncomeMode = anyMark ? 1 : 0;

    if (m_rb105->isChecked())
        record.PersonalCode = PersonalDeduction::Monthly3000;
    else if (m_rb104->isChecked())
        record.PersonalCode = PersonalDeduction::Monthly500;
    else if (m_rb103->isChecked())
        record.PersonalCode = PersonalDeduction::None;
    else if (m_rbQ->isChecked())
        record.PersonalCode = PersonalDeduction::ByMonth;

    if (m_rbTowParents->isChecked())
        record.ChildrenKind = ChildrenDeduction::Single;
    else if (m_rbOneParent->isChecked())
        record.ChildrenKind = ChildrenDeduction::Double;
    else if (m_rbQ2->isChecked())
        record.ChildrenKind = ChildrenDeduction::ByMonth;

    storeRow(m_children, record.Children);
    storeRow(m_third, record.Third);
    storeRow(m_disabled, record.Disabled);
}
