#pragma once

#include "directories/IncomeCodeDirectory.h"
#include "model/Money.h"
#include "ui/widgets/OtherIncomeListFrame.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
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

    void buildControls();
    void setInputEnabled(bool enabled);
    void clearInput();
    void store(mTCurrencyIncome& entry) const;
    void showDeduction(const mTCurrencyIncome& entry, const IncomeCode& income);
    void setDeductionControls(bool enabled);
    void clearDeduction();

    void currencyCodeChanged();
    void showCurrencyName();
    void lookUpRate(RateRow row);
    void fillRate(RateRow row);
    void dateChanged(RateRow row);
    void autoExchangeClicked(bool checked);
    void pickCurrency();
    void pickIncome();
    void pickDeduction();
    void incomeAmountChanged();
    void taxAmountChanged();
    // The deduction that follows the income in roubles: the norm, or the income for an
    // equivalent deduction, up to the limit.
    void recomputeDeduction();
    Money roublesOf(QLineEdit* amount, QLineEdit* units, QLineEdit* rate) const;

    IncomeCodeDirectory m_directory;
    bool m_showing = false;
    // The user's wish for automatic rates; the box shows it whenever a rate can be found.
    bool m_autoWanted = true;
    bool m_deductionExpected = false;
    int m_taxRate = 0;
    QString m_incomeName;
    int m_normPercent = 0;
    qint64 m_maxSum = 0;
    bool m_equivalent = false;

    QList<QWidget*> m_inputs;
    QDateEdit* m_dtIncomeGetDate;
    QDateEdit* m_dtSubtractDate;
    QLineEdit* m_meCurrencyCode;
    QPushButton* m_bnCurrencyCode;
    QLineEdit* m_meCurrencyName;
    QCheckBox* m_chbAutoExchange;
    QLabel* m_lbAutoExchange;
    QList<QWidget*> m_rateWidgets;
    QLineEdit* m_meCurrencyUnits;
    QLineEdit* m_meCurrencyExchange;
    QLineEdit* m_meCurrencyUnits2;
    QLineEdit* m_meCurrencyExchange2;
    QLabel* m_lbIncomeCod;
    QLineEdit* m_pnlIncomeCod;
    QPushButton* m_bnIncomeCod;
    QLineEdit* m_meIncomeCurrencySum;
    QLineEdit* m_pnlIncomeRublSum;
    QLineEdit* m_meTaxCurrencySum;
    QLineEdit* m_pnlTaxRoubleSum;
    QLabel* m_lbSubtractCod;
    QLineEdit* m_pnlSubtractCod;
    QPushButton* m_bnSubtractCod;
    QLabel* m_lbSubtractSum;
    QLineEdit* m_meSubtractSum;
    QLineEdit* m_meAppB;
};
