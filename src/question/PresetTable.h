#pragma once

#include "generation/CQuestionRules.h"
#include "generation/DecimalUnits.h"
#include "generation/FractionShape.h"
#include "generation/QuestionForm.h"

#include <array>
#include <cstdint>

namespace kelvo {

// One range of a preset: lo..hi, multiples of `multipleOf`.
struct PresetRange {
    int32_t lower;
    int32_t upper;
    int32_t multipleOf;
};

// One entry of the question-type list. A separator has no operands.
struct PresetRecord {
    const char16_t* title;
    int32_t operandCount;
    std::array<PresetRange, 3> operands;
    std::array<const char16_t*, 2> gaps;
    PresetRange result;
    int32_t cbr;
    int32_t parentheses;
    // The classic entries have none; a textbook unit turns on what keeps it
    // mental arithmetic.
    CQuestionRules rules = {};
    // "计算" but for the entries of the other forms.
    QuestionForm form = QuestionForm::Calculate;
    // The places of a decimal entry's operands and result, which its ranges
    // count in.
    CDecimalUnits places = {};
    // What a fraction entry's operands are, whose ranges are then their
    // denominators', and how its results are written.
    CFractionShape fractions = {};
};

inline constexpr int32_t PresetCount = 110;

// The question-type list in display order: the custom entry, the graded
// presets and the group separators between them.
const std::array<PresetRecord, PresetCount>& PresetTable();

} // namespace kelvo
