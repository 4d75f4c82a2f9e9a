#include "directories/CurrencyDirectory.h"

#include "directories/XmlReader.h"
#include "storage/DayCount.h"

namespace {

const QString& dateFormat()
{
    static const QString format = QStringLiteral("dd.MM.yyyy");
    return format;
}

// The day of a "dd.mm.yyyy" text, 0 when the text is not such a date. Read by hand: rates are
// many, and the general date parser is slow.
qint64 julianDayOf(const QString& text)
{
    if (text.size() != 10 || text.at(2) != QLatin1Char('.') || text.at(5) != QLatin1Char('.'))
        return 0;
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 3, 6};
    const int lengths[3] = {2, 2, 4};
    for (int p = 0; p < 3; ++p) {
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            const QChar c = text.at(i);
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return 0;
            parts[p] = parts[p] * 10 + (c.unicode() - '0');
        }
    }
    const QDate date(parts[2], parts[1], parts[0]);
    return date.isValid() ? date.toJulianDay() : 0;
}

// Every child of the root is a currency, every child of a currency one of its rates.
class CurrencyReader : public XmlReader::Handler
{
public:
    void startElement(int depth, const char*, const XmlReader::Attributes& attributes) override
    {
        if (depth == 1) {
            currencies.append({attributes.value("Code"),
                               attributes.value("Name"),
                               attributes.value("Quantity"),
                               {}});
        } else if (depth == 2) {
            currencies.last().rates.append({attributes.value("Date"), attributes.value("Rate"), 0});
        }
    }
    void characters(int, const char*, int) override {}
    void endElement(int) override {}

    QList<Currency> currencies;
};

} // namespace

CurrencyDirectory::CurrencyDirectory(QList<Currency> currencies)
    : m_currencies(std::move(currencies))
{
    for (Currency& currency : m_currencies) {
        for (CurrencyRate& rate : currency.rates)
            rate.julianDay = julianDayOf(rate.date);
    }
}

std::optional<CurrencyDirectory> CurrencyDirectory::fromXml(const QByteArray& xml, QString* error)
{
    CurrencyReader reader;
    if (!XmlReader::read(xml, reader, error))
        return std::nullopt;
    return CurrencyDirectory(std::move(reader.currencies));
}

const Currency* CurrencyDirectory::find(const QString& code) const
{
    for (const Currency& currency : m_currencies) {
        if (currency.code == code)
            return &currency;
    }
    return nullptr;
}

RateLookup CurrencyDirectory::rateFor(const QString& code, const QDate& date) const
{
    RateLookup result;
    const Currency* currency = find(code);
    if (!currency)
        return result;
    result.status = RateLookup::Status::NoRate;
    if (!date.isValid())
        return result;
    const QString written = date.toString(dateFormat());
    const qint64 day = date.toJulianDay();
    const CurrencyRate* remembered = nullptr;
    for (const CurrencyRate& rate : currency->rates) {
        if (rate.date == written) {
            remembered = &rate;
            break;
        }
        if (rate.julianDay == 0) {
            result.status = RateLookup::Status::BadDate;
            result.rateDate = rate.date;
            return result;
        }
        if (day > rate.julianDay)
            remembered = &rate;
    }
    if (remembered) {
        result.status = RateLookup::Status::Found;
        result.rate = remembered->rate;
        result.quantity = currency->quantity;
        result.rateDate = remembered->date;
    }
    return result;
}

RateLookup CurrencyDirectory::rateFor(const QString& code, double dayCount) const
{
    return rateFor(code, DayCount::toDate(dayCount));
}
