#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// Plain decimal text: digits, a leading "-" for negatives, no grouping.
std::u16string DecimalText(int32_t value);
void AppendDecimalText(std::u16string& text, int32_t value);

// value × 10^-exponent as a textbook writes a decimal: "0.3" with its leading
// 0, no trailing zeros ("2.50" is "2.5", "4.0" is "4"), and a negative
// exponent's zeros after the digits (35 with -2 is "3500"). Not negative.
void AppendScaledText(std::u16string& text, int32_t value, int32_t exponent);
// The widest a value from 0 up to upper is written so: its digits, with a
// decimal point and a leading 0 where it has places, or the zeros of tens.
int32_t ScaledTextLength(int32_t upper, int32_t exponent);

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
