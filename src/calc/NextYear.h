#pragma once

#include "model/Declaration.h"

#include <QString>
#include <optional>

// The declaration of the tax year after this one, or why there is none.
struct NextYearDeclaration
{
    std::optional<mTDeclaration> declaration;
    // Set when there is no declaration: the year is one this program does not fill in, or the
    // computation of this year failed.
    QString refusal;
};

// Makes next year's declaration from this year's one and its computation. What describes the
// person is kept: the conditions (correction number 0, the following tax year), the taxpayer, the
// property object with the amounts the property sheet leaves to the following years, the
// securities losses not yet set off, and the standard deductions as they stood in December.
// Income, tax withheld, advance payments, tax notices and this year's social and monthly amounts
// start empty. Only a declaration for 2013 has a following year here.
NextYearDeclaration MakeNextYearDeclaration(const mTDeclaration& current);
