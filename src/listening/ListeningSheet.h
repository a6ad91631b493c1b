#pragma once

#include "output/COutputSettings.h"
#include "worksheet/Sheet.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// The questions of a sheet as a 听算 round says them, in the sheet's order,
// and the pace that suits them.
struct CListeningQuestions {
    std::vector<std::u16string> spoken;
    // Longer for bigger numbers and more operands: the pupil holds the
    // question in mind while working it out.
    std::chrono::seconds pace{0};
};

// Every question the sheet shows under the layout, in the layout's form
// (a fill-in question is read with its blank).
CListeningQuestions ListeningQuestions(const CSheet& sheet, const COutputSettings& layout);

} // namespace kelvo
