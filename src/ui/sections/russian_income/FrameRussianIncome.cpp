#include "ui/sections/russian_income/FrameRussianIncome.h"

#include "model/Declaration.h"
#include "ui/sections/russian_income/FrameThirteenPercent.h"
#include "ui/sections/russian_income/FrameThirteenPercentNR.h"
#include "ui/sections/russian_income/FrameThirtyFivePercent.h"
#include "ui/sections/russian_income/FrameThirtyPercent.h"

#include <QAbstractButton>
#include <QTreeWidget>

TfrRussianIncome::TfrRussianIncome(QWidget* parent, FrameHost& host)
    : TSubFrameContainer(parent, host, QStringLiteral("PnlFormContainer"))
{
    setObjectName(QStringLiteral("TfrRussianIncome"));
    const quint8 form = document().DeclForm;
    const bool nonResident = form == DeclarationForm::NonResident;

    // Buttons 4 and 5 are never shown; they lend their captions to buttons 1 and 2 of a
    // non-resident. A caption holds only the rate: a screen reader names the button by its income
    // too.
    QAbstractButton* button13 = addButton(
        ThirteenPercent, QStringLiteral("FlashButton1"),
        nonResident ? QStringLiteral("30%") : QStringLiteral("13%"),
        nonResident ? QStringLiteral("Доходы нерезидента")
                    : QStringLiteral("Доходы, облагаемые по ставке 13%, полученные от налоговых "
                                     "агентов или иных источников выплаты, в т.ч. от физических "
                                     "лиц"));
    button13->setAccessibleName(nonResident ? QStringLiteral("Доходы нерезидента, 30%")
                                            : QStringLiteral("Доходы, облагаемые по ставке 13%"));
    QAbstractButton* dividends =
        addButton(ThirtyPercent, QStringLiteral("FlashButton2"),
                  nonResident ? QStringLiteral("15%") : QStringLiteral("9%"),
                  QStringLiteral("Доходы в виде дивидендов"));
    dividends->setAccessibleName(dividends->toolTip());
    QAbstractButton* button35 =
        addButton(ThirtyFivePercent, QStringLiteral("FlashButton3"), QStringLiteral("35%"),
                  QStringLiteral("Доходы, облагаемые по ставке 35%"));
    button35->setAccessibleName(button35->toolTip());
    button35->setVisible(!nonResident);
    QAbstractButton* button6 =
        addButton(ThirteenPercentNR, QStringLiteral("FlashButton6"), QStringLiteral("13% ВКС"),
                  QStringLiteral("Доходы нерезидентов, высококвалифицированных специалистов"));
    button6->setAccessibleName(button6->toolTip());
    button6->setVisible(nonResident);

    if (form == DeclarationForm::Resident || nonResident)
        showSubFrame(ThirteenPercent);
}

TThinkingFrame* TfrRussianIncome::createSubFrame(int index, QWidget* parent)
{
    switch (index) {
    case ThirteenPercent:
        return new TfrThirteenPercent(parent, host());
    case ThirtyPercent:
        return new TfrThirtyPercent(parent, host());
    case ThirtyFivePercent:
        return new TfrThirtyFivePercent(parent, host());
    case ThirteenPercentNR:
        return new TTfrThirteenPercentNR(parent, host());
    default:
        return nullptr;
    }
}

void TfrRussianIncome::subFrameSwitched()
{
    // A sub-frame with sources opens with the first one selected in a focused list.
    if (shownFrame() == nullptr)
        return;
    auto* sources = shownFrame()->findChild<QTreeWidget*>(QStringLiteral("lvSourseIncomeInfo"));
    if (sources == nullptr || sources->topLevelItemCount() == 0)
        return;
    sources->setFocus();
    sources->setCurrentItem(sources->topLevelItem(0));
}
