#include "model/PersonInformation.h"

#include "model/file/Measure.h"
#include "storage/DayCount.h"

namespace {

constexpr int kFirstKnownYear = 2004;
constexpr int kCurrentYear = 2013;

// The tax year of a signature "TarvYYYY", or 0 for any other signature.
int signatureYear(const QString& signature)
{
    if (signature.size() != 8 || !signature.startsWith(QLatin1String("Tarv")))
        return 0;
    bool ok = false;
    const int year = QStringView(signature).sliced(4).toInt(&ok);
    return ok && year >= kFirstKnownYear && year <= kCurrentYear ? year : 0;
}

} // namespace

mTPersonInformation::mTPersonInformation()
    : DocIssueDate(DayCount::fromDate(1990, 1, 1)), BirthDate(DayCount::fromDate(1977, 1, 1))
{}

void mTPersonInformation::Transfer(RecordIO& io)
{
    const int year = signatureYear(io.signature());
    const bool known = year != 0;
    const bool later = year > kFirstKnownYear;
    const bool current = year == kCurrentYear;

    io.stream(QLatin1StringView("@PersonName"));
    io.text({"Surname"}, Surname);
    io.text({"FirstName"}, FirstName);
    io.text({"Patronymic"}, Patronymic);
    io.text({"INN"}, INN);
    if (known) {
        io.text({"NameReserved"}, NameReserved);
        io.text({"NameStatus"}, NameStatus);
    } else {
        NameStatus = QStringLiteral("0");
    }

    io.stream(QLatin1StringView("@PersonDocument"));
    io.word({"DocKind"}, DocKind);
    io.text({"DocKindName"}, DocKindName);
    io.text({"DocNumber"}, DocNumber);
    io.date({"DocIssueDate"}, DocIssueDate);
    io.date({"BirthDate"}, BirthDate);
    if (known) {
        io.text({"DocIssuer"}, DocIssuer);
        io.text({"BirthPlace"}, BirthPlace);
    }
    if (later)
        io.byte({"DocReserved"}, DocReserved);

    // Files of some years lack the citizenship streams; the rest of the record still reads.
    [&] {
        if (!io.optionalStream(QLatin1StringView("@Foreigner")))
            return;
        io.text({"CitizenshipSign"}, CitizenshipSign);
        io.text({"CitizenshipName"}, CitizenshipName);
        if (known) {
            io.text({"ForeignAddress"}, ForeignAddress);
            io.text({"CitizenshipCode"}, CitizenshipCode);
        }
        if (!later)
            return;
        if (!io.optionalStream(QLatin1StringView("@PhoneForeignerHome")))
            return;
        io.text({"ForeignHomePhone", 0}, ForeignHomePhone[0]);
        io.text({"ForeignHomePhone", 1}, ForeignHomePhone[1]);
        if (!io.optionalStream(QLatin1StringView("@PhoneForeignerWork")))
            return;
        io.text({"ForeignWorkPhone", 0}, ForeignWorkPhone[0]);
        io.text({"ForeignWorkPhone", 1}, ForeignWorkPhone[1]);
    }();

    io.stream(QLatin1StringView("@PersonAddress"));
    if (later)
        io.byte({"StayAddress"}, StayAddress);
    io.text({"PostIndex"}, PostIndex);
    io.word({"RegionCode"}, RegionCode);
    io.text({"RegionName"}, RegionName);
    io.text({"District"}, District);
    io.text({"City"}, City);
    io.text({"Locality"}, Locality);
    io.text({"Street"}, Street);
    io.text({"House"}, House);
    io.text({"Building"}, Building);
    io.text({"Flat"}, Flat);
    if (current)
        io.text({"OKTMO"}, OKTMO);

    if (later) {
        io.stream(QLatin1StringView("@HomePhone"));
        io.text({"HomePhoneReserved"}, HomePhoneReserved);
        io.text({"Phone"}, Phone);
        io.stream(QLatin1StringView("@WorkPhone"));
        io.text({"WorkPhone", 0}, WorkPhone[0]);
        io.text({"WorkPhone", 1}, WorkPhone[1]);
    }
}

qint64 mTPersonInformation::Size() const
{
    return Measure::size(*this);
}
