#pragma once

#include "question/PresetTable.h"

#include <span>

namespace kelvo {

// One term of the school year ("一年级上") and its 口算 units in textbook
// order, by title: a unit is one of UnitPresetTable's records or one of the
// presets of PresetTable that belongs to the term.
struct PresetTerm {
    const char16_t* name;
    std::span<const char16_t* const> unitTitles;
};

// The presets named as the textbook units are, beside the question-type list
// of PresetTable; no title of one stands in the other.
std::span<const PresetRecord> UnitPresetTable();
std::span<const PresetTerm> PresetTerms();

} // namespace kelvo
