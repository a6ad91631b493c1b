#include "generation/QuestionForm.h"

#include "foundation/RandomSource.h"

#include <algorithm>
#include <numeric>

namespace kelvo {

namespace {

constexpr std::array<int32_t, 4> AllOperators = {Op::Plus, Op::Minus, Op::Times, Op::Divide};

template <int32_t Step>
int32_t RoundToStep(int32_t value) {
    return static_cast<int32_t>((static_cast<int64_t>(value) + Step / 2) / Step * Step);
}

} // namespace

int32_t EstimateUnit(QuestionForm form) {
    switch (form) {
    case QuestionForm::EstimateTens:
        return 10;
    case QuestionForm::EstimateHundreds:
        return 100;
    default:
        return 0;
    }
}

int32_t RoundToMultiple(int32_t value, int32_t step) {
    // A sheet rounds its estimates' operands by the hundred thousand, nearly
    // all to the estimate's unit: a division by a constant is a
    // multiplication, one by a variable of 64 bits costs dozens of cycles.
    switch (step) {
    case 10:
        return RoundToStep<10>(value);
    case 100:
        return RoundToStep<100>(value);
    default:
        return static_cast<int32_t>((static_cast<int64_t>(value) + step / 2) / step * step);
    }
}

std::optional<CEstimate> Estimate(std::span<const int32_t> values, std::span<const int32_t> codes,
                                  Parentheses group, int32_t unit) {
    const size_t count = std::min(values.size(), size_t{4});
    CEstimate estimate;
    bool isRounded = false;
    // A rounding operand must change, and not to 0.
    const auto round = [&](size_t k, int32_t step) {
        if (values[k] < unit) {
            estimate.values[k] = values[k];
            return true;
        }
        estimate.values[k] = RoundToMultiple(values[k], step);
        isRounded = true;
        return estimate.values[k] != values[k] && estimate.values[k] != 0;
    };
    const auto isDividend = [&](size_t k) { return k + 1 < count && codes[k + 1] == Op::Divide; };
    for (size_t k = 0; k < count; ++k) {
        if (!isDividend(k) && !round(k, unit)) {
            return std::nullopt;
        }
    }
    // From the right: in a÷b÷c, b is rounded as the dividend of c before it
    // divides a.
    for (size_t k = count; k-- > 0;) {
        if (isDividend(k) &&
            (estimate.values[k + 1] == 0 || !round(k, std::lcm(unit, estimate.values[k + 1])))) {
            return std::nullopt;
        }
    }
    if (!isRounded ||
        !EvaluateGrouped(estimate.result, std::span(estimate.values).first(count), codes, group)) {
        return std::nullopt;
    }
    return estimate;
}

bool HasUniqueOperators(std::span<const int32_t> values, std::span<const int32_t> codes,
                        Parentheses group) {
    int32_t result = 0;
    if (!EvaluateGrouped(result, values, codes, group)) {
        return false;
    }
    const size_t gaps = values.size() - 1;
    std::array<int32_t, 4> tried{};
    int32_t matches = 0;
    int32_t combinations = 1;
    for (size_t k = 0; k < gaps; ++k) {
        combinations *= static_cast<int32_t>(AllOperators.size());
    }
    for (int32_t combination = 0; combination < combinations; ++combination) {
        int32_t digits = combination;
        for (size_t k = 1; k <= gaps; ++k) {
            tried[k] = AllOperators[static_cast<size_t>(digits % 4)];
            digits /= 4;
        }
        int32_t other = 0;
        if (EvaluateGrouped(other, values, std::span(tried).first(values.size()), group) &&
            other == result && ++matches > 1) {
            return false;
        }
    }
    return matches == 1;
}

bool AdmitsForm(QuestionForm form, std::span<const int32_t> values, std::span<const int32_t> codes,
                Parentheses group) {
    int32_t result = 0;
    switch (form) {
    case QuestionForm::Calculate:
        return true;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        return EvaluateGrouped(result, values, codes, group);
    case QuestionForm::CompareNumbers:
        return true;
    case QuestionForm::FillOperator:
        return HasUniqueOperators(values, codes, group);
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        return Estimate(values, codes, group, EstimateUnit(form)).has_value();
    }
    return false;
}

int32_t ComparisonReach(int32_t value) {
    return std::max(value / 10, 2);
}

int32_t DrawComparand(int32_t value) {
    const int32_t distance = 1 + RandomFloor(ComparisonReach(value), 0);
    // Nothing is smaller than 0: then only ＝ and ＜ are left.
    const int32_t signs = value == 0 ? 2 : 3;
    switch (RandomFloor(signs, 0)) {
    case 0:
        return value;
    case 1:
        return value + distance;
    default:
        return std::max(value - distance, 0);
    }
}

std::u16string_view ComparisonSign(int32_t left, int32_t right) {
    if (left > right) {
        return u"＞";
    }
    return left < right ? u"＜" : u"＝";
}

} // namespace kelvo
