#pragma once

#include "summary/TaxSummary.h"

class kTSvodSum;

// What the person entered before the computation limited it in the document.
struct EnteredAmounts
{
    Money childEducation;
};

// The per-rate sections the declaration shows, each line with the sheets that feed it.
std::vector<SummarySection> SummarySections(const mTDeclaration& declaration, const kTSvodSum& sum,
                                            const EnteredAmounts& entered);
