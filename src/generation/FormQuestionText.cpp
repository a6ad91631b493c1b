#include "generation/FormQuestionText.h"

#include "foundation/TextNumber.h"
#include "generation/QuestionForm.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kelvo {

namespace {

// The operands of a question with the given values, each operator written
// by `gap` (which receives the operator's code).
template <class Gap>
void AppendOperands(const CExprValue& value, std::span<const int32_t> values, Gap&& gap,
                    std::u16string& cell) {
    const auto operands = value.OperandValues();
    for (size_t k = 0; k < operands.size(); ++k) {
        if (k > 0) {
            gap(operands[k][0]);
        }
        if (value.Grouping().Opens(k)) {
            cell += ParenthesisText(Op::LeftParenthesis);
        }
        AppendScaledText(cell, values[k], value.Units().Operand(k));
        if (value.Grouping().Closes(k)) {
            cell += ParenthesisText(Op::RightParenthesis);
        }
    }
}

struct CQuestionNumbers {
    std::vector<int32_t> values;
    std::vector<int32_t> codes;
};

CQuestionNumbers NumbersOf(const CExprValue& value) {
    CQuestionNumbers numbers;
    for (const auto& [code, operand] : value.OperandValues()) {
        numbers.codes.push_back(code);
        numbers.values.push_back(operand);
    }
    return numbers;
}

} // namespace

void AppendFormQuestion(const CExprValue& value, bool withAnswer, std::u16string& cell) {
    const CQuestionNumbers numbers = NumbersOf(value);
    const auto writtenOperator = [&](int32_t code) { cell += OperatorText(code); };
    switch (value.Form()) {
    case QuestionForm::Calculate:
        break;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        AppendOperands(value, numbers.values, writtenOperator, cell);
        cell += u' ';
        cell += withAnswer ? ComparisonSign(value.ResultValue(), value.Comparand()) : FormCircle;
        cell += u' ';
        if (const auto& compared = value.ComparedQuestion()) {
            AppendOperands(*compared, NumbersOf(*compared).values, writtenOperator, cell);
        } else {
            AppendScaledText(cell, value.Comparand(), value.Units().result);
        }
        break;
    case QuestionForm::FillOperator:
        AppendOperands(
            value, numbers.values,
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
        AppendOperands(value, numbers.values, writtenOperator, cell);
        cell += u'≈';
        if (withAnswer) {
            const auto estimate = Estimate(numbers.values, numbers.codes, value.Grouping(),
                                           EstimateUnit(value.Form()));
            if (estimate) {
                AppendOperands(value, estimate->values, writtenOperator, cell);
                cell += u'=';
                AppendDecimalText(cell, estimate->result);
            }
        }
        break;
    }
}

std::u16string FormAnswerText(const CExprValue& value) {
    const CQuestionNumbers numbers = NumbersOf(value);
    std::u16string answer;
    switch (value.Form()) {
    case QuestionForm::Calculate:
        break;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        answer = ComparisonSign(value.ResultValue(), value.Comparand());
        break;
    case QuestionForm::FillOperator:
        for (size_t k = 1; k < numbers.codes.size(); ++k) {
            answer += OperatorText(numbers.codes[k]);
        }
        break;
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        if (const auto estimate = Estimate(numbers.values, numbers.codes, value.Grouping(),
                                           EstimateUnit(value.Form()))) {
            AppendDecimalText(answer, estimate->result);
        }
        break;
    }
    return answer;
}

} // namespace kelvo
