#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvo {

class CExprValue;

// An answer as the child gives it, typed or chosen: a whole number, a
// decimal ("1.2" is 12 with 1 place), a fraction ("3/5" is 3 in the unit
// 1/5), for a division with a remainder its quotient and its
// remainder ("3……2"), or for a comparison or an operator question the signs written into its
// circles ("＞", "＋×").
struct CAnswer {
    // A whole number is an answer as it stands.
    CAnswer(int32_t iValue, std::optional<int32_t> remainder = std::nullopt)
        : value(iValue), remainder(remainder) {}

    static CAnswer Signs(std::u16string signs);
    // value × 10^-exponent kept without trailing zeros after the point, so
    // that "1.20" and "1.2" are one answer and 3500 counted in hundreds is
    // the whole number 3500.
    // A fraction's unit gives the fraction as Fraction does.
    static CAnswer Scaled(int32_t value, int32_t exponent);
    // numerator/denominator as written, not reduced: "2/4" is not the
    // answer 1/2, and a mixed number counts as its improper fraction. A
    // denominator of 1 is the whole number.
    static CAnswer Fraction(int32_t numerator, int32_t denominator);
    // The question's right answer: the sign or operators for the forms that
    // ask for them, the rounded calculation of an estimate, else the result
    // with its remainder when it has one.
    static CAnswer RightFor(const CExprValue& question);

    bool IsSigns() const { return !signs.empty(); }
    // "3", "1.2", "3……2" or the signs.
    std::u16string Text() const;
    bool operator==(const CAnswer&) const = default;

    // The whole number, or the quotient; 0 for signs. A decimal's digits.
    int32_t value;
    // The decimal places of value, or a fraction's unit; 0 for a whole
    // number.
    int32_t places = 0;
    // None for a whole number, and for a quotient given without its remainder,
    // which never counts as the right answer to a question with one.
    std::optional<int32_t> remainder;
    // One sign per circle, left to right; empty for a number.
    std::u16string signs;
};

} // namespace kelvo
