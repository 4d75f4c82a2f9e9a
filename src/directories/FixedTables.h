#pragma once

#include "directories/CodeDirectory.h"

// The two fixed directories of the program, in the order the pickers show them.
namespace FixedTables {

// The 14 kinds of identity documents, codes "03" to "91".
const QList<DirectoryEntry>& DocumentKinds();
// The 85 regions, codes "01" to "99".
const QList<DirectoryEntry>& Regions();

// Codes of identity documents that the rules name (the number of the code text: "21" is 21).
namespace DocumentKind {
inline constexpr quint16 None = 0;
inline constexpr quint16 MilitaryCard = 7; // "Военный билет солдата ..."
inline constexpr quint16 TemporaryMilitary = 8; // "Временное удостоверение ... военного билета"
inline constexpr quint16 Passport = 21; // "Паспорт гражданина РФ"
inline constexpr quint16 ServicemanCard = 24; // "Удостоверение личности военнослужащего РФ"
} // namespace DocumentKind

// Documents issued to a person of fourteen or older: their issue date lies at least 14 years
// after the birth date.
bool IssuedFromFourteen(quint16 documentKind);

// Income from securities and derivatives (1530 to 1541 but 1534): their expenses may exceed the
// income, and a deduction of theirs needs no amount of its own.
bool IsSecuritiesIncome(qint32 incomeCode);
// The expense codes of securities and derivatives income.
bool IsSecuritiesExpense(qint32 deductCode);
// Income codes whose deductions a non-resident may claim at 13 %.
bool NonResidentMayDeduct(qint32 incomeCode);

} // namespace FixedTables
