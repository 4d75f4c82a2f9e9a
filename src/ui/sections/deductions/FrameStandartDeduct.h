#pragma once

#include "model/StandartDeduct.h"
#include "ui/widgets/MyFrame.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TUpDown;

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
    // One group of children: the constant box, its number field with the up-down, and the twelve
    // month fields.
    struct ChildrenRow
    {
        QCheckBox* constant = nullptr;
        QLineEdit* count = nullptr;
        TUpDown* upDown = nullptr;
        QLabel* suffix = nullptr;
        std::array<QLineEdit*, 12> months{};
    };

    void buildControls();
    QWidget* buildPersonalPanel();
    QWidget* buildChildrenPanel();
    QWidget* buildIncomePanel();
    ChildrenRow makeRow(QWidget* parent, const char* constantName, const QString& caption,
                        const char* countName, int countDigits, const char* upDownName, int maximum,
                        const char* monthSuffix, const QString& monthHint);
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

    QCheckBox* m_chbGrantingStanDeduct;
    QRadioButton* m_rb103;
    QRadioButton* m_rb104;
    QRadioButton* m_rb105;
    QRadioButton* m_rbQ;
    QRadioButton* m_rbTowParents;
    QRadioButton* m_rbOneParent;
    QRadioButton* m_rbQ2;
    QList<QLabel*> m_monthLabels;
    ChildrenRow m_children;
    ChildrenRow m_third;
    ChildrenRow m_disabled;
    std::array<QCheckBox*, 12> m_marks{};
    std::array<QLineEdit*, 12> m_income{};
    std::array<QLineEdit*, 12> m_expense{};
    QList<QWidget*> m_incomePanel;
};
