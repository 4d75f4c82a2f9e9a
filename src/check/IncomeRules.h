#pragma once

#include "check/SectionRules.h"

class mTDeclaration;

// Income at 13 % by source of payment and income abroad in foreign currency. Each failure names the
// 1-based position of its entry. The section takes the entries one by one and stops at the first
// rule an entry fails; the whole check runs each rule over every entry before the next rule.

// In the section only the withheld tax is compared with the income; the whole check also asks for
// at least one income line.
RuleFailures Income13Failures(const mTDeclaration& declaration, CheckScope scope);
RuleFailures CurrencyFailures(const mTDeclaration& declaration, CheckScope scope);
