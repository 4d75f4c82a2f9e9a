#pragma once

#include <QString>

class mTDeclaration;

// What the declaration loses when it is stored with fewer kinds of income: the entries of every
// kind that goes, and the deductions when no kind is left (a declaration without income holds
// none in its file).
struct DroppedRecords
{
    // Sources of payment in the country (at 13 %, 13 % of a non-resident, 35 % and 30 %) and their
    // income lines: those of a 13 % source, one for a source at 35 % or 30 %.
    int countrySources = 0;
    int countryLines = 0;
    int currencyIncomes = 0;
    int businesses = 0;
    bool deductions = false;

    // What goes when the kinds the document would keep change from kept to keptAfter.
    static DroppedRecords of(const mTDeclaration& declaration, quint8 kept, quint8 keptAfter);

    bool empty() const;
    // The question asked before they go, naming each kind with its count: «Сведения о доходах в
    // РФ (3 источника, 17 строк) и о вычетах будут удалены. Продолжить?»
    QString question() const;
};
