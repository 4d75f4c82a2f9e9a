#pragma once

#include "export/ExportElement.h"
#include "export/ExportIdentifier.h"

class mTDeclaration;

// The 4-NDFL document, the estimated income of a person starting business or private practice:
// header, taxpayer, signer and the estimated income. Nothing computed is written.
namespace Ndfl4Document {

void write(const ExportElement& document, const mTDeclaration& declaration,
           const ExportStamp& stamp);

} // namespace Ndfl4Document
