#pragma once

#include "check/SectionRules.h"

class mTDeclaration;

// The conditions of the declaration: the tax office and the representative who signs. The same
// rules in the section and in the whole check.
RuleFailures ConditionsFailures(const mTDeclaration& declaration);
