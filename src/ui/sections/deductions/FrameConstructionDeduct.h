#pragma once

#include "model/Money.h"
#include "ui/widgets/MyFrame.h"

#include <array>

class AmountField;
class CodeField;
class DateField;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TUpDown;
class mTConstructionDeduct;

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

    QGroupBox* buildObjectPage();
    void buildObjectKind(QGroupBox* page);
    QWidget* buildOwnership(QGroupBox* page);
    void buildAddress(QGroupBox* page);
    QWidget* buildDates(QGroupBox* page);
    QLayout* buildStartAndShare(QGroupBox* page);
    QGroupBox* buildSumsPage();
    QGroupBox* buildSumsGroup(QGroupBox* page, bool interest);
    void connectControls();
    void loadFromDocument();
    void loadSums(const mTConstructionDeduct& record);
    void claimToggled(bool claimed);
    void wayChosen(bool investment, bool byUser);
    void fillObjectList(bool investment);
    void applyDateRules();
    void applyDateLimits();
    void pickRegion(const QString& search);
    void showSums(bool sums);
    int startYear() const;
    int yearLimit() const;
    void notify();

    bool m_loading = false;
    bool m_purchaseChosen = false;
    QString m_regionName;
    // The share as a decimal, never shown: kept as it was read, at most 1.
    Money m_share;

    QCheckBox* m_claim;
    QGroupBox* m_objectPage;
    QGroupBox* m_sumsPage;
    QCheckBox* m_chbPensioner;
    QRadioButton* m_rbInvestment;
    QRadioButton* m_rbPurchase;
    QComboBox* m_cbObjectName;
    QComboBox* m_cbOwnership;
    QComboBox* m_cbOwnerSign;
    QLineEdit* m_mePostcode;
    CodeField* m_region;
    QLineEdit* m_meDistrict;
    QLineEdit* m_meCity;
    QLineEdit* m_meLocality;
    QLineEdit* m_meStreet;
    QLineEdit* m_meHouse;
    QLineEdit* m_meBuilding;
    QLineEdit* m_meFlat;
    DateField* m_dtRightRegistration;
    DateField* m_dtLandRegistration;
    DateField* m_dtTransferAct;
    DateField* m_dtApplication;
    QLineEdit* m_meStartYear;
    TUpDown* m_startYearArrows;
    QLineEdit* m_meShareNumerator;
    QLineEdit* m_meShareDenominator;
    AmountField* m_meObjectCost;
    AmountField* m_meInterestPaid;
    std::array<AmountField*, 8> m_sums{};
    QPushButton* m_bnNext;
    QPushButton* m_bnPrev;
    // Everything the claim box enables, but the four dates.
    QList<QWidget*> m_claimed;
};
