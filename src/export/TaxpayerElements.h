#pragma once

#include "export/ExportElement.h"
#include "export/ExportIdentifier.h"

#include <QString>

class mTDeclaration;

// The representative's full name cut into the three parts the signer element carries.
struct RepresentativeName
{
    QString surname;
    QString firstName;
    QString patronymic;

    // Surname and first name are the first two words (at most 60 characters each, a single blank
    // when missing); the patronymic is the rest, at most 60 characters.
    static RepresentativeName split(const QString& fullName);
};

// The elements the 3-NDFL document shares with the 4-NDFL one, and the 3-NDFL header and
// taxpayer.
namespace TaxpayerElements {

// "ДокПредст" of a taxpayer category (TaxpayerKind); the 4-NDFL document writes "000" for every
// category but the entrepreneur, the farm head, the notary and the lawyer.
QString categoryCode(quint8 kind, bool estimatedIncome);

// The attributes of "Документ" of the 3-NDFL document.
void writeNdfl3Header(const ExportElement& document, const mTDeclaration& declaration,
                      const ExportStamp& stamp);
// "СвНП" with "НПФЛ3": the taxpayer, the name, the address in the country and the personal data.
void writeNdfl3Taxpayer(const ExportElement& document, const mTDeclaration& declaration);
// "Подписант": who signs and, for a representative, the name and the authority.
void writeSigner(const ExportElement& document, const mTDeclaration& declaration);

} // namespace TaxpayerElements
