#pragma once

#include "drill/CAnswer.h"

#include <cstdint>
#include <optional>

namespace kelvo {

class CExprValue;
class CValueLimit;

// The wrong answer a child typically gives to a two-operand question, when the
// question invites one and it lies in the result range: the carry forgotten
// (27＋15 → 32), the borrow forgotten (42－17 → 35), off by ten for other sums
// and differences with tens (13＋4 → 7 or 27), a neighbouring table fact for ×
// (7×8 → 48, 49, 63 or 64) and ÷ (56÷8 → 6 or 8). Where several fit, one is
// drawn at random. None otherwise.
std::optional<int32_t> TypicalSlip(const CExprValue& question, const CValueLimit& resultLimit);

// The wrong answer a child typically gives to a two-operand question with
// decimals: the point misplaced in a product (0.3×0.2 → 0.6, 0.3×4 → 12) or a
// quotient (4.8÷4 → 12, 0.6÷0.2 → 0.3); for sums and differences of operands
// with different places the digits lined up at the right (2.3＋0.45 → 0.68),
// else the carry or borrow forgotten or the tenths carried as hundredths
// (0.7＋0.5 → 0.12). Where several fit, one is drawn at random. None for
// other questions.
std::optional<CAnswer> DecimalSlip(const CExprValue& question);

} // namespace kelvo
