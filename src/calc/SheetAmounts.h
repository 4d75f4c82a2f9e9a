#pragma once

#include <vector>

class kTSvodSum;

// The per-rate sections the declaration shows, by rate in the order of the form (13, 30, 35, 9,
// 15): every section whose amounts add up to more than zero, and Section 2 alone when none does.
std::vector<int> WrittenSections(const kTSvodSum& sum);
