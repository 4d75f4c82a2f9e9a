#pragma once

#include "summary/SummarySections.h"

class kTSvodSumPrilE1;
class kTSvodSumPrilM;

// Building blocks of the summary's lines, and the lines of the sheets that feed the sections.
namespace SummarySheets {

SummaryLine line(const QString& caption, Money amount, EntryPlace place = EntryPlace::Computed);
// A line of the section's element in the exported file.
SummaryLine formLine(const QString& caption, Money amount, const char* element);
// The same for a tax amount in whole roubles.
SummaryLine taxLine(const QString& caption, Money amount, const char* element);
// Adds the part when its amount is not zero.
void addPart(SummaryLine& to, SummaryLine part);
// Gives every line without a place of its own the place of the lines that make it up, or
// EntryPlace::Several when they come from different places.
void settlePlaces(SummaryLine& line);

// The non-taxable parts of income (gifts, aid, prizes, farm pay in kind).
void addExemptParts(SummaryLine& to, const kTSvodSumPrilM& exempt, EntryPlace place);
// Every deduction and expense of Section 2 of a resident, each with its main figures.
void addResidentDeductions(SummaryLine& to, const mTDeclaration& declaration, const kTSvodSum& sum,
                           const EnteredAmounts& entered);
// Securities operations: what was received, the taxable result, the losses used and carried.
SummaryLine securities(const kTSvodSum& sum, EntryPlace place);

} // namespace SummarySheets
