#pragma once

#include "model/StandartDeduct.h"
#include "ui/widgets/MyFrame.h"

#include <array>

class AmountField;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class TUpDown;
struct ChildrenRowText;

// Standard deductions: whether they are claimed, the personal deduction code, the kind of
// children's deduction, the number of children of three groups for the year or month by month,
// and the monthly income and expenses of entrepreneurs. It has no checks of its own.
class TfrFrameStandartDeduct : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrFrameStandartDeduct(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override { return 0; }
    void FocusError(quint16) override {}

private:
    // One group of children: the box "the number did not change", the number for the whole year
    // with its arrows, and the twelve numbers of the months.
    struct ChildrenRow
    {
        QCheckBox* constant = nullptr;
        QLineEdit* count = nullptr;
        TUpDown* arrows = nullptr;
        QLabel* suffix = nullptr;
        std::array<QLineEdit*, 12> months{};
    };

    QWidget* buildPersonalPanel();
    QWidget* buildChildrenPanel();
    QWidget* buildIncomePanel();
    ChildrenRow makeRow(QWidget* parent, const ChildrenRowText& text);
    void placeRow(QGridLayout* grid, int line, ChildrenRow& row);
    void connectControls();
    void loadFromDocument();
    void loadRow(ChildrenRow& row, const mTStandartDeduct::ChildrenGroup& group);
    void claimToggled(bool claimed);
    void applyRowRule(ChildrenRow& row);
    void constantToggled(ChildrenRow& row);
    void countEdited(ChildrenRow& row);
    static void storeRow(const ChildrenRow& row, mTStandartDeduct::ChildrenGroup& group);
    void askPersonalByMonth();
    void askChildrenKindByMonth();
    void notify();

    bool m_loading = false;
    bool m_hasBusinessIncome = false;

    QCheckBox* m_claim;
    QRadioButton* m_rbNoPersonal;
    QRadioButton* m_rbPersonal500;
    QRadioButton* m_rbPersonal3000;
    QRadioButton* m_rbPersonalByMonth;
    QRadioButton* m_rbSingleAmounts;
    QRadioButton* m_rbSoleParent;
    QRadioButton* m_rbChildrenKindByMonth;
    QList<QLabel*> m_monthCaptions;
    ChildrenRow m_children;
    ChildrenRow m_third;
    ChildrenRow m_disabled;
    std::array<QCheckBox*, 12> m_marks{};
    std::array<AmountField*, 12> m_income{};
    std::array<AmountField*, 12> m_expense{};
    // The captions, marks and amounts of the monthly income, enabled with business income only.
    QList<QWidget*> m_incomeControls;
};
