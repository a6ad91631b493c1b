#pragma once

#include "drill/CAnswer.h"

#include <optional>

namespace kelvo {

class CExprValue;

// The wrong answer a child typically gives to a two-operand question with
// fractions: numerators and denominators added or subtracted straight across
// (1/2＋1/3 → 2/5), a whole number worked with the numerator only (2－1/3 →
// 1/3), the right value left unreduced (1/6＋1/3 → 3/6, 1/2＋1/2 → 2/2), only
// the numerators multiplied under one of the denominators (2/3×4/5 → 8/3 or
// 8/5), a whole number multiplied into both parts (3/4×2 → 6/8, that is 3/4),
// the divisor
// not inverted (2/3÷4/5 → 8/15) or the dividend inverted instead, or the
// right numerator one off (5/6 → 2/3 or 1). A child who reduces a slip writes
// it in lowest terms, so every slip but the unreduced right value is given
// so. None is 0, negative or written as the right answer; where several fit,
// one is drawn at random. None for a question without fractions.
std::optional<CAnswer> FractionSlip(const CExprValue& question);

} // namespace kelvo
