#pragma once

#include "check/SectionRules.h"

#include <QChar>

class mTDeclaration;

// Business activities, entry by entry: every rule is tested on an activity before the next one,
// and each failure names the activity's 1-based position. Amounts in the messages use
// decimalSeparator. The section compares the total expenses with the sum of their parts for
// equality; the whole check also tests the activity code and the parts of the other expenses, and
// lets the total exceed its parts.
RuleFailures BusinessFailures(const mTDeclaration& declaration, CheckScope scope,
                              QChar decimalSeparator);

// Private practice (only the whole check tests it).
RuleFailures PracticeFailures(const mTDeclaration& declaration, QChar decimalSeparator);
