#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One official rate of a currency: roubles for the currency's quantity of units, from a date.
struct CurrencyRate
{
    QString date;         // "dd.mm.yyyy" as written in the file
    QString rate;         // as written in the file, with the decimal comma
    qint64 julianDay = 0; // the date parsed when the file was read; 0 when it is not a valid date
};

// One currency of "CurrencyRates.xml" with its rates in document order.
struct Currency
{
    QString code; // three-digit numeric code
    QString name;
    QString quantity; // the number of units a rate refers to, as text
    QList<CurrencyRate> rates;
};

// The outcome of a rate look-up.
struct RateLookup
{
    enum class Status
    {
        Found,      // rate and quantity hold the texts of the file
        NoCurrency, // the directory has no currency with that code
        NoRate,     // no rate of that date or earlier
        BadDate,    // a rate date met on the walk is not a valid "dd.mm.yyyy" date
    };

    Status status = Status::NoCurrency;
    QString rate;
    QString quantity;
    QString rateDate; // the "Date" text of the rate taken

    bool found() const { return status == Status::Found; }
};

// Currencies and their exchange rates, kept for the life of the program.
class CurrencyDirectory
{
public:
    CurrencyDirectory() = default;
    explicit CurrencyDirectory(QList<Currency> currencies);

    static std::optional<CurrencyDirectory> fromXml(const QByteArray& xml, QString* error);

    const QList<Currency>& currencies() const { return m_currencies; }
    int count() const { return int(m_currencies.size()); }

    // The first currency with exactly this code, or null.
    const Currency* find(const QString& code) const;

    // The rate of the currency for a date (the time of day does not count): the rate of exactly
    // that date when the walk over the rates in document order meets it first; otherwise the last
    // rate in document order whose date is before the given one.
    RateLookup rateFor(const QString& code, const QDate& date) const;
    // The same for a day count (days since 30.12.1899).
    RateLookup rateFor(const QString& code, double dayCount) const;

private:
    QList<Currency> m_currencies;
};
