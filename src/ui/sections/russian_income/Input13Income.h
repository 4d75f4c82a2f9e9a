#pragma once

#include "directories/IncomeCodeDirectory.h"
#include "model/Money.h"
#include "model/ThirteenPercent.h"

#include <QDialog>

class AmountField;
class CodeField;
class Interaction;
class QGroupBox;
class QLabel;
class QLineEdit;

// The income line of a source at 13 %, "Сведения о доходе": income code and amount, deduction
// code and amount, month. The deduction amount follows the rules of the chosen deduction in the
// income-code directory (a share of the income, the income up to a maximum, or typed).
class TfmInput13Income : public QDialog
{
    Q_OBJECT

public:
    // residentMode: the resident's codes at 13 % with their months; otherwise every code, the
    // non-resident's deductions and no month.
    TfmInput13Income(QWidget* parent, Interaction& interaction, bool residentMode);

    // Fills the dialog from an existing line.
    void load(const mTSourseIncome& line);
    bool hasIncomeCode() const { return !m_incomeCode.isEmpty(); }
    // The line as entered; an empty month gives 1.
    mTSourseIncome line() const;

    bool ResidentMode() const { return m_variant == Variant::Resident; }
    bool DeductionExpected() const { return m_deductionExpected; }
    bool AmountEditable() const { return m_amountEditable; }
    bool AmountVisible() const { return m_amountVisible; }
    bool AmountEquivalent() const { return m_amountEquivalent; }
    Money MaxSum() const { return m_maxSum; }
    int DeductRate() const { return m_deductRate; }

protected:
    // Resident and non-resident mode of the 13 % sub-frame, and the highly qualified
    // non-resident specialist, whose deduction amounts are typed and only capped.
    enum class Variant
    {
        Resident,
        NonResident,
        Specialist,
    };
    TfmInput13Income(QWidget* parent, Interaction& interaction, Variant variant);

private:
    void buildControls(QGroupBox* group);
    void connectControls();
    void chooseIncomeCode(const QString& search);
    void chooseDeductCode(const QString& search);
    void applyDeduction(const DeductionCode& deduction);
    void fillDeductionAmount();
    void incomeEdited();
    void deductionEdited();
    void monthEdited();
    void loadNonResidentDeduction(const mTSourseIncome& line);
    void loadDeduction(const mTSourseIncome& line);
    void confirm();
    void setDeductionCodeEnabled(bool enabled);
    void setMonthEnabled(bool enabled);
    void clearDeductionState();
    QString checkTitle() const;

    Interaction& m_interaction;
    const Variant m_variant;
    const IncomeCodeDirectory m_directory;

    QString m_incomeCode;
    QString m_incomeCodeName;
    QString m_deductCode;
    bool m_deductionExpected = false;
    bool m_amountEditable = false;
    bool m_amountVisible = false;
    bool m_amountEquivalent = false;
    Money m_maxSum;
    int m_deductRate = 0;

    CodeField* m_incomeCodeField;
    AmountField* m_incomeAmount;
    CodeField* m_deductCodeField;
    AmountField* m_deductAmount;
    QLineEdit* m_incomeMonth;
    QLabel* m_incomeAmountCaption;
    QLabel* m_deductCodeCaption;
    QLabel* m_deductAmountCaption;
    QLabel* m_monthCaption;
};
