#pragma once

#include "check/SectionRules.h"

// The fields of the taxpayer's name sub-frame that a rule leads to.
namespace TaxpayerField {
inline constexpr quint16 Surname = 1;
inline constexpr quint16 FirstName = 2;
inline constexpr quint16 Patronymic = 3;
inline constexpr quint16 Inn = 4;
inline constexpr quint16 DocumentKind = 5;
inline constexpr quint16 DocumentNumber = 6;
inline constexpr quint16 IssueDate = 7;
inline constexpr quint16 Issuer = 8;
inline constexpr quint16 BirthPlace = 9;
inline constexpr quint16 Oktmo = 10;
} // namespace TaxpayerField

// The fields of the residence sub-frame that a rule leads to.
namespace ResidenceField {
inline constexpr quint16 Region = 2;
inline constexpr quint16 Oktmo = 4;
inline constexpr quint16 Locality = 5;
} // namespace ResidenceField

class mTDeclaration;

// The taxpayer's name, INN, identity document and, for 4-NDFL, OKTMO. In the section an empty INN
// always fails; in the whole check only where the INN is required (business income, an
// entrepreneur, 4-NDFL).
RuleFailures TaxpayerNameFailures(const mTDeclaration& declaration, CheckScope scope);

// The residence: region and locality or street; in the section also the OKTMO of residence, which
// the whole check tests last of all (ResidenceOktmoFailures). The whole check skips them for
// 4-NDFL; the section asks for the OKTMO of residence only when the form is not 4-NDFL.
RuleFailures ResidenceFailures(const mTDeclaration& declaration, CheckScope scope);
RuleFailures ResidenceOktmoFailures(const mTDeclaration& declaration);
