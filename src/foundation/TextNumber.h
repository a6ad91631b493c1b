#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// Plain decimal text: digits, a leading "-" for negatives, no grouping.
std::u16string DecimalText(int32_t value);
void AppendDecimalText(std::u16string& text, int32_t value);

// A value counts in a unit, given by a code: 10^-e for a code e from -3 to 3
// (2.35 is 235 of the unit 0.01), 1/d for a fraction's code FractionUnit(d)
// (3/5 is 3 of the unit 1/5), and the same written as a mixed number for
// MixedFractionUnit(d) ("1又1/2"). Denominators run from 2 to MaxDenominator.
inline constexpr int32_t MaxDenominator = 10000;
inline constexpr int32_t FractionUnitBase = 1000;
inline constexpr int32_t MixedFractionUnitBase = FractionUnitBase + MaxDenominator + 1;
constexpr int32_t FractionUnit(int32_t denominator) {
    return FractionUnitBase + denominator;
}
constexpr int32_t MixedFractionUnit(int32_t denominator) {
    return MixedFractionUnitBase + denominator;
}
constexpr bool IsFractionUnit(int32_t unit) {
    return unit > FractionUnitBase;
}
// 1 for a unit of a power of ten.
constexpr int32_t UnitDenominator(int32_t unit) {
    if (unit > MixedFractionUnitBase) {
        return unit - MixedFractionUnitBase;
    }
    return IsFractionUnit(unit) ? unit - FractionUnitBase : 1;
}

// The value in its unit as a textbook writes it. A decimal: "0.3" with its
// leading 0, no trailing zeros ("2.50" is "2.5", "4.0" is "4"), and a
// negative exponent's zeros after the digits (35 with -2 is "3500"). A
// fraction: "3/5", or "1又1/2" as a mixed number; the caller keeps it in
// lowest terms. Not negative.
void AppendScaledText(std::u16string& text, int32_t value, int32_t unit);
// The widest a value from 0 up to upper is written so: its digits, with a
// decimal point and a leading 0 where it has places, the zeros of tens, or a
// fraction's bar and denominator.
int32_t ScaledTextLength(int32_t upper, int32_t unit);

// The number in Chinese numerals, as a heading counts: 一, 十一, 二十, 一百零五.
// From 10000 on (no sheet has that many parts) it is the decimal text.
std::u16string ChineseNumeral(int32_t value);

// Reads a number from text: surrounding spaces, a sign, a fraction and an
// exponent are accepted. Anything else (also empty text) is the type-mismatch
// error 13.
double TextToDouble(std::u16string_view text);

// Rounds to the nearest whole number, halves to the even neighbour; outside the
// 32-bit range it is the overflow error 6.
int32_t RoundToInt32(double value);

// TextToDouble, then RoundToInt32: "  7.5 " is 8, "6.5" is 6.
int32_t TextToInt32(std::u16string_view text);

} // namespace kelvo
