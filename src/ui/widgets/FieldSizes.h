#pragma once

// The sizes of the entry fields, named by what a field holds. A size is both what the field takes
// and how wide it is: a field is wide enough to show the longest value it takes, so no call site
// gives a width in pixels.

// A field of digits only: how many digits it takes.
enum class Digits : int
{
    FirstChildrenCount = 1, // the first and second children of a family
    ChildrenCount = 2,
    Month = 2, // the number of a month, 1 to 12
    Year = 4,
    Postcode = 6,
    SharePart = 6, // the numerator or the denominator of a share
    Kpp = 9,
    OrganisationInn = 10,
    Oktmo = 11,
    PersonInn = 12,
    Phone = 20,
    ProofSheets = 4,   // sheets of supporting documents
    CurrencyUnits = 7, // the units of a currency an exchange rate is quoted for
    CurrencyCode = 3,  // typed only where no currency directory was loaded
};

// A field of any text: how many characters it takes. A short text (up to kShortText characters)
// is exactly as wide as its longest value; a longer one takes the width its row gives it.
enum class TextLength : int
{
    HouseNumber = 7, // house, building, flat
    ContractNumber = 20,
    NamePart = 33, // surname, first name, patronymic
    AddressLine = 40,
    BirthPlace = 128,
    DocumentIssuer = 128,
    ForeignAddress = 140,
    CurrencyName = 30,
    ForeignSourceName = 94, // a source of income abroad
    Representative = 182,   // a representative's full name, an organisation's name
    // No limit of its own (as much as a line edit takes): a text the file keeps whatever its
    // length, such as the document that empowers a representative.
    Unlimited = 32767,
    OrganisationName = 1000, // a source of payment, a pension fund or an insurer
};
inline constexpr int kShortText = 10;

// The shape of a money amount: how many integer digits and decimals it takes.
struct AmountShape
{
    int integerDigits;
    int decimals;

    // The longest text of the shape: its digits and the decimal comma.
    constexpr int characters() const { return integerDigits + (decimals > 0 ? decimals + 1 : 0); }
};

namespace Amount {
// Roubles and kopecks, up to twelve digits of roubles.
inline constexpr AmountShape Kopecks{12, 2};
// Whole roubles, up to twelve digits.
inline constexpr AmountShape WholeRoubles{12, 0};
// Roubles for one unit of a foreign currency, to four decimals as the central bank quotes them.
inline constexpr AmountShape ExchangeRate{4, 4};
// An amount of twelve digits in a foreign currency at a rate of up to four digits, in roubles.
inline constexpr AmountShape ConvertedRoubles{16, 2};
// A sum of amounts the program works out (the income of a source over all its lines): as many
// roubles as an amount can hold, and kopecks.
inline constexpr AmountShape Total{15, 2};
// The costs and deductions of a property bought or built: up to eight digits of roubles.
inline constexpr AmountShape PropertyKopecks{8, 2};
} // namespace Amount

// What a read-only display beside a picker button shows: a directory code (as wide as a code of
// kCodeDigits digits) or a name (as wide as its row).
enum class Shows
{
    Code,
    Name,
};
inline constexpr int kCodeDigits = 6;

// The series and number of an identity document: its longest shape.
inline constexpr int kDocumentNumberCharacters = 20;
