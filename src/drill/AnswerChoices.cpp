#include "drill/AnswerChoices.h"

#include "drill/FormAnswers.h"
#include "drill/FractionSlip.h"
#include "drill/TypicalSlip.h"
#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "generation/CExprValue.h"
#include "number/CValueLimit.h"

#include <cmath>
#include <utility>

namespace kelvo {
namespace {

// The largest multiple of iMultiple not above iValue.
int32_t MultipleAtOrBelow(int32_t iValue, int32_t iMultiple) {
    if (iMultiple == 0) {
        RaiseError(ErrorNumber::DivisionByZero);
    }
    const double steps = std::floor(static_cast<double>(iValue) / iMultiple);
    return CheckedMultiply(CheckedNarrow(static_cast<int64_t>(steps)), iMultiple);
}

int32_t DrawWrongAnswer(int32_t iResult, int32_t iMultiple) {
    if (iResult > 2) {
        static constexpr std::array<int32_t, 4> kSteps{-1, -2, 1, 2};
        ReseedRandomFromClock();
        const int32_t steps = kSteps[static_cast<size_t>(RandomFloor(4, 0))];
        return CheckedAdd(iResult, CheckedMultiply(iMultiple, steps));
    }
    const int32_t wrong = RandomFloor(2, 1);
    return wrong == iResult ? wrong + 1 : wrong;
}

// The right answer comes first four times in ten.
AnswerChoices Ordered(int32_t iResult, int32_t iWrong) {
    if (RandomFloor(10, 1) < 5) {
        return {{iResult, iWrong}, {-1, -1}, 0, {}};
    }
    return {{iWrong, iResult}, {-1, -1}, 1, {}};
}

AnswerChoices WithRemainders(AnswerChoices choices, int32_t right, int32_t wrong) {
    const auto rightIndex = static_cast<size_t>(choices.RightIndex);
    choices.Remainders[rightIndex] = right;
    choices.Remainders[1 - rightIndex] = wrong;
    return choices;
}

} // namespace

CAnswer AnswerChoices::Answer(size_t index) const {
    if (!Signs.at(index).empty()) {
        return CAnswer::Signs(Signs[index]);
    }
    if (const int32_t remainder = Remainders.at(index); remainder >= 0) {
        return {Values.at(index), remainder};
    }
    return CAnswer::Scaled(Values.at(index), Places.at(index));
}

AnswerChoices OrderedChoices(const CAnswer& right, const CAnswer& wrong) {
    AnswerChoices choices;
    choices.RightIndex = RandomFloor(10, 1) < 5 ? 0 : 1;
    const auto rightIndex = static_cast<size_t>(choices.RightIndex);
    for (auto [index, answer] : {std::pair{rightIndex, &right}, {1 - rightIndex, &wrong}}) {
        choices.Values.at(index) = answer->value;
        choices.Places.at(index) = answer->places;
        choices.Remainders.at(index) = answer->remainder.value_or(-1);
        choices.Signs.at(index) = answer->signs;
    }
    return choices;
}

AnswerChoices MakeAnswerChoices(int32_t iResult, const CValueLimit& limit) {
    const int32_t multiple = limit.MultipleOf();
    int32_t wrong = DrawWrongAnswer(iResult, multiple);
    if (wrong > limit.UpperLimit()) {
        wrong = MultipleAtOrBelow(limit.UpperLimit(), multiple);
    }
    if (wrong < limit.LowerLimit()) {
        wrong = MultipleAtOrBelow(limit.LowerLimit(), multiple);
    }
    if (wrong == iResult) {
        wrong = CheckedAdd(wrong, multiple);
    }
    return Ordered(iResult, wrong);
}

AnswerChoices MakeAnswerChoices(const CExprValue& question, const CValueLimit& limit) {
    if (auto choices = FormChoices(question, false)) {
        return *std::move(choices);
    }
    if (const std::optional<CAnswer> slip = FractionSlip(question)) {
        return OrderedChoices(CAnswer::RightFor(question), *slip);
    }
    AnswerChoices choices = MakeAnswerChoices(question.ResultValue(), limit);
    if (!question.HasRemainder()) {
        choices.Places.fill(question.Units().result);
        return choices;
    }
    return WithRemainders(choices, question.RemainderValue(), question.RemainderValue());
}

AnswerChoices MakeTeachingChoices(const CExprValue& question, const CValueLimit& limit) {
    if (auto choices = FormChoices(question, true)) {
        return *std::move(choices);
    }
    if (const std::optional<CAnswer> slip = FractionSlip(question)) {
        return OrderedChoices(CAnswer::RightFor(question), *slip);
    }
    if (question.HasRemainder()) {
        const int32_t divisor = question.OperandValues()[1][1];
        return WithRemainders(Ordered(question.ResultValue(), question.ResultValue() - 1),
                              question.RemainderValue(), question.RemainderValue() + divisor);
    }
    if (!question.Units().IsWhole()) {
        if (const std::optional<CAnswer> slip = DecimalSlip(question)) {
            return OrderedChoices(CAnswer::RightFor(question), *slip);
        }
        return MakeAnswerChoices(question, limit);
    }
    if (const std::optional<int32_t> slip = TypicalSlip(question, limit)) {
        return Ordered(question.ResultValue(), *slip);
    }
    return MakeAnswerChoices(question.ResultValue(), limit);
}

} // namespace kelvo
