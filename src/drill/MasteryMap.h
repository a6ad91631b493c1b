// The map of a child's mastery: the kind's facts laid out as the child knows
// them from school, each with its state and median time.
#pragma once

#include "drill/FactMastery.h"
#include "worksheet/QuestionSet.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvo {

struct CMapFact {
    std::u16string text;
    EFactState state = EFactState::Unseen;
    std::optional<int32_t> medianMilliseconds;
};

// The facts of one operator by their two numbers (7＋8 at row 7, column 8;
// 42÷6 at row 6, column 7 as in the 口诀), or, when they do not fit such a
// table, in the order of the kind's list.
struct CMapTable {
    // "＋", or empty for a list.
    std::u16string corner;
    // The numbers along each side of a table; empty for a list.
    std::vector<int32_t> rows;
    std::vector<int32_t> columns;
    // Row by row; places in the facts, none for an empty cell. A list has one
    // place per fact.
    std::vector<std::optional<size_t>> cells;

    bool IsList() const { return rows.empty(); }
};

struct CMasteryMap {
    std::vector<CMapFact> facts;
    std::vector<CMapTable> tables;
    // The middle of the facts' medians; none before the first right answer.
    std::optional<int32_t> medianMilliseconds;
};

// A table fits at most this many numbers along a side (0 … 20).
constexpr size_t MaxTableSide = 21;

// The facts as ListFacts lists them, with their mastery in the same order.
CMasteryMap LayOutMastery(const QuestionList& facts, const std::vector<CFactMastery>& mastery);

} // namespace kelvo
