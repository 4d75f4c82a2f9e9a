#pragma once

#include "directories/IncomeCodeDirectory.h"
#include "model/Money.h"
#include "ui/widgets/OtherIncomeListFrame.h"

class AmountField;
class CodeField;
class DateField;
class FormGrid;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class mTCurrencyIncome;

// Income received abroad in foreign currency (the list CurrencyIncomes): one entry per foreign
// source with its income and the tax paid abroad in the currency, both converted into roubles at
// the rates of the income date and of the tax payment date, and one optional deduction. The
// rates can be taken from the currency directory. The selected entry is written back when another
// row is chosen and when the frame is stored.
class TfrCurrency : public OtherIncomeListFrame
{
    Q_OBJECT

public:
    TfrCurrency(QWidget* parent, FrameHost& host);

    void StoreData() override;
    quint16 CheckData() override;
    void FocusError(quint16 code) override;

    static QString sectionName();

protected:
    void rowLeft(int row) override;
    void rowShown(int row) override;
    void addEntry() override;
    void editEntry(int row) override;
    void deleteEntry(int row) override;

private:
    // Which of the two rate rows.
    enum class RateRow
    {
        Income,
        Tax
    };

    QGroupBox* buildReceived(QWidget* parent);
    QWidget* buildSums(QWidget* parent);
    void buildRates(QGroupBox* box, FormGrid& grid);
    void connectControls();
    void setInputEnabled(bool enabled);
    void setRatesEnabled(bool enabled);
    void clearInput();
    void store(mTCurrencyIncome& entry) const;
    void showDeduction(const mTCurrencyIncome& entry, const IncomeCode& income);
    void setDeductionControls(bool enabled);
    void showDeductionAmount(bool shown, bool enabled);
    void clearDeduction();

    void currencyCodeChanged();
    void showCurrencyName();
    void lookUpRate(RateRow row);
    void fillRate(RateRow row);
    void dateChanged(RateRow row);
    void autoRatesClicked(bool checked);
    void pickCurrency(const QString& search);
    void pickIncome(const QString& search);
    void pickDeduction(const QString& search);
    void incomeAmountChanged();
    void taxAmountChanged();
    // The deduction that follows the income in roubles: the norm, or the income for an
    // equivalent deduction, up to the limit.
    void recomputeDeduction();
    Money roublesOf(const AmountField* amount, const QLineEdit* units,
                    const AmountField* rate) const;

    IncomeCodeDirectory m_directory;
    bool m_showing = false;
    // The user's wish for automatic rates; the box shows it whenever a rate can be found.
    bool m_autoWanted = true;
    bool m_deductionExpected = false;
    int m_incomeTaxRate = 0;
    QString m_incomeName;
    int m_normPercent = 0;
    qint64 m_deductionLimit = 0;
    bool m_equivalentDeduction = false;

    // What setInputEnabled enables and disables together, captions included.
    QList<QWidget*> m_inputs;
    // The rate fields and their captions, typed only without automatic rates.
    QList<QWidget*> m_rateWidgets;
    DateField* m_incomeDate;
    DateField* m_taxPayDate;
    CodeField* m_currencyCode;
    QLineEdit* m_currencyName;
    QCheckBox* m_autoRates;
    QLabel* m_autoRatesLine;
    AmountField* m_incomeDateRate;
    QLineEdit* m_incomeDateUnits;
    AmountField* m_taxDateRate;
    QLineEdit* m_taxDateUnits;
    CodeField* m_incomeCode;
    AmountField* m_incomeInCurrency;
    QLineEdit* m_incomeInRoubles;
    AmountField* m_taxInCurrency;
    QLineEdit* m_taxInRoubles;
    QLabel* m_deductionCodeCaption;
    CodeField* m_deductionCode;
    QLabel* m_deductionAmountCaption;
    AmountField* m_deductionAmount;
    QLineEdit* m_proofSheets;
};
