#pragma once

#include "check/SectionRules.h"

// The fields of the social deductions frame that a rule leads to.
namespace SocialField {
inline constexpr quint16 FirstAmount = 1;
inline constexpr quint16 ContractList = 3;
} // namespace SocialField

// The fields of the property deduction frame that a rule leads to.
namespace PropertyField {
inline constexpr quint16 ObjectKind = 1;
inline constexpr quint16 PostIndex = 2;
inline constexpr quint16 RightRegistrationDate = 4;
inline constexpr quint16 StartYear = 5;
inline constexpr quint16 CarriedCost = 6;
inline constexpr quint16 CarriedInterest = 7;
inline constexpr quint16 PriorCost = 8;
inline constexpr quint16 PriorInterest = 9;
inline constexpr quint16 OwnershipKind = 10;
inline constexpr quint16 OwnerSign = 11;
inline constexpr quint16 Region = 12;
} // namespace PropertyField

// The field of the whole check's standard-deductions rule (the months of the standard deductions).
namespace StandardField {
inline constexpr quint16 Months = 2;
} // namespace StandardField

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
