#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvo {

class CExpression;

// How many digits the answer slots of a kind's questions reserve: one entry
// per operand position, and the result; the decimal lengths of the upper
// limits of the template's operands and of its result operand, and the
// remainder's.
struct CSlotLengths {
    std::vector<int32_t> operands;
    int32_t result = 0;
    // The remainder's digits (those of the largest divisor less one), 0 for a
    // kind without a remainder.
    int32_t remainder = 0;

    static CSlotLengths Of(const CExpression& expression);
    // The longest slots of all the templates, position by position: a mixed
    // sheet's slots fit the questions of every kind on it.
    static CSlotLengths Of(const std::vector<std::shared_ptr<CExpression>>& templates);
};

} // namespace kelvo
