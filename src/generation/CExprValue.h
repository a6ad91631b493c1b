#pragma once

#include "foundation/CStringBuilder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelvo {

class CExpression;

// One generated question: a snapshot of a filled template that later changes of
// the template do not reach.
class CExprValue {
public:
    // Index 0: the operator code to the left of the operand; index 1: its value.
    using OperandValue = std::array<int32_t, 2>;

    // One entry per operand, in reading order.
    std::span<const OperandValue> OperandValues() const {
        if (m_operandCount > PlacedCount) {
            return m_moreValues;
        }
        return std::span<const OperandValue>(m_placedValues).first(m_operandCount);
    }
    void CreateFrom(const CExpression& expr);

    int32_t ResultValue() const { return m_resultValue; }
    void SetResultValue(int32_t value) { m_resultValue = value; }
    int32_t RemainderValue() const { return m_remainderValue; }
    void SetRemainderValue(int32_t value) { m_remainderValue = value; }

    // The question without its answer, for example "12＋5=".
    CStringBuilder LeftPartToString() const;

private:
    // A worksheet holds up to 100000 questions of at most four operands each:
    // their values are kept in place, and only a longer template's elsewhere.
    static constexpr size_t PlacedCount = 4;

    std::array<OperandValue, PlacedCount> m_placedValues{};
    std::vector<OperandValue> m_moreValues;
    size_t m_operandCount = 0;
    int32_t m_resultValue = -1;
    int32_t m_remainderValue = -1;
};

} // namespace kelvo
