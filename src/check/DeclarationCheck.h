#pragma once

#include "check/CheckAnswerer.h"

#include <QChar>
#include <QString>

class mTDeclaration;

// Groups of the whole-declaration check, in the order they run, and the sections they lead to.
namespace CheckGroup {
inline constexpr quint16 Conditions = 1; // conditions frame, FocusError(code)
inline constexpr quint16 Taxpayer = 2;   // taxpayer section, name sub-frame (index 0)
inline constexpr quint16 Residence = 3;  // taxpayer section, address sub-frame (index 1)
inline constexpr quint16 Income13 = 4;   // Russian income, 13 % sub-frame (index 0), position
inline constexpr quint16 Currency = 7;   // foreign-currency section, position
inline constexpr quint16 Business = 8;   // business section, position
inline constexpr quint16 Practice = 11;  // no section is shown
inline constexpr quint16 Deductions = 9; // deductions section, standard sub-frame (index 0)
inline constexpr quint16 Property = 10;  // deductions section, property sub-frame (index 1)
} // namespace CheckGroup

// The outcome of the whole check: the group in which it stopped (Residence when every rule
// passed) and the field code: 0 passed, Cancelled for "Отмена", otherwise the field or the
// 1-based position at which the user chose "Исправить".
struct CheckOutcome
{
    static constexpr qint16 Cancelled = -1;

    quint16 group = CheckGroup::Residence;
    qint16 field = 0;

    bool passed() const { return field == 0; }
    bool cancelled() const { return field == Cancelled; }
    bool operator==(const CheckOutcome&) const = default;
};

// The title shown for a group (group 9 has two; this gives the one of its first rule).
QString CheckGroupTitle(quint16 group);

// Checks the whole declaration against the fixed sequence of rules. At most one question is asked:
// the first rule that fails is put to the answerer, and its answer decides the outcome. Amounts in
// the messages use decimalSeparator. The document is only read.
CheckOutcome CheckDeclaration(const mTDeclaration& declaration, CheckAnswerer& answerer,
                              QChar decimalSeparator = QLatin1Char(','));
