#include "drill/CAnswer.h"

#include "foundation/RuntimeError.h"
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

CAnswer CAnswer::Scaled(int32_t value, int32_t exponent) {
    if (IsFractionUnit(exponent)) {
        return Fraction(value, UnitDenominator(exponent));
    }
    for (; exponent < 0; ++exponent) {
        value = CheckedMultiply(value, 10);
    }
    for (; exponent > 0 && value % 10 == 0; --exponent) {
        value /= 10;
    }
    CAnswer answer(value);
    answer.places = exponent;
    return answer;
}

CAnswer CAnswer::Fraction(int32_t numerator, int32_t denominator) {
    if (denominator == 1) {
        return CAnswer(numerator);
    }
    CAnswer answer(numerator);
    answer.places = FractionUnit(denominator);
    return answer;
}

CAnswer CAnswer::RightFor(const CExprValue& question) {
    switch (question.Form()) {
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
    case QuestionForm::CompareNumbers:
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
    if (question.HasRemainder()) {
        return {question.ResultValue(), question.RemainderValue()};
    }
    return Scaled(question.ResultValue(), question.Units().result);
}

std::u16string CAnswer::Text() const {
    if (IsSigns()) {
        return signs;
    }
    std::u16string text;
    AppendScaledText(text, value, places);
    if (remainder) {
        text += RemainderMark;
        AppendDecimalText(text, *remainder);
    }
    return text;
}

} // namespace kelvo
