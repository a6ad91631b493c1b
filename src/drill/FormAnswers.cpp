#include "drill/FormAnswers.h"

#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"
#include "generation/FormQuestionText.h"

#include <array>

namespace kelvo {
namespace {

constexpr std::u16string_view kComparisonSigns = u"＞＜＝";
constexpr std::u16string_view kOperatorSigns = u"＋－×÷";

// Any sign of `signs` but `right`.
char16_t OtherSign(std::u16string_view signs, char16_t right) {
    std::u16string others;
    for (const char16_t sign : signs) {
        if (sign != right) {
            others += sign;
        }
    }
    return others[static_cast<size_t>(RandomFloor(static_cast<int32_t>(others.size()), 0))];
}

char16_t InverseOperator(char16_t sign) {
    const size_t index = kOperatorSigns.find(sign);
    if (index == std::u16string_view::npos) {
        return OtherSign(kOperatorSigns, sign);
    }
    // ＋ and － swap, as do × and ÷.
    return kOperatorSigns[index ^ 1U];
}

std::u16string WrongOperators(std::u16string operators, bool bTeaching) {
    const auto gap = static_cast<size_t>(RandomFloor(static_cast<int32_t>(operators.size()), 0));
    operators[gap] =
        bTeaching ? InverseOperator(operators[gap]) : OtherSign(kOperatorSigns, operators[gap]);
    return operators;
}

int32_t WrongEstimate(const CExprValue& question, int32_t estimate, bool bTeaching) {
    if (bTeaching && question.ResultValue() != estimate) {
        return question.ResultValue();
    }
    const int32_t unit = EstimateUnit(question.Form());
    return estimate <= unit || RandomFloor(2, 0) == 0 ? estimate + unit : estimate - unit;
}

} // namespace

std::u16string DrillQuestionText(const CExprValue& question) {
    if (question.Form() == QuestionForm::Calculate) {
        return question.LeftPartToString().ToString();
    }
    std::u16string text;
    AppendFormQuestion(question, false, text);
    return text;
}

std::u16string_view AnswerSigns(const CExprValue& question) {
    switch (question.Form()) {
    case QuestionForm::Compare:
    case QuestionForm::CompareNumbers:
        return kComparisonSigns;
    case QuestionForm::FillOperator:
        return kOperatorSigns;
    default:
        return {};
    }
}

std::optional<char16_t> SignOfKey(char16_t key) {
    static constexpr std::u16string_view kKeys = u"><=+-*/";
    static constexpr std::u16string_view kSigns = u"＞＜＝＋－×÷";
    const size_t index = kKeys.find(key);
    return index == std::u16string_view::npos ? std::nullopt : std::optional(kSigns[index]);
}

std::optional<AnswerChoices> FormChoices(const CExprValue& question, bool bTeaching) {
    const CAnswer right = CAnswer::RightFor(question);
    switch (question.Form()) {
    case QuestionForm::Calculate:
        return std::nullopt;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
    case QuestionForm::CompareNumbers:
        return OrderedChoices(
            right, CAnswer::Signs(std::u16string(1, OtherSign(kComparisonSigns, right.signs[0]))));
    case QuestionForm::FillOperator:
        return OrderedChoices(right, CAnswer::Signs(WrongOperators(right.signs, bTeaching)));
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        return OrderedChoices(right, CAnswer(WrongEstimate(question, right.value, bTeaching)));
    }
    return std::nullopt;
}

} // namespace kelvo
