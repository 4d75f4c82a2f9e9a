#pragma once

#include "check/CheckAnswerer.h"

#include <QString>

// What an INN is expected to be.
enum class InnKind
{
    Any = 0,
    Organisation = 1,
    Person = 2
};

// Results of CheckINN.
namespace InnCheck {
inline constexpr int Valid = 0;
inline constexpr int Empty = 1;
inline constexpr int BadLengthAny = 2;          // neither 10 nor 12 characters
inline constexpr int BadLengthOrganisation = 3; // not 10 characters
inline constexpr int BadLengthPerson = 4;       // not 12 characters
inline constexpr int WrongControlDigits = 5;    // also for a character that is not a digit
} // namespace InnCheck

// Results of CheckKPP.
namespace KppCheck {
inline constexpr int Valid = 0;
inline constexpr int Empty = 1;
inline constexpr int BadLength = 2;
} // namespace KppCheck

// Field codes returned by the source-of-payment checks.
namespace SourceField {
inline constexpr quint16 None = 0;
inline constexpr quint16 Name = 1;
inline constexpr quint16 Inn = 2;
inline constexpr quint16 Kpp = 3;
inline constexpr quint16 Oktmo = 4;
} // namespace SourceField

// The INN after trimming spaces, with its length and control digits.
int CheckINN(const QString& inn, InnKind kind);
// The KPP after trimming spaces: empty or not 9 characters long.
int CheckKPP(const QString& kpp);

// Whether an OKTMO code, trimmed, has one of its two lengths: 8 or 11 characters.
bool OktmoLengthValid(const QString& oktmo);

// The source-of-payment checks an entry dialog runs when the user confirms a source. They ask
// through one section error dialog titled "Проверка: " + groupTitle and return 0 or the field to
// fix (SourceField). A caller without an OKTMO field passes an 11-character placeholder.
quint16 CheckPaymentSource(CheckAnswerer& answerer, const QString& groupTitle,
                           const QString& sourceName, const QString& sourceOKTMO,
                           const QString& sourceKPP, const QString& sourceINN);
// The same with every rule mandatory: an organisation's INN and a KPP are required.
quint16 CheckPaymentSourceStrict(CheckAnswerer& answerer, const QString& groupTitle,
                                 const QString& sourceName, const QString& sourceOKTMO,
                                 const QString& sourceKPP, const QString& sourceINN);
