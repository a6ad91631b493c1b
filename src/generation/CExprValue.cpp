#include "generation/CExprValue.h"

#include "foundation/TextNumber.h"
#include "generation/CExpression.h"
#include "generation/OperatorCodes.h"

namespace kelvo {

void CExprValue::CreateFrom(const CExpression& expr) {
    const OperandList& operands = expr.Operands();
    m_operandValues.clear();
    m_operandValues.reserve(operands.size());
    for (const auto& operand : operands) {
        m_operandValues.push_back({operand->LeftOperator(), operand->ResultValue()});
    }
    m_resultValue = expr.ResultOperand()->ResultValue();
    m_remainderValue = expr.ResultOperand()->RemainderValue();
}

CStringBuilder CExprValue::LeftPartToString() const {
    CStringBuilder text;
    for (size_t k = 0; k < m_operandValues.size(); ++k) {
        if (k > 0) {
            text.Append(OperatorText(m_operandValues[k][0]));
        }
        text.Append(DecimalText(m_operandValues[k][1]));
    }
    text.Append(u"=");
    return text;
}

} // namespace kelvo
