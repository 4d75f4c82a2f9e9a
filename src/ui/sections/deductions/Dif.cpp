#include "ui/sections/deductions/Dif.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/MonthNames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TfmMonthCombination::TfmMonthCombination(QWidget* parent, const QString& heading,
                                         const QStringList& items)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Комбинация стандартных вычетов"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (int month = 0; month < 12; ++month) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("CB%1").arg(month + 1));
        list->addItems(items);
        m_lists[size_t(month)] = list;
    }
    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);

    FormGrid grid(this);
    if (!heading.isEmpty()) {
        auto* label = new QLabel(heading, this);
        label->setWordWrap(true);
        grid.wide(label);
    }
    // January to June on the left, July to December on the right: Tab goes down the months.
    for (int month = 0; month < 6; ++month)
        grid.row({{MonthName(month), m_lists[size_t(month)]},
                  {MonthName(month + 6), m_lists[size_t(month + 6)]}});
    grid.wide(buttons.row);
}

void TfmMonthCombination::setChoice(int month, int index)
{
    QComboBox* list = m_lists.at(size_t(month - 1));
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

int TfmMonthCombination::choice(int month) const
{
    return m_lists.at(size_t(month - 1))->currentIndex();
}

TfmDif::TfmDif(QWidget* parent)
    : TfmMonthCombination(parent, QString(),
                          {QStringLiteral("нет"), QStringLiteral("104"), QStringLiteral("105")})
{}

TfmDif2::TfmDif2(QWidget* parent)
    : TfmMonthCombination(parent,
                          QStringLiteral("В этом месяце был статус единственного родителя "
                                         "(опекуна)"),
                          {QStringLiteral("да"), QStringLiteral("нет")})
{}
