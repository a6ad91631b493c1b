// What Kelvo's generation is measured against: a sampler that knows nothing
// of its kinds. It draws every operand and operator at random, keeps the
// question when every step is one a pupil may be given (no negative step, no
// number above 10000, exact division, the result in its range, the carry,
// borrow or remainder asked for, a decimal operand's last place not 0, what
// the form needs), and writes the sheet's text with the answers, decimals in
// their places.
#pragma once

#include "question/CQuestionData.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo::bench {

// count cells in rows of columns, each written by writeCell(cell) (false when
// no question was found, which leaves the cell out) and padded to one width.
template <class WriteCell>
std::u16string NaiveSheetText(int32_t count, int32_t columns, WriteCell&& writeCell) {
    constexpr size_t CellWidth = 24;
    constexpr int32_t ColumnSpacing = 6;
    std::u16string text;
    std::u16string cell;
    for (int32_t k = 0; k < count; ++k) {
        cell.clear();
        if (!writeCell(cell)) {
            continue;
        }
        cell.resize(std::max(cell.size(), CellWidth), u' ');
        text += cell;
        const bool rowEnds = k % columns == columns - 1;
        text.append(rowEnds ? 1 : ColumnSpacing, rowEnds ? u'\n' : u' ');
    }
    return text;
}

// The sign a comparison's answer writes between its two sides.
std::u16string_view SignBetween(int64_t left, int64_t right);

// Draws of a kind's question a sampler gives up after.
constexpr int32_t NaiveDrawsPerQuestion = 100000;

class CNaiveSampler {
public:
    explicit CNaiveSampler(const CQuestionData& kind);

    // Kinds with parentheses, rules, fractions or questions compared with
    // questions are beyond a plain draw.
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
    bool HasItsPlaces(const Question& question) const;
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
