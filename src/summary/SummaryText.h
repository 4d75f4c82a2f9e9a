#pragma once

#include "summary/TaxSummary.h"

#include <QString>
#include <QStringList>

// The summary in words, in Russian: the amounts, the headline the main window's strip shows, and
// the whole summary as lines of text.
namespace SummaryText {

// Whole roubles in groups of three digits ("744 000"), kopecks after a comma when there are any
// ("1 234,50").
QString amount(Money value);
// The amount followed by " руб.".
QString roubles(Money value);
// What a line of Section 1 is: "К уплате", "К возврату" or "Нет суммы к уплате или к возврату".
QString paymentKind(SummaryPayment::Kind kind);
// What the declaration comes to, one phrase each: "К уплате: 12 345 руб.", "К возврату: 125 580
// руб.", "Налог не доплачивается и не возвращается" when nothing is due, or the fault with a dash
// instead of a figure.
QStringList headline(const TaxSummary& summary);
// The headline, Section 1 and every per-rate section with its lines, one line of text each; the
// lines that make up another are indented under it.
QString report(const TaxSummary& summary);

} // namespace SummaryText
