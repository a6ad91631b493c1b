#pragma once

#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <cstdint>
#include <span>

namespace kelvo::testing {

// Evaluates a generated question step by step with the admissibility rules.
inline bool EvaluateQuestion(int32_t& result, std::span<const CExprValue::OperandValue> v) {
    switch (v.size()) {
    case 2:
        return ApplyOperator(result, v[0][1], v[1][0], v[1][1]);
    case 3:
        return EvaluateThree(result, v[0][1], v[1][0], v[1][1], v[2][0], v[2][1]);
    case 4:
        return EvaluateFour(result, v[0][1], v[1][0], v[1][1], v[2][0], v[2][1], v[3][0], v[3][1]);
    default:
        return false;
    }
}

// a ÷ b = quotient …… remainder with the remainder in 1 .. b - 1 and a
// quotient of at least 1.
inline bool DivideWithRemainder(int32_t& quotient, int32_t& remainder, int32_t a, int32_t b) {
    if (b == 0 || a % b == 0 || a / b < 1) {
        return false;
    }
    quotient = a / b;
    remainder = a % b;
    return true;
}

// Whether the units digits of a and b carry or borrow as the code demands.
inline bool MeetsCbr(int32_t cbr, int32_t a, int32_t b) {
    switch (cbr) {
    case Cbr::Carry:
        return a % 10 + b % 10 >= 10;
    case Cbr::NoCarry:
        return a % 10 + b % 10 < 10;
    case Cbr::Borrow:
        return a % 10 < b % 10;
    case Cbr::NoBorrow:
        return a % 10 >= b % 10;
    default:
        return true;
    }
}

} // namespace kelvo::testing
