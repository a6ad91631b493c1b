#include "generation/CExprValue.h"

#include "foundation/TextNumber.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"

namespace kelvo {

void CExprValue::CreateFrom(const CExpression& expr) {
    const OperandList& operands = expr.Operands();
    m_operandCount = operands.size();
    m_moreValues.clear();
    if (m_operandCount > PlacedCount) {
        m_moreValues.reserve(m_operandCount);
        for (const auto& operand : operands) {
            m_moreValues.push_back({operand->LeftOperator(), operand->ResultValue()});
        }
    } else {
        for (size_t k = 0; k < m_operandCount; ++k) {
            m_placedValues[k] = {operands[k]->LeftOperator(), operands[k]->ResultValue()};
        }
    }
    m_resultValue = expr.ResultOperand()->ResultValue();
    m_remainderValue = expr.ResultOperand()->RemainderValue();
}

CStringBuilder CExprValue::LeftPartToString() const {
    CStringBuilder text;
    const std::span<const OperandValue> values = OperandValues();
    for (size_t k = 0; k < values.size(); ++k) {
        if (k > 0) {
            text.Append(OperatorText(values[k][0]));
        }
        text.Append(DecimalText(values[k][1]));
    }
    text.Append(u"=");
    return text;
}

} // namespace kelvo
