// What Kelvo's generation is measured against: a sampler that knows nothing
// of its kinds. It draws every operand and operator at random, keeps the
// question when every step is one a pupil may be given (no negative step, no
// number above 10000, exact division, the result in its range, the carry,
// borrow or remainder asked for, what the form needs), and writes the sheet's
// text with the answers, decimals in their places.
#pragma once

#include "question/CQuestionData.h"

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::bench {

class CNaiveSampler {
public:
    explicit CNaiveSampler(const CQuestionData& kind);

    // Kinds with parentheses, rules or questions compared with questions are
    // beyond a plain draw.
    static bool Samples(const CQuestionData& kind);

    // count questions in rows of columns; a question that is not found
    // within a bound of draws is left out.
    std::u16string SheetText(int32_t count, int32_t columns);

private:
    struct Steps {
        int32_t first;
        int32_t last;
        int32_t step;
    };
    struct Value {
        int32_t result = 0;
        int32_t remainder = 0;
    };
    struct Question {
        std::vector<int32_t> values;
        std::u16string operators;
        Value value;
        // The number a comparison sets against the value, or the values an
        // estimate rounds the operands to.
        int32_t comparand = 0;
        std::vector<int32_t> estimates;
        int32_t estimate = 0;
    };

    bool Draw(Question& question);
    bool Admits(Question& question) const;
    bool AdmitsCarry(const Question& question) const;
    bool AdmitsForm(Question& question);
    // × and ÷ first, then ＋ and － from the left; none when a step is not
    // admissible. With remainders a single division must leave one.
    std::optional<Value> Evaluate(std::span<const int32_t> values, std::u16string_view operators,
                                  bool remainders) const;
    bool HasUniqueOperators(const Question& question) const;
    bool Round(Question& question) const;
    void Write(const Question& question, std::u16string& cell) const;
    void WriteOperands(std::span<const int32_t> values, std::u16string_view operators,
                       std::u16string_view spacing, std::u16string& cell) const;

    std::vector<Steps> m_operands;
    std::vector<std::u16string> m_gaps;
    Steps m_result;
    int32_t m_cbr;
    QuestionForm m_form;
    CDecimalUnits m_units;
    std::mt19937 m_engine{20261209};
};

} // namespace kelvo::bench
