#include "drill/MasteryMap.h"

#include "drill/FormAnswers.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <map>
#include <utility>

namespace kelvo {
namespace {

// Where a two-number fact of a plain calculation sits in its operator's
// table: a quotient by its divisor and quotient, as the 口诀 gives it.
std::optional<std::pair<int32_t, int32_t>> TablePlace(const CExprValue& fact) {
    const auto operands = fact.OperandValues();
    if (operands.size() != 2 || fact.Form() != QuestionForm::Calculate || fact.HasRemainder()) {
        return std::nullopt;
    }
    if (operands[1][0] == Op::Divide) {
        return std::pair(operands[1][1], fact.ResultValue());
    }
    return std::pair(operands[0][1], operands[1][1]);
}

std::vector<int32_t> Distinct(std::vector<int32_t> values) {
    std::ranges::sort(values);
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// The operator's facts as a table, or none when two share a cell or a side
// holds too many numbers.
std::optional<CMapTable> Table(int32_t op, const QuestionList& facts,
                               const std::vector<size_t>& places) {
    std::vector<int32_t> rows;
    std::vector<int32_t> columns;
    for (const size_t place : places) {
        const auto [row, column] = *TablePlace(*facts.Item(static_cast<int32_t>(place) + 1));
        rows.push_back(row);
        columns.push_back(column);
    }
    CMapTable table{std::u16string(OperatorText(op)), Distinct(rows), Distinct(columns), {}};
    if (table.rows.size() > MaxTableSide || table.columns.size() > MaxTableSide) {
        return std::nullopt;
    }
    table.cells.resize(table.rows.size() * table.columns.size());
    for (size_t k = 0; k < places.size(); ++k) {
        const auto row = std::ranges::lower_bound(table.rows, rows[k]) - table.rows.begin();
        const auto column =
            std::ranges::lower_bound(table.columns, columns[k]) - table.columns.begin();
        std::optional<size_t>& cell = table.cells[static_cast<size_t>(row) * table.columns.size() +
                                                  static_cast<size_t>(column)];
        if (cell.has_value()) {
            return std::nullopt;
        }
        cell = places[k];
    }
    return table;
}

std::optional<int32_t> Median(std::vector<int32_t> times) {
    if (times.empty()) {
        return std::nullopt;
    }
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::ranges::nth_element(times, middle);
    return *middle;
}

} // namespace

CMasteryMap LayOutMastery(const QuestionList& facts, const std::vector<CFactMastery>& mastery) {
    CMasteryMap map;
    std::map<int32_t, std::vector<size_t>> byOperator;
    CMapTable list;
    std::vector<int32_t> medians;
    for (int32_t i = 1; i <= facts.Count(); ++i) {
        const CExprValue& fact = *facts.Item(i);
        const auto place = static_cast<size_t>(i - 1);
        const CFactMastery& known = mastery[place];
        std::u16string text = DrillQuestionText(fact);
        // The map names the calculation, as the tables' sides do.
        if (text.ends_with(u'=')) {
            text.pop_back();
        }
        map.facts.push_back({std::move(text), known.State(), known.MedianMilliseconds()});
        if (known.MedianMilliseconds()) {
            medians.push_back(*known.MedianMilliseconds());
        }
        if (TablePlace(fact)) {
            byOperator[fact.OperandValues()[1][0]].push_back(place);
        } else {
            list.cells.emplace_back(place);
        }
    }
    for (const auto& [op, places] : byOperator) {
        if (std::optional<CMapTable> table = Table(op, facts, places)) {
            map.tables.push_back(std::move(*table));
        } else {
            list.cells.insert(list.cells.end(), places.begin(), places.end());
        }
    }
    if (!list.cells.empty()) {
        std::ranges::sort(list.cells);
        map.tables.push_back(std::move(list));
    }
    map.medianMilliseconds = Median(std::move(medians));
    return map;
}

} // namespace kelvo
