#include "generation/CExprValue.h"

#include "foundation/TextNumber.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"

#include <algorithm>

namespace kelvo {

const std::shared_ptr<const CExprValue>& CExprValue::ComparedQuestion() const {
    static const std::shared_ptr<const CExprValue> none;
    return m_rare ? m_rare->comparedQuestion : none;
}

void CExprValue::SetComparedQuestion(std::shared_ptr<const CExprValue> question) {
    m_comparand = question->ResultValue();
    auto rare = m_rare ? std::make_shared<CRarePart>(*m_rare) : std::make_shared<CRarePart>();
    rare->comparedQuestion = std::move(question);
    m_rare = std::move(rare);
}

void CExprValue::SetMoreValues(std::vector<OperandValue> values) {
    if (values.empty() && !ComparedQuestion()) {
        m_rare = nullptr;
        return;
    }
    m_rare = std::make_shared<CRarePart>(CRarePart{std::move(values), ComparedQuestion()});
}

void CExprValue::CreateFrom(const CExpression& expr) {
    const OperandList& operands = expr.Operands();
    m_operandCount = static_cast<uint32_t>(operands.size());
    std::vector<OperandValue> moreValues;
    if (m_operandCount > PlacedCount) {
        moreValues.reserve(m_operandCount);
        for (const auto& operand : operands) {
            moreValues.push_back({operand->LeftOperator(), operand->ResultValue()});
        }
    } else {
        for (size_t k = 0; k < m_operandCount; ++k) {
            m_placedValues[k] = {operands[k]->LeftOperator(), operands[k]->ResultValue()};
        }
    }
    if (!moreValues.empty() || m_rare) {
        SetMoreValues(std::move(moreValues));
    }
    m_resultValue = expr.ResultOperand()->ResultValue();
    m_remainderValue = expr.ResultOperand()->RemainderValue();
    m_parentheses = expr.Grouping();
    // The right side of a comparison of two questions is set by
    // PairComparisons, once the kind's questions are known.
    m_form = expr.Form() == QuestionForm::CompareQuestions ? QuestionForm::Compare : expr.Form();
    m_units = expr.FilledUnits();
    if (expr.Form() == QuestionForm::Compare) {
        m_comparand = DrawComparand(m_resultValue);
    } else if (expr.Form() == QuestionForm::CompareNumbers) {
        m_comparand = SecondNumberInResultUnit();
    }
}

int32_t CExprValue::SecondNumberInResultUnit() const {
    return OperandValues()[1][1] *
           (UnitDenominator(m_units.result) / UnitDenominator(m_units.Operand(1)));
}

void CExprValue::CreateFrom(std::span<const OperandValue> values, int32_t iResult) {
    m_operandCount = static_cast<uint32_t>(values.size());
    m_rare = nullptr;
    if (m_operandCount > PlacedCount) {
        SetMoreValues({values.begin(), values.end()});
    } else {
        std::copy(values.begin(), values.end(), m_placedValues.begin());
    }
    m_resultValue = iResult;
    m_parentheses = {};
    m_remainderValue = -1;
    if (values.size() == 2 && values[1][0] == Op::Divide && values[1][1] > 0 &&
        values[0][1] % values[1][1] != 0) {
        m_remainderValue = values[0][1] % values[1][1];
    }
}

CStringBuilder CExprValue::LeftPartToString() const {
    CStringBuilder text;
    const std::span<const OperandValue> values = OperandValues();
    for (size_t k = 0; k < values.size(); ++k) {
        if (k > 0) {
            text.Append(OperatorText(values[k][0]));
        }
        if (m_parentheses.Opens(k)) {
            text.Append(ParenthesisText(Op::LeftParenthesis));
        }
        std::u16string number;
        AppendOperandText(number, k);
        text.Append(number);
        if (m_parentheses.Closes(k)) {
            text.Append(ParenthesisText(Op::RightParenthesis));
        }
    }
    text.Append(u"=");
    return text;
}

void CExprValue::AppendOperandText(std::u16string& text, size_t k) const {
    AppendScaledText(text, OperandValues()[k][1], m_units.Operand(k));
}

std::u16string CExprValue::ResultText() const {
    std::u16string text;
    AppendScaledText(text, m_resultValue, m_units.result);
    if (HasRemainder()) {
        text += RemainderMark;
        AppendDecimalText(text, m_remainderValue);
    }
    return text;
}

} // namespace kelvo
