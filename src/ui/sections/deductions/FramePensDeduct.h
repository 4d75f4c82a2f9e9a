#pragma once

#include "ui/widgets/MyFrame.h"

#include <array>

class AmountField;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QTreeWidget;

// Social deductions: whether they are claimed, six amounts spent in the year, the amounts paid for
// the education of children and the pension contracts. Changes to the two lists reach the
// document at once; the amounts and the claim reach it when the frame is stored.
class TfrFramePensDeduct : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrFramePensDeduct(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    // 1 focuses the charity amount, 3 the children's list.
    void FocusError(quint16 code) override;

    static QString sectionName();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildAmounts(QWidget* parent);
    QGroupBox* buildChildEducation(QWidget* parent);
    QLayout* buildContracts(QWidget* parent);
    void connectControls();
    void loadFromDocument();
    void applyClaimRule(bool claimed);
    void claimClicked(bool claimed);
    bool hasEntries() const;
    void addSum();
    void editSum();
    void deleteSum();
    void addContract();
    void editContract();
    void deleteContract();
    void notify();

    bool m_loading = false;
    QCheckBox* m_claim;
    // Charity, own education, treatment, expensive treatment, insurance, pension contributions.
    std::array<AmountField*, 6> m_amounts{};
    QList<QLabel*> m_amountCaptions;
    QTreeWidget* m_lvChildEducation;
    QTreeWidget* m_lvContracts;
    QPushButton* m_fbAddSum;
    QPushButton* m_fbDeleteSum;
    QPushButton* m_fbEditSum;
    QPushButton* m_fbAddContract;
    QPushButton* m_fbDeleteContract;
    QPushButton* m_fbEditContract;
};
