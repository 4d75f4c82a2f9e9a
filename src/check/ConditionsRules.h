#pragma once

#include "check/SectionRules.h"

// The fields of the conditions frame that a rule leads to.
namespace ConditionsField {
inline constexpr quint16 Inspection = 1;
inline constexpr quint16 EstimatedIncome = 2;
inline constexpr quint16 RepresentativeName = 3;
inline constexpr quint16 RepresentativeDocument = 4;
inline constexpr quint16 RepresentativeOrganisation = 5;
} // namespace ConditionsField

class mTDeclaration;

// The conditions of the declaration: the tax office and the representative who signs. The same
// rules in the section and in the whole check.
RuleFailures ConditionsFailures(const mTDeclaration& declaration);
