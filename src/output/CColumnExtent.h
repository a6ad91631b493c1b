#pragma once

#include "generation/CExpression.h"

#include <cstdint>

namespace kelvo {

class CExprValue;

// The digit places and lines that the column-form cells of one sheet reserve,
// taken from its largest questions, so that every cell of the sheet is the
// same size. Only two-operand questions are written in column form; the
// others stay on one line and do not count.
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
