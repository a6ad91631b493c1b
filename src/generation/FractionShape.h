// Fractions run on the whole-number engine as decimals do: a fraction is a
// whole number of its unit 1/d (see TextNumber.h). A fraction kind says what
// its two operands are and how its results are written; its questions are
// enumerated by CGeneratorFraction.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace kelvo {

enum class FractionOperand : uint8_t {
    Whole,
    // 真分数: below 1, such as 3/5.
    Proper,
    // 假分数: above 1 and below ImproperValueCeiling, not a whole number,
    // such as 7/4.
    Improper,
};

enum class FractionResult : uint8_t {
    // Only whole results: "1/2＋1/2=1", "3/4×4=3".
    Whole,
    // In lowest terms, a whole number when it is one, else as a fraction:
    // "1/2＋2/3=7/6".
    Fraction,
    // As Fraction, an improper result as a mixed number: "1又1/6".
    Mixed,
};

// The denominators a fraction operand may have, and the whole numbers a whole
// operand of a fraction kind may be: a question of them is worked out at a
// glance, and every kind stays small enough to be enumerated.
inline constexpr int32_t LargestOperandDenominator = 20;
inline constexpr int32_t LargestWholeFractionOperand = 100;
inline constexpr int32_t ImproperValueCeiling = 3;

struct CFractionShape {
    std::array<FractionOperand, 2> operands{FractionOperand::Whole, FractionOperand::Whole};
    FractionResult result = FractionResult::Whole;

    // A kind with a fraction among its operands, or whole operands whose
    // quotient is a fraction ("3÷4=3/4").
    bool IsFraction() const {
        return result != FractionResult::Whole ||
               std::ranges::any_of(operands,
                                   [](FractionOperand o) { return o != FractionOperand::Whole; });
    }
    friend bool operator==(const CFractionShape&, const CFractionShape&) = default;
};

} // namespace kelvo
