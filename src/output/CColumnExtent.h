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

// The digit places and lines that the column-form cells of one sheet reserve,
// taken from its largest questions, so that every cell of the sheet is the
// same size. Only two-operand questions are written in column form, and of
// decimals only sums and differences; the others stay on one line and do not
// count.
struct CColumnExtent {
    // "＋", "－", "×": places of the longest operand or result.
    int32_t places = 0;
    // Lines of partial products: the digits of the longest second factor of a
    // product, 0 when no second factor has more than one digit.
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
