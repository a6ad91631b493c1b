// The facts of a child's weak-spot sheet (弱项练习卷), to practise on paper.
#pragma once

#include "drill/FactMastery.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvo {

// One question in this many on the sheet is a fluent fact that is not due,
// so that the child meets some they know among the hard ones.
constexpr size_t WeakSheetFluentShare = 4;

// As places in the kind's list of facts: every fact missed, slow or due for
// review once, and one fluent fact for every WeakSheetFluentShare − 1 of them
// as far as there are fluent ones, picked and shuffled from the seed. None
// when no fact is weak or due.
std::vector<size_t> ChooseWeakSpots(const std::vector<CFactMastery>& facts, int32_t today,
                                    uint64_t seed);

} // namespace kelvo
