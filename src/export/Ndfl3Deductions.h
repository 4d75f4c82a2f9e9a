#pragma once

#include "export/ExportElement.h"

class kTSvodSum;
class mTDeclaration;

// The deduction and securities sheets of the 3-NDFL body under "СведДохВыч": property sale,
// standard, social, pension contracts, securities operations and property purchase.
namespace Ndfl3Deductions {

void write(const ExportElement& sheets, const mTDeclaration& declaration, const kTSvodSum& sum);

} // namespace Ndfl3Deductions
