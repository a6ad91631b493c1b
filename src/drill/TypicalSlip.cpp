#include "drill/TypicalSlip.h"

#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"
#include "number/CValueLimit.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <vector>

namespace kelvo {
namespace {

constexpr int32_t Ten = 10;

bool IsTableFactor(int32_t value) {
    return value >= 1 && value <= 9;
}

std::vector<int32_t> SumSlips(int32_t a, int32_t b, int32_t result) {
    if (a % Ten + b % Ten >= Ten) {
        return {result - Ten};
    }
    if (std::max(a, b) >= Ten) {
        return {result - Ten, result + Ten};
    }
    return {};
}

std::vector<int32_t> DifferenceSlips(int32_t a, int32_t b, int32_t result) {
    if (a % Ten < b % Ten) {
        return {result + Ten};
    }
    if (a >= Ten) {
        return {result - Ten, result + Ten};
    }
    return {};
}

// a × b read off a neighbouring line of the table: one factor one more or less.
std::vector<int32_t> ProductSlips(int32_t a, int32_t b) {
    if (!IsTableFactor(a) || !IsTableFactor(b)) {
        return {};
    }
    std::vector<int32_t> slips;
    for (const int32_t step : {-1, 1}) {
        if (IsTableFactor(b + step)) {
            slips.push_back(a * (b + step));
        }
        if (IsTableFactor(a + step)) {
            slips.push_back((a + step) * b);
        }
    }
    return slips;
}

std::vector<int32_t> QuotientSlips(int32_t b, int32_t quotient) {
    if (!IsTableFactor(b) || !IsTableFactor(quotient)) {
        return {};
    }
    std::vector<int32_t> slips;
    for (const int32_t step : {-1, 1}) {
        if (IsTableFactor(quotient + step)) {
            slips.push_back(quotient + step);
        }
    }
    return slips;
}

std::vector<int32_t> Slips(const CExprValue& question) {
    const auto operands = question.OperandValues();
    if (operands.size() != 2) {
        return {};
    }
    const int32_t a = operands[0][1];
    const int32_t b = operands[1][1];
    const int32_t result = question.ResultValue();
    switch (operands[1][0]) {
    case Op::Plus:
        return SumSlips(a, b, result);
    case Op::Minus:
        return DifferenceSlips(a, b, result);
    case Op::Times:
        return ProductSlips(a, b);
    case Op::Divide:
        return QuotientSlips(b, result);
    default:
        return {};
    }
}

} // namespace

std::optional<int32_t> TypicalSlip(const CExprValue& question, const CValueLimit& resultLimit) {
    std::vector<int32_t> slips = Slips(question);
    std::erase_if(slips, [&](int32_t slip) {
        return slip == question.ResultValue() || !resultLimit.Include(slip);
    });
    if (slips.empty()) {
        return std::nullopt;
    }
    return slips[static_cast<size_t>(RandomFloor(static_cast<double>(slips.size()), 0))];
}

} // namespace kelvo
