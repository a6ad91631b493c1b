#include "drill/MasteryMap.h"

#include "drill/KindFacts.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

QuestionList FactsOf(const std::u16string& kind) {
    CPreCreatedQuestions presets;
    presets.Load();
    return *ListFacts(MakeQuestions(*presets.Item(kind), MaxListedFacts + 1, nullptr));
}

// Every fact sits once in the cell of its two numbers, and every filled cell
// holds the fact of its numbers.
void ExpectEachFactInItsCell(const QuestionList& facts, const CMapTable& table, bool isDivision) {
    std::vector<int32_t> seen(static_cast<size_t>(facts.Count()));
    for (size_t row = 0; row < table.rows.size(); ++row) {
        for (size_t column = 0; column < table.columns.size(); ++column) {
            const std::optional<size_t> cell = table.cells[row * table.columns.size() + column];
            if (!cell) {
                continue;
            }
            const CExprValue& fact = *facts.Item(static_cast<int32_t>(*cell) + 1);
            const auto operands = fact.OperandValues();
            EXPECT_EQ(table.rows[row], isDivision ? operands[1][1] : operands[0][1]);
            EXPECT_EQ(table.columns[column], isDivision ? fact.ResultValue() : operands[1][1]);
            ++seen[*cell];
        }
    }
    EXPECT_EQ(std::ranges::count(seen, 1), facts.Count());
}

TEST(MasteryMapTest, LaysOutSumsAndTheTimesTableByTheirNumbers) {
    const QuestionList sums = FactsOf(u"20以内的进位加法");
    std::vector<CFactMastery> mastery(static_cast<size_t>(sums.Count()));
    mastery[3] = CFactMastery(EFactState::Slow, 1, 9, {4000, 5000, 6000});
    mastery[4] = CFactMastery(EFactState::Fluent, 2, 9, {1000});
    const CMasteryMap sumMap = LayOutMastery(sums, mastery);
    ASSERT_EQ(sumMap.tables.size(), 1U);
    EXPECT_EQ(sumMap.tables[0].corner, u"＋");
    ExpectEachFactInItsCell(sums, sumMap.tables[0], false);
    EXPECT_EQ(sumMap.facts[3].state, EFactState::Slow);
    EXPECT_EQ(sumMap.facts[3].medianMilliseconds, 5000);
    EXPECT_EQ(sumMap.medianMilliseconds, 5000) << "the middle of the facts' medians";

    const QuestionList quotients = FactsOf(u"1到9的乘法口诀求商");
    const CMasteryMap quotientMap =
        LayOutMastery(quotients, std::vector<CFactMastery>(static_cast<size_t>(quotients.Count())));
    ASSERT_EQ(quotientMap.tables.size(), 1U);
    EXPECT_EQ(quotientMap.tables[0].rows.size(), 9U);
    EXPECT_EQ(quotientMap.tables[0].columns.size(), 9U);
    ExpectEachFactInItsCell(quotients, quotientMap.tables[0], true);
    EXPECT_FALSE(quotientMap.medianMilliseconds.has_value());
}

TEST(MasteryMapTest, FactsWithoutTwoNumbersOfTheirOwnAreListed) {
    for (const std::u16string kind : {u"10以内的连加", u"有余数的除法（表内）"}) {
        const QuestionList facts = FactsOf(kind);
        const CMasteryMap map =
            LayOutMastery(facts, std::vector<CFactMastery>(static_cast<size_t>(facts.Count())));
        ASSERT_EQ(map.tables.size(), 1U);
        EXPECT_TRUE(map.tables[0].IsList());
        EXPECT_EQ(map.tables[0].cells.size(), static_cast<size_t>(facts.Count()));
    }
}

} // namespace
} // namespace kelvo
