#pragma once

#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

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

// Works a question out as a pupil does, one step at a time: inside the
// parentheses first, then times and divide before plus and minus, each left
// to right. step(out, a, code, b) does one step, as ApplyOperator; every value made is noted
// in spans as the operands (0-based) it stands for.
template <typename Step>
bool WorkOut(int32_t& result, std::vector<int32_t> values, std::vector<int32_t> codes,
             Parentheses group, Step step, std::vector<std::pair<int, int>>& spans) {
    struct Term {
        int32_t value;
        int first;
        int last;
    };
    std::vector<Term> terms;
    for (size_t k = 0; k < values.size(); ++k) {
        terms.push_back({values[k], static_cast<int>(k), static_cast<int>(k)});
    }
    // joins[k] joins terms[k] and terms[k + 1].
    std::vector<int32_t> joins(codes.begin() + 1, codes.end());
    const auto reduce = [&](size_t from, size_t to) {
        for (const bool timesFirst : {true, false}) {
            size_t k = from;
            while (k < to) {
                if (timesFirst && !IsTimesOrDivide(joins[k])) {
                    ++k;
                    continue;
                }
                int32_t out = 0;
                if (!step(out, terms[k].value, joins[k], terms[k + 1].value)) {
                    return false;
                }
                terms[k] = {out, terms[k].first, terms[k + 1].last};
                spans.emplace_back(terms[k].first, terms[k].last);
                terms.erase(terms.begin() + static_cast<std::ptrdiff_t>(k) + 1);
                joins.erase(joins.begin() + static_cast<std::ptrdiff_t>(k));
                --to;
            }
        }
        return true;
    };
    if (!group.IsNone() &&
        !reduce(static_cast<size_t>(group.first), static_cast<size_t>(group.last))) {
        return false;
    }
    if (!reduce(0, joins.size())) {
        return false;
    }
    result = terms.front().value;
    return true;
}

// The question's value worked out step by step with the admissibility rules.
inline bool WorkOut(int32_t& result, std::span<const CExprValue::OperandValue> v,
                    Parentheses group) {
    std::vector<int32_t> values;
    std::vector<int32_t> codes;
    for (const auto& [code, value] : v) {
        codes.push_back(code);
        values.push_back(value);
    }
    std::vector<std::pair<int, int>> spans;
    return WorkOut(result, values, codes, group, ApplyOperator, spans);
}

// Parentheses change the order when, worked out without them, no step makes
// the value of just the operands they hold.
inline bool ChangesOrder(std::span<const CExprValue::OperandValue> v, Parentheses group) {
    std::vector<int32_t> codes;
    for (const auto& operand : v) {
        codes.push_back(operand[0]);
    }
    std::vector<std::pair<int, int>> spans;
    int32_t result = 0;
    WorkOut(
        result, std::vector<int32_t>(v.size(), 1), codes, Parentheses{},
        [](int32_t& out, int32_t, int32_t, int32_t) {
            out = 1;
            return true;
        },
        spans);
    return std::find(spans.begin(), spans.end(), std::pair<int, int>(group.first, group.last)) ==
           spans.end();
}

} // namespace kelvo::testing
