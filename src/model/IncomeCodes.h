#pragma once

#include <QtGlobal>

// Income codes the computation and the export treat apart from the others.
namespace IncomeCodes {
inline constexpr qint32 Dividends = 1010;
// Material benefit on borrowed money, at 35 %: counted with the benefit, no line of its own.
inline constexpr qint32 MaterialBenefit = 2620;
// Prizes and winnings, at 35 %: the part within the yearly allowance is exempt.
inline constexpr qint32 Prize = 2740;
// Pay in kind of a farm's workers.
inline constexpr qint32 FarmPayInKind = 2791;
} // namespace IncomeCodes
