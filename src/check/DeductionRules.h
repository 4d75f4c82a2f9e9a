#pragma once

#include "check/SectionRules.h"

class mTDeclaration;

// Social deductions claimed without any amount, child's education or pension contract.
RuleFailures SocialFailures(const mTDeclaration& declaration);

// Standard deductions taken by months while income at 13 % came from two sources in one month
// (only the whole check, and only without business income or deductions by monthly income).
RuleFailures StandardFailures(const mTDeclaration& declaration);

// The property-purchase deduction, when claimed: the object, its owner and dates. The section also
// asks for the postcode; the whole check also tests the amounts of earlier years against their
// limits.
RuleFailures PropertyFailures(const mTDeclaration& declaration, CheckScope scope);
