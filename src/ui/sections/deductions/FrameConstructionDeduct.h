#pragma once

#include "ui/widgets/MyFrame.h"

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TUpDown;

// The property deduction on buying or building housing, on two pages that replace each other:
// the object (its kind, ownership, address and dates) and the sums (cost, interest, and what was
// used or carried over from earlier years).
class TfrConstructionDeduct : public TThinkingFrame
{
    Q_OBJECT

public:
    TfrConstructionDeduct(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

    static QString sectionName();

private:
    // The eight amounts of the sums page, in the order of the record's fields CarriedCost,
    // PriorYearsDeduction, PriorYearsAgentDeduction, AgentDeduction, CarriedInterest,
    // PriorYearsInterest, PriorYearsAgentInterest, AgentInterest.
    enum SumField
    {
        CarriedCost,
        PriorCost,
        PriorAgentCost,
        AgentCost,
        CarriedInterest,
        PriorInterest,
        PriorAgentInterest,
        AgentInterest,
    };

    void buildControls();
    QGroupBox* buildObjectPage();
    QGroupBox* buildSumsPage();
    void loadFromDocument();
    void claimToggled(bool claimed);
    void wayChosen(bool investment, bool byUser);
    void fillObjectList(bool investment);
    void applyDateRules();
    void applyDateLimits();
    void pickRegion();
    void showSums(bool sums);
    int startYear() const;
    int yearLimit() const;
    void notify();

    bool m_loading = false;
    bool m_purchaseChosen = false;
    QString m_regionName;

    QCheckBox* m_chbGrantingDeduct;
    QGroupBox* m_objectPage;
    QGroupBox* m_sumsPage;
    QCheckBox* m_chbPensioner;
    QRadioButton* m_rbInvest;
    QRadioButton* m_rbBay;
    QComboBox* m_cbObjectNaim;
    QComboBox* m_cbVidSob;
    QComboBox* m_cbPrizNal;
    QLineEdit* m_mePostIndex;
    QLabel* m_pnlRegion;
    QPushButton* m_bnRegion;
    QLineEdit* m_meDistrict;
    QLineEdit* m_meCity;
    QLineEdit* m_meArea;
    QLineEdit* m_meStreet;
    QLineEdit* m_meHouse;
    QLineEdit* m_meBuilding;
    QLineEdit* m_meFlat;
    QDateEdit* m_dtpRegRightDate;
    QDateEdit* m_dtpRegZemDate;
    QDateEdit* m_dtpBayDate;
    QDateEdit* m_dtpAppDate;
    QLineEdit* m_meBeginningUsePrivilegeDate;
    TUpDown* m_updBeginningUsePrivilegeDate;
    QLineEdit* m_mePart;
    QLineEdit* m_meDol1;
    QLineEdit* m_meDol2;
    QLineEdit* m_meObsch;
    QLineEdit* m_meobschip;
    std::array<QLineEdit*, 8> m_sums{};
    QPushButton* m_bnNext;
    QPushButton* m_bnPrev;
    // Everything the claim box enables, but the four date pickers.
    QList<QWidget*> m_claimed;
};
