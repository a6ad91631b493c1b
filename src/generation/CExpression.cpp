#include "generation/CExpression.h"

#include "foundation/TextNumber.h"
#include "generation/CGenerationJob.h"

#include <limits>
#include <vector>

namespace kelvo {

namespace {

void AppendOperator(std::u16string& text, const COperand& operand) {
    const int32_t code = operand.LeftOperator();
    if (code >= Op::Plus && code <= Op::RightParenthesis) {
        text += OperatorText(code);
    }
}

} // namespace

void CExpression::Init(OperandList colOps, std::shared_ptr<COperand> result) {
    m_operands = std::move(colOps);
    m_resultOperand = std::move(result);
}

bool CExpression::CreateInstances(QuestionList& questions, int32_t iCount,
                                  CInfoReceiver* receiver) {
    CGenerationJob(receiver).Run({this}, iCount, questions);
    return GetPermCombineTimes() > EnumerationLimit;
}

CRuleFilter CExpression::RuleFilter() const {
    std::vector<int32_t> codes;
    for (const auto& operand : m_operands) {
        codes.push_back(operand->LeftOperator());
    }
    CRuleFilter filter(m_rules, codes, m_parentheses, m_resultOperand->LowerLimit(),
                       m_resultOperand->UpperLimit(), m_form);
    filter.RequireLastPlaces(m_lastPlaceSteps);
    return filter;
}

std::u16string CExpression::ToString() const {
    std::u16string text;
    for (size_t k = 0; k < m_operands.size(); ++k) {
        AppendOperator(text, *m_operands[k]);
        if (m_parentheses.Opens(k)) {
            text += ParenthesisText(Op::LeftParenthesis);
        }
        AppendDecimalText(text, m_operands[k]->ResultValue());
        if (m_parentheses.Closes(k)) {
            text += ParenthesisText(Op::RightParenthesis);
        }
    }
    AppendOperator(text, *m_resultOperand);
    AppendDecimalText(text, m_resultOperand->ResultValue());
    return text;
}

std::shared_ptr<CExprValue> CExpression::GetExprValue() const {
    auto value = std::make_shared<CExprValue>();
    value->CreateFrom(*this);
    return value;
}

uint64_t CExpression::GetPermCombineTimes() const {
    constexpr uint64_t largest = std::numeric_limits<uint64_t>::max();
    uint64_t size = 1;
    for (const auto& operand : m_operands) {
        const auto count = static_cast<uint64_t>(std::max(operand->Limit()->Count(), 0));
        size = (count != 0 && size > largest / count) ? largest : size * count;
    }
    return size;
}

void CExpression::ClearResults() {
    m_filledUnits = m_units;
    for (const auto& operand : m_operands) {
        operand->ClearResults();
    }
    m_resultOperand->ClearResults();
}

} // namespace kelvo
