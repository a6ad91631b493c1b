#pragma once

#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "question/CQuestionData.h"
#include "question/QuestionTemplates.h"
#include "support/QuestionChecks.h"

#include <cstdint>
#include <set>
#include <span>
#include <vector>

namespace kelvo::testing {

// A question as (value 1, operator 2, value 2, …, result).
using QuestionKey = std::vector<int32_t>;

// Parentheses add their first and last operand at the end.
inline QuestionKey KeyOf(std::span<const CExprValue::OperandValue> operands, int32_t result,
                         Parentheses group = {}) {
    QuestionKey key;
    for (const auto& [code, value] : operands) {
        if (!key.empty()) {
            key.push_back(code);
        }
        key.push_back(value);
    }
    key.push_back(result);
    if (!group.IsNone()) {
        key.insert(key.end(), {group.first, group.last});
    }
    return key;
}

inline QuestionKey KeyOf(const CExprValue& question) {
    return KeyOf(question.OperandValues(), question.ResultValue(), question.Grouping());
}

// Every admissible question of a kind, found by trying every value of every
// operand with every allowed operator (and every chosen place of the
// parentheses that changes the order): the straightforward way, to check the
// counts against.
inline std::set<QuestionKey> AdmissibleQuestions(const CQuestionData& kind) {
    const int32_t n = kind.Limits().Count();
    std::vector<std::vector<int32_t>> values(static_cast<size_t>(n));
    std::vector<std::vector<int32_t>> operators(static_cast<size_t>(n));
    for (int32_t k = 1; k <= n; ++k) {
        const CValueLimit& limit = *kind.Limits().Item(k);
        for (int32_t v = limit.LowerLimit(); v <= limit.UpperLimit(); ++v) {
            if (v % limit.MultipleOf() == 0) {
                values[static_cast<size_t>(k - 1)].push_back(v);
            }
        }
        if (k > 1) {
            for (const char16_t symbol : AllowedOperators(kind.Operators().Item(k - 1))) {
                operators[static_cast<size_t>(k - 1)].push_back(
                    OperatorCode(std::u16string(1, symbol)));
            }
        } else {
            operators[0].push_back(Op::None);
        }
    }
    const CValueLimit& result = *kind.ResultLimit();
    const bool lonePlusOrMinus = n == 2 && operators[1].size() == 1 &&
                                 (operators[1][0] == Op::Plus || operators[1][0] == Op::Minus);
    const bool withRemainder =
        n == 2 && operators[1] == std::vector<int32_t>{Op::Divide} && kind.Cbr() == Cbr::Remainder;
    const int32_t choice = kind.ParenthesesChoice();
    std::vector<Parentheses> groups = {Parentheses{}};
    if (choice == CQuestionData::RandomParentheses) {
        groups = ParenthesesPositions(n);
    } else if (choice != CQuestionData::NoParentheses) {
        groups = {ParenthesesPositions(n).at(static_cast<size_t>(choice - 1))};
    }
    if (groups.empty()) {
        groups = {Parentheses{}};
    }
    std::set<QuestionKey> found;
    std::vector<CExprValue::OperandValue> question(static_cast<size_t>(n));
    Parentheses group;
    const auto visit = [&](auto&& self, size_t k) -> void {
        if (k == question.size()) {
            int32_t r = 0;
            int32_t remainder = 0;
            if (!group.IsNone() && !ChangesOrder(question, group)) {
                return;
            }
            const bool solved =
                withRemainder ? DivideWithRemainder(r, remainder, question[0][1], question[1][1])
                              : WorkOut(r, question, group);
            if (!solved || r < result.LowerLimit() || r > result.UpperLimit() ||
                r % result.MultipleOf() != 0 || (r == 0 && result.MultipleOf() != 1)) {
                return;
            }
            if (lonePlusOrMinus && !MeetsCbr(kind.Cbr(), question[0][1], question[1][1])) {
                return;
            }
            found.insert(KeyOf(question, r, group));
            return;
        }
        for (const int32_t code : operators[k]) {
            for (const int32_t value : values[k]) {
                question[k] = {code, value};
                self(self, k + 1);
            }
        }
    };
    for (const Parentheses& place : groups) {
        group = place;
        visit(visit, 0);
    }
    return found;
}

} // namespace kelvo::testing
