#pragma once

#include "check/SectionRules.h"

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
