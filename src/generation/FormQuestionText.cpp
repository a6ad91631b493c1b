#include "generation/FormQuestionText.h"

#include "foundation/TextNumber.h"
#include "generation/QuestionForm.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

namespace kelvo {

namespace {

// The operands of a question with the values valueAt(k), each operator
// written by `gap` (which receives the operator's code).
template <class ValueAt, class Gap>
void AppendOperands(const CExprValue& value, ValueAt&& valueAt, Gap&& gap, std::u16string& cell) {
    const auto operands = value.OperandValues();
    for (size_t k = 0; k < operands.size(); ++k) {
        if (k > 0) {
            gap(operands[k][0]);
        }
        if (value.Grouping().Opens(k)) {
            cell += ParenthesisText(Op::LeftParenthesis);
        }
        AppendScaledText(cell, valueAt(k), value.Units().Operand(k));
        if (value.Grouping().Closes(k)) {
            cell += ParenthesisText(Op::RightParenthesis);
        }
    }
}

// The values and operator codes an estimate is worked out from, in place:
// sheets write questions by the hundred thousand. An estimate reads at most
// four operands.
struct CQuestionNumbers {
    std::array<int32_t, 4> values{};
    std::array<int32_t, 4> codes{};
    size_t count = 0;
};

CQuestionNumbers NumbersOf(const CExprValue& value) {
    const auto operands = value.OperandValues();
    CQuestionNumbers numbers;
    numbers.count = std::min(operands.size(), numbers.values.size());
    for (size_t k = 0; k < numbers.count; ++k) {
        numbers.codes[k] = operands[k][0];
        numbers.values[k] = operands[k][1];
    }
    return numbers;
}

std::optional<CEstimate> EstimateOf(const CExprValue& value) {
    const CQuestionNumbers numbers = NumbersOf(value);
    return Estimate(std::span(numbers.values).first(numbers.count),
                    std::span(numbers.codes).first(numbers.count), value.Grouping(),
                    EstimateUnit(value.Form()));
}

// The question's own values.
auto OwnValues(const CExprValue& value) {
    return [operands = value.OperandValues()](size_t k) { return operands[k][1]; };
}

} // namespace

void AppendFormQuestion(const CExprValue& value, bool withAnswer, std::u16string& cell) {
    const auto writtenOperator = [&](int32_t code) { cell += OperatorText(code); };
    switch (value.Form()) {
    case QuestionForm::Calculate:
        break;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        AppendOperands(value, OwnValues(value), writtenOperator, cell);
        cell += u' ';
        cell += withAnswer ? ComparisonSign(value.ResultValue(), value.Comparand()) : FormCircle;
        cell += u' ';
        if (const auto& compared = value.ComparedQuestion()) {
            AppendOperands(*compared, OwnValues(*compared), writtenOperator, cell);
        } else {
            AppendScaledText(cell, value.Comparand(), value.Units().result);
        }
        break;
    case QuestionForm::CompareNumbers:
        value.AppendOperandText(cell, 0);
        cell += u' ';
        cell += withAnswer ? ComparisonSign(value.ResultValue(), value.Comparand()) : FormCircle;
        cell += u' ';
        value.AppendOperandText(cell, 1);
        break;
    case QuestionForm::FillOperator:
        AppendOperands(
            value, OwnValues(value),
            [&](int32_t code) {
                cell += u' ';
                cell += withAnswer ? OperatorText(code) : FormCircle;
                cell += u' ';
            },
            cell);
        cell += u" = ";
        AppendDecimalText(cell, value.ResultValue());
        break;
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        AppendOperands(value, OwnValues(value), writtenOperator, cell);
        cell += u'≈';
        if (withAnswer) {
            if (const auto estimate = EstimateOf(value)) {
                AppendOperands(
                    value, [&](size_t k) { return estimate->values[k]; }, writtenOperator, cell);
                cell += u'=';
                AppendDecimalText(cell, estimate->result);
            }
        }
        break;
    }
}

std::u16string FormAnswerText(const CExprValue& value) {
    std::u16string answer;
    switch (value.Form()) {
    case QuestionForm::Calculate:
        break;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
    case QuestionForm::CompareNumbers:
        answer = ComparisonSign(value.ResultValue(), value.Comparand());
        break;
    case QuestionForm::FillOperator: {
        const auto operands = value.OperandValues();
        for (size_t k = 1; k < operands.size(); ++k) {
            answer += OperatorText(operands[k][0]);
        }
        break;
    }
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        if (const auto estimate = EstimateOf(value)) {
            AppendDecimalText(answer, estimate->result);
        }
        break;
    }
    return answer;
}

} // namespace kelvo
