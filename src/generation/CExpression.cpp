#include "generation/CExpression.h"

#include "foundation/TextNumber.h"
#include "generation/CGenerationJob.h"
#include "number/OperatorCodes.h"

#include <limits>

namespace kelvo {

namespace {

void AppendOperatorAndValue(std::u16string& text, const COperand& operand) {
    const int32_t code = operand.LeftOperator();
    if (code >= Op::Plus && code <= Op::RightParenthesis) {
        text += OperatorText(code);
    }
    AppendDecimalText(text, operand.ResultValue());
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

std::u16string CExpression::ToString() const {
    std::u16string text;
    for (const auto& operand : m_operands) {
        AppendOperatorAndValue(text, *operand);
    }
    AppendOperatorAndValue(text, *m_resultOperand);
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
    for (const auto& operand : m_operands) {
        operand->ClearResults();
    }
    m_resultOperand->ClearResults();
}

} // namespace kelvo
