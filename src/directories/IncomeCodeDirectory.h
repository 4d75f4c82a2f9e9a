#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A deduction code that may be applied to an income code.
struct DeductionCode
{
    QString code; // three digits; "0" = no deduction
    QString name;
    QString rate;            // " ", or the norm in percent for the norm deduction 405
    bool visible = true;     // the entry windows show the amount field once it is chosen
    bool enabled = true;     // the user may type the amount (otherwise the program fills it)
    bool equivalent = false; // the amount equals the income, up to maxSum
    qint64 maxSum = 0;       // limit in roubles; 0 = none

    // The norm in percent, 0 when the rate is blank.
    int normPercent() const { return rate.trimmed().toInt(); }
};

// An income code of the embedded directory with the deductions allowed for it, in order.
struct IncomeCode
{
    QString code;  // four digits
    int rate = 13; // tax rate in percent: 9, 13 or 35
    QString name;
    bool nonResident13 = false; // offered for non-residents' income at 13 %
    bool saleDate = false;      // income from a sale; the entry windows ask for more data
    QList<DeductionCode> deductions;

    const DeductionCode* findDeduction(const QString& deductionCode) const;
};

// The income-code directory carried inside the program (root "IncomeDict"). Each window that needs
// it obtains its own copy.
class IncomeCodeDirectory
{
public:
    // The directory of the program.
    static IncomeCodeDirectory embedded();
    // The XML text of the program's directory, Windows-1251.
    static QByteArray embeddedXml();
    static std::optional<IncomeCodeDirectory> fromXml(const QByteArray& xml, QString* error);

    const QList<IncomeCode>& incomes() const { return m_incomes; }
    int count() const { return int(m_incomes.size()); }
    const IncomeCode& at(int index) const { return m_incomes.at(index); }

    // The first income code with exactly this code, or null.
    const IncomeCode* find(const QString& code) const;
    const IncomeCode* find(int code) const;

private:
    QList<IncomeCode> m_incomes;
};
