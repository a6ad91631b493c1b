#pragma once

#include "generation/CExpression.h"

#include <cstdint>
#include <string>

namespace kelvo {

class CExprValue;

// A column question's numbers as written ("2.35", "1.4"), lined up by their
// decimal points: units under units, tenths under tenths.
struct CColumnTexts {
    std::u16string upper;
    std::u16string lower;
    std::u16string result;
    // The places after the point of the question's unit; 0 for whole numbers.
    int32_t fractionPlaces = 0;

    static CColumnTexts Of(const CExprValue& question);
    // The places between the text's last character and the column's right
    // edge: those of the point and the fraction it lacks.
    int32_t ShiftOf(const std::u16string& text) const;
    int32_t PlacesOf(const std::u16string& text) const {
        return static_cast<int32_t>(text.size()) + ShiftOf(text);
    }
};

// A number of a column product as written without its point: its digits, how
// many of them stand after the point (0: no point), and the empty places right
// of its last digit.
struct CColumnDigits {
    std::u16string digits;
    int32_t fractionDigits = 0;
    int32_t shift = 0;

    int32_t Places() const { return static_cast<int32_t>(digits.size()) + shift; }
};

// A product in column form as a textbook writes it: the factors lined up by
// their last digits whatever their points, and the product at the places of
// both factors' fractions together ("2.35 × 1.4" has its product at
// thousandths, so "3.29" ends one place short of the right edge). A point
// stands between two places, not in one of its own.
struct CProductColumn {
    CColumnDigits upper;
    CColumnDigits lower;
    CColumnDigits result;

    static CProductColumn Of(const CExprValue& question);
    // A line for each digit of the second factor after its leading zeros
    // ("0.25" has two), none for a single digit.
    int32_t PartialLines() const;
};

// The digit places and lines that the column-form cells of one sheet reserve,
// taken from its largest questions, so that every cell of the sheet is the
// same size. Only two-operand questions are written in column form, and of
// decimals only sums, differences and products; the others stay on one line
// and do not count.
struct CColumnExtent {
    // "＋", "－", "×": places of the longest operand or result.
    int32_t places = 0;
    // Lines of partial products: the most of any product, 0 when none has any.
    int32_t partialLines = 0;
    // "÷": places of the longest divisor, dividend and quotient.
    int32_t divisorPlaces = 0;
    int32_t dividendPlaces = 0;
    int32_t quotientPlaces = 0;

    static bool IsColumnQuestion(const CExprValue& question);
    static CColumnExtent Of(const QuestionList& questions);
    // Widens the extent for the first count questions of the list.
    void Include(const QuestionList& questions, int32_t count);
    bool HasColumns() const { return places > 0 || dividendPlaces > 0; }

    bool operator==(const CColumnExtent&) const = default;
};

} // namespace kelvo
