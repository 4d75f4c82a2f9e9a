#include "ui/sections/deductions/Dif.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/widgets/EntryFields.h"
#include "ui/widgets/MonthNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmMonthCombination::TfmMonthCombination(QWidget* parent, const QString& heading,
                                         const QStringList& items)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Комбинация стандартных вычетов"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* grid = new QGridLayout;
    for (int month = 0; month < 12; ++month) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("CB%1").arg(month + 1));
        list->addItems(items);
        m_lists[size_t(month)] = list;
        const int column = month / 6 * 2;
        grid->addWidget(new QLabel(MonthName(month), this), month % 6, column);
        grid->addWidget(list, month % 6, column + 1);
    }

    const DialogButtons buttons = DialogButtons::create(this, "btnYes", "btnNo");
    connect(buttons.yes, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    if (!heading.isEmpty()) {
        auto* label = new QLabel(heading, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addLayout(grid);
    layout->addLayout(buttons.row);
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
                          {QStringLiteral("----"), QStringLiteral("104"), QStringLiteral("105")})
{}

TfmDif2::TfmDif2(QWidget* parent)
    : TfmMonthCombination(parent,
                          QStringLiteral("В этом месяце был статус единственного родителя "
                                         "(опекуна)"),
                          {QStringLiteral("да"), QStringLiteral("нет")})
{}
