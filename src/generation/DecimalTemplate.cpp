#include "generation/DecimalTemplate.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace kelvo {

namespace {

int64_t PowerOfTen(int32_t exponent) {
    int64_t power = 1;
    for (int32_t k = 0; k < exponent; ++k) {
        power *= 10;
    }
    return power;
}

int32_t TrailingZeros(int32_t step) {
    int32_t zeros = 0;
    for (; step > 0 && step % 10 == 0; step /= 10) {
        ++zeros;
    }
    return zeros;
}

// Beyond the ceiling a bound or step admits nothing more; kept just above it
// so that the multiplications cannot overflow.
int32_t Capped(int64_t value) {
    return static_cast<int32_t>(std::min<int64_t>(value, ValueCeiling + 1));
}

// The operand with its range counted in a unit 10^shift times smaller, or
// for a negative shift larger: a value counted in a larger unit must still
// be a multiple of the step in the smaller.
std::shared_ptr<COperand> Rescaled(const COperand& operand, int32_t shift) {
    auto copy = operand.Clone();
    const int64_t lower = operand.LowerLimit();
    const int64_t upper = operand.UpperLimit();
    const int64_t step = operand.MultipleOf();
    if (shift >= 0) {
        const int64_t factor = PowerOfTen(shift);
        copy->InitLimits(Capped(lower * factor), Capped(upper * factor), Capped(step * factor));
    } else {
        const int64_t factor = PowerOfTen(-shift);
        copy->InitLimits(Capped((lower + factor - 1) / factor), Capped(upper / factor),
                         Capped(step / std::gcd(step, factor)));
    }
    return copy;
}

struct Exponents {
    std::array<int32_t, 4> operands{};
    int32_t result = 0;
};

bool OnlyPlusAndMinus(const OperandList& operands) {
    return std::all_of(operands.begin() + 1, operands.end(), [](const auto& operand) {
        return operand->LeftOperator() == Op::Plus || operand->LeftOperator() == Op::Minus;
    });
}

// The unit exponents of the template's values, or false.
bool ChooseExponents(const OperandList& operands, const CDecimalUnits& places, Exponents& chosen) {
    const auto p = [&](size_t k) { return static_cast<int32_t>(places.operands[k]); };
    if (OnlyPlusAndMinus(operands)) {
        int32_t most = 0;
        for (size_t k = 0; k < operands.size(); ++k) {
            most = std::max(most, p(k));
        }
        chosen.operands.fill(most);
        chosen.result = most;
        return true;
    }
    if (operands.size() != 2) {
        return false;
    }
    // A whole operand whose step is a multiple of 10^t counts in 10^t.
    const auto wholeZeros = [&](size_t k) {
        return p(k) == 0 ? TrailingZeros(operands[k]->MultipleOf()) : 0;
    };
    switch (operands[1]->LeftOperator()) {
    case Op::Times:
        chosen.operands = {p(0) - wholeZeros(0), p(1) - wholeZeros(1)};
        chosen.result = chosen.operands[0] + chosen.operands[1];
        return true;
    case Op::Divide: {
        // A remainder has no place in a decimal quotient.
        if (operands[1]->CbrSetting() == Cbr::Remainder) {
            return false;
        }
        // dividend × 10^k = quotient × divisor, each counted in its own places.
        const int32_t k = places.result + p(1) - p(0);
        if (k < 0) {
            chosen.operands = {p(0), p(1)};
            chosen.result = p(0) - p(1);
            return true;
        }
        const int32_t zeros = std::min(k, wholeZeros(1));
        chosen.operands = {p(0) + k - zeros, p(1) - zeros};
        chosen.result = places.result;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

bool CountInDecimalUnits(CExpression& expr, const CDecimalUnits& places) {
    const OperandList& operands = expr.Operands();
    Exponents exponents;
    if (operands.size() > places.operands.size() || !ChooseExponents(operands, places, exponents)) {
        return false;
    }
    CDecimalUnits units;
    std::array<int32_t, 4> lastPlaceSteps{};
    OperandList counted;
    for (size_t k = 0; k < operands.size(); ++k) {
        const int32_t shift = exponents.operands[k] - places.operands[k];
        counted.push_back(Rescaled(*operands[k], shift));
        units.operands[k] = static_cast<int16_t>(exponents.operands[k]);
        if (places.operands[k] > 0) {
            lastPlaceSteps[k] = static_cast<int32_t>(PowerOfTen(shift));
        }
    }
    units.result = static_cast<int16_t>(exponents.result);
    expr.Init(std::move(counted),
              Rescaled(*expr.ResultOperand(), exponents.result - places.result));
    expr.SetUnits(units, lastPlaceSteps);
    return true;
}

} // namespace kelvo
