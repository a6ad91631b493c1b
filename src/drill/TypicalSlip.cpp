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

// A sum or difference worked on the operands' digits as written (2.3 is 23
// with 1 place however it is counted): lined up at the right when their
// places differ, else with the slips of whole numbers, or with the tens of the
// last place written one place further (12 tenths as 0.12).
std::vector<CAnswer> SumOrDifferenceSlips(const CExprValue& question) {
    const auto operands = question.OperandValues();
    const bool sum = operands[1][0] == Op::Plus;
    const CAnswer x = CAnswer::Scaled(operands[0][1], question.Units().Operand(0));
    const CAnswer y = CAnswer::Scaled(operands[1][1], question.Units().Operand(1));
    const int32_t places = std::max(x.places, y.places);
    const int32_t digits = sum ? x.value + y.value : x.value - y.value;
    if (x.places != y.places) {
        return digits >= 0 ? std::vector{CAnswer::Scaled(digits, places)} : std::vector<CAnswer>{};
    }
    std::vector<CAnswer> slips;
    for (const int32_t slip :
         sum ? SumSlips(x.value, y.value, digits) : DifferenceSlips(x.value, y.value, digits)) {
        if (slip >= 0) {
            slips.push_back(CAnswer::Scaled(slip, places));
        }
    }
    if (sum && places > 0 && digits >= Ten) {
        slips.push_back(CAnswer::Scaled(digits, places + 1));
    }
    return slips;
}

std::vector<CAnswer> DecimalSlips(const CExprValue& question) {
    const auto operands = question.OperandValues();
    if (operands.size() != 2 || question.HasRemainder()) {
        return {};
    }
    const CDecimalUnits& units = question.Units();
    switch (operands[1][0]) {
    case Op::Plus:
    case Op::Minus:
        return SumOrDifferenceSlips(question);
    case Op::Times:
        return {CAnswer::Scaled(question.ResultValue(), units.result - 1)};
    case Op::Divide:
        // A decimal divisor's point moved without the dividend's, else the
        // quotient's point forgotten.
        return {CAnswer::Scaled(question.ResultValue(),
                                units.result + (units.Operand(1) > 0 ? 1 : -1))};
    default:
        return {};
    }
}

} // namespace

std::optional<CAnswer> DecimalSlip(const CExprValue& question) {
    std::vector<CAnswer> slips = DecimalSlips(question);
    const CAnswer right = CAnswer::RightFor(question);
    std::erase(slips, right);
    if (slips.empty()) {
        return std::nullopt;
    }
    return slips[static_cast<size_t>(RandomFloor(static_cast<int32_t>(slips.size()), 0))];
}

std::optional<int32_t> TypicalSlip(const CExprValue& question, const CValueLimit& resultLimit) {
    std::vector<int32_t> slips = Slips(question);
    std::erase_if(slips, [&](int32_t slip) {
        return slip == question.ResultValue() || !resultLimit.Include(slip);
    });
    if (slips.empty()) {
        return std::nullopt;
    }
    return slips[static_cast<size_t>(RandomFloor(static_cast<int32_t>(slips.size()), 0))];
}

} // namespace kelvo
