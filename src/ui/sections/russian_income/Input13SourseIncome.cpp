#include "ui/sections/russian_income/Input13SourseIncome.h"

#include "model/ThirteenPercent.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/widgets/FormGrid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

TfmInput13SourseIncome::TfmInput13SourseIncome(QWidget* parent, Interaction& interaction,
                                               bool primaryShown)
    : QDialog(parent), m_interaction(interaction), m_source(this, Digits::PersonInn)
{
    setObjectName(QStringLiteral("TfmInput13SourseIncome"));
    setWindowTitle(QStringLiteral("Источник выплаты"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_primarySource =
        new QCheckBox(QStringLiteral("Расчет стандартных вычетов вести по этому источнику"), this);
    m_primarySource->setObjectName(QStringLiteral("chbPrimaryWorkplase"));
    m_primarySource->setVisible(primaryShown);
    const DialogButtons buttons = DialogButtons::create(this);
    connect(buttons.yes, &QPushButton::clicked, this, &TfmInput13SourseIncome::confirm);

    FormGrid grid(this);
    m_source.addRows(grid);
    grid.wide(m_primarySource);
    grid.wide(buttons.row);
}

QString TfmInput13SourseIncome::groupTitle()
{
    return QStringLiteral("Доходы, облагаемые по ставке 13%");
}

void TfmInput13SourseIncome::load(const mTThirteenPercent& source)
{
    m_source.load(source);
    m_primarySource->setChecked(source.IsPrimarySource != 0);
}

void TfmInput13SourseIncome::store(mTThirteenPercent& source) const
{
    m_source.store(source);
    source.IsPrimarySource = m_primarySource->isChecked() ? 1 : 0;
}

QString TfmInput13SourseIncome::sourceName() const
{
    return m_source.name();
}

void TfmInput13SourseIncome::confirm()
{
    const quint16 code = m_source.check(m_interaction, groupTitle(), false);
    if (code == 0)
        accept();
    else
        m_source.focus(code);
}
