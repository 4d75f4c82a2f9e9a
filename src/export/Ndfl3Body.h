#pragma once

#include "export/ExportElement.h"

class kTSvodSum;
class mTDeclaration;

// The body "НДФЛ3" of the 3-NDFL document from the computed sheets: the tax bases by rate, the
// income, deduction and securities sheets, and the payment lines.
namespace Ndfl3Body {

void write(const ExportElement& document, const mTDeclaration& declaration, const kTSvodSum& sum);

// Whether the declaration has nothing for the income and deduction sheets ("СведДохВыч").
bool hasNoSheets(const mTDeclaration& declaration, const kTSvodSum& sum);

} // namespace Ndfl3Body
