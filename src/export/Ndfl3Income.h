#pragma once

#include "export/ExportElement.h"

#include <QString>

class kTSvodSum;
class mTDeclaration;

// The income sheets of the 3-NDFL body under "СведДохВыч": sources in the country by rate,
// foreign income, business, non-taxable income, prizes, material benefit and professional
// deductions.
namespace Ndfl3Income {

void write(const ExportElement& sheets, const mTDeclaration& declaration, const kTSvodSum& sum);

// The source of an income: "ИстФЛИн" for an individual (an INN not of 10 characters and no KPP),
// "ИстЮЛ" otherwise.
void writeSource(const ExportElement& parent, const QString& name, const QString& inn,
                 const QString& kpp);

} // namespace Ndfl3Income
