#pragma once

#include "directories/IncomeCodeDirectory.h"
#include "ui/widgets/PaymentSourceFields.h"

#include <QDialog>

class AmountField;
class CodeField;
class Interaction;
class QLabel;
class mTThirtyFivePercent;

// A source of income taxed at 35 %: its name and codes, one income code with its amount, at most
// one deduction and the tax withheld. The deduction's amount follows the directory: shown or
// hidden, typed or filled from the income (an equivalent deduction) up to its limit.
class TfmInput35SourseIncome : public QDialog
{
    Q_OBJECT

public:
    TfmInput35SourseIncome(QWidget* parent, Interaction& interaction);

    static QString groupTitle();

    void Fill(const mTThirtyFivePercent& entry);
    void Apply(mTThirtyFivePercent& entry) const;
    QString sourceName() const;
    QString incomeCode() const;

    // The checks of "Да": 0 to accept, otherwise the field to fix.
    quint16 Check();
    void FocusField(quint16 code);

    bool deductionExpected() const { return m_deductionExpected; }

private:
    void buildControls();
    void fillIncome(const mTThirtyFivePercent& entry);
    void pickIncome(const QString& search);
    void pickDeduction(const QString& search);
    void incomeChanged();
    void deductionChanged();
    void confirm();
    void setDeductionControls(bool enabled);
    void takeDeduction(const DeductionCode& deduction);
    // The amount an equivalent deduction takes from the income, up to the limit.
    QString equivalentAmount() const;

    Interaction& m_interaction;
    IncomeCodeDirectory m_directory;
    PaymentSourceFields m_source;
    bool m_deductionExpected = false;
    bool m_amountEditable = false;
    bool m_amountVisible = false;
    bool m_amountEquivalent = false;
    qint64 m_maxSum = 0;

    CodeField* m_incomeCodeField;
    AmountField* m_incomeAmount;
    CodeField* m_deductCodeField;
    AmountField* m_deductAmount;
    AmountField* m_taxWithheld;
    QLabel* m_deductCodeCaption;
    QLabel* m_deductAmountCaption;
};
