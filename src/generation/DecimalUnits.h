// Decimals run on the whole-number engine: each value is a whole number of a
// power-of-ten unit (2.35 is 235 hundredths). A decimal kind says in what
// places each operand and its result are written; each of its templates says
// in what unit each of its values is counted.
#pragma once

#include "foundation/TextNumber.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvo {

inline constexpr int32_t MaxDecimalPlaces = 3;

// The largest bound of a range counted in 10^-places: the ceiling of every
// value, 10000, in that unit.
constexpr int32_t RangeCeiling(int32_t places) {
    int32_t ceiling = ValueCeiling;
    for (int32_t k = 0; k < places; ++k) {
        ceiling *= 10;
    }
    return ceiling;
}

// Per operand (in reading order) and for the result: the exponent e of the
// unit 10^-e a value counts in, or a fraction's unit code (TextNumber.h). A
// negative exponent counts in tens, hundreds or thousands. All 0 for whole
// numbers.
struct CDecimalUnits {
    std::array<int16_t, 4> operands{};
    int16_t result = 0;

    // 0 beyond the fourth operand: longer templates are whole.
    int32_t Operand(size_t k) const { return k < operands.size() ? operands[k] : 0; }
    // A fraction's unit among them (FractionUnit).
    bool HasFraction() const {
        return IsFractionUnit(result) ||
               std::ranges::any_of(operands, [](int16_t unit) { return IsFractionUnit(unit); });
    }
    bool IsWhole() const {
        return result == 0 && std::ranges::all_of(operands, [](int16_t e) { return e == 0; });
    }
    friend bool operator==(const CDecimalUnits&, const CDecimalUnits&) = default;
};

} // namespace kelvo
