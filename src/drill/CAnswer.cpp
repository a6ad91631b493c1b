#include "drill/CAnswer.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <vector>

namespace kelvo {

CAnswer CAnswer::Signs(std::u16string signs) {
    CAnswer answer(0);
    answer.signs = std::move(signs);
    return answer;
}

CAnswer CAnswer::RightFor(const CExprValue& question) {
    switch (question.Form()) {
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        return Signs(std::u16string(ComparisonSign(question.ResultValue(), question.Comparand())));
    case QuestionForm::FillOperator: {
        std::u16string operators;
        const auto operands = question.OperandValues();
        for (size_t k = 1; k < operands.size(); ++k) {
            operators += OperatorText(operands[k][0]);
        }
        return Signs(std::move(operators));
    }
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds: {
        std::vector<int32_t> values;
        std::vector<int32_t> codes;
        for (const auto& [code, operand] : question.OperandValues()) {
            codes.push_back(code);
            values.push_back(operand);
        }
        const auto estimate =
            Estimate(values, codes, question.Grouping(), EstimateUnit(question.Form()));
        // A question the form did not admit is asked as its calculation.
        return estimate ? CAnswer(estimate->result) : CAnswer(question.ResultValue());
    }
    case QuestionForm::Calculate:
        break;
    }
    return {question.ResultValue(),
            question.HasRemainder() ? std::optional(question.RemainderValue()) : std::nullopt};
}

std::u16string CAnswer::Text() const {
    if (IsSigns()) {
        return signs;
    }
    std::u16string text = DecimalText(value);
    if (remainder) {
        text += RemainderMark;
        AppendDecimalText(text, *remainder);
    }
    return text;
}

} // namespace kelvo
