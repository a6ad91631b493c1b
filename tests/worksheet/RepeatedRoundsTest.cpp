#include "foundation/RandomSource.h"
#include "question/CPreCreatedQuestions.h"
#include "support/BruteForce.h"
#include "support/KindFactory.h"
#include "worksheet/Sheet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kelvo {
namespace {

using testing::KeyOf;
using testing::MakeKind;
using testing::QuestionKey;

// A kind of as many questions as 9 plus 1..count gives.
std::shared_ptr<const CQuestionData> NinePlus(int32_t count) {
    return MakeKind({{9, 9}, {1, count}}, {u"＋$$$"}, {0, 100});
}

// The keys of the questions, as they stand on the sheet row by row.
std::vector<QuestionKey> Grid(const CSheet& sheet) {
    std::vector<QuestionKey> grid;
    const QuestionList& questions = sheet.parts.front().questionSet.questions;
    for (int32_t i = 1; i <= questions.Count(); ++i) {
        grid.push_back(KeyOf(*questions.Item(i)));
    }
    return grid;
}

// Pairs of equal questions side by side or one above the other.
int Twins(const std::vector<QuestionKey>& grid, int32_t columns) {
    const auto width = static_cast<size_t>(columns);
    int twins = 0;
    for (size_t i = 0; i < grid.size(); ++i) {
        twins += i % width + 1 < width && i + 1 < grid.size() && grid[i] == grid[i + 1] ? 1 : 0;
        twins += i + width < grid.size() && grid[i] == grid[i + width] ? 1 : 0;
    }
    return twins;
}

// A kind that admits fewer questions than the sheet has cells fills it round
// after round: every round holds each question once, follows an order of its
// own, and no cell shares its question with the cell beside or below it. The
// grid is scanned as it is printed, row by row.
TEST(RepeatedRoundsTest, RoundsTakeOrdersOfTheirOwnAndKeepTwinsApart) {
    CPreCreatedQuestions presets;
    presets.Load();
    const struct {
        const char* name;
        std::shared_ptr<const CQuestionData> kind;
        int32_t rows;
        int32_t columns;
        // Only one question: nothing can keep the twins apart.
        bool canSeparate = true;
    } cases[] = {
        {"9加几", presets.Item(u"9加几"), 10, 5},
        {"two in even rows", NinePlus(2), 5, 4},
        {"two in odd rows", NinePlus(2), 5, 3},
        {"two in one column", NinePlus(2), 9, 1},
        {"three in rows of five", NinePlus(3), 6, 5},
        // Three in rows of eight need the search to go back a round.
        {"three in rows of eight", NinePlus(3), 8, 8},
        {"four in rows of six", NinePlus(4), 7, 6},
        {"five in rows of twenty", NinePlus(5), 4, 20},
        {"seven in rows of three", NinePlus(7), 12, 3},
        {"one", NinePlus(1), 3, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const uint64_t seed : {11U, 12U, 13U}) {
            const CSheet sheet = DrawSheet(CSheetPlan::OfOneKind(c.kind, c.rows * c.columns),
                                           c.columns, seed, nullptr, nullptr);
            ASSERT_TRUE(sheet.HasQuestions());
            const std::vector<QuestionKey> grid = Grid(sheet);
            ASSERT_EQ(grid.size(), static_cast<size_t>(c.rows * c.columns));
            const auto count = static_cast<size_t>(sheet.parts.front().questionSet.generatedCount);
            const int twins = Twins(grid, c.columns);
            EXPECT_EQ(twins == 0, c.canSeparate) << twins << " twins, seed " << seed;
            std::map<QuestionKey, int> firstRound;
            for (size_t i = 0; i < count; ++i) {
                firstRound[grid[i]] = 0;
            }
            ASSERT_EQ(firstRound.size(), count);
            int sameOrderAsBefore = 0;
            for (size_t start = count; start < grid.size(); start += count) {
                const size_t end = std::min(start + count, grid.size());
                std::map<QuestionKey, int> round;
                for (size_t i = start; i < end; ++i) {
                    ++round[grid[i]];
                }
                EXPECT_EQ(round.size(), end - start) << "round at " << start;
                for (const auto& [key, times] : round) {
                    EXPECT_TRUE(firstRound.contains(key) && times == 1);
                }
                const bool same = end - start == count &&
                                  std::equal(grid.begin() + static_cast<ptrdiff_t>(start),
                                             grid.begin() + static_cast<ptrdiff_t>(end),
                                             grid.begin() + static_cast<ptrdiff_t>(start - count));
                sameOrderAsBefore += same ? 1 : 0;
            }
            if (count >= 5) {
                EXPECT_EQ(sameOrderAsBefore, 0) << "seed " << seed;
            }
        }
    }
}

// Mixed, the repeats of every section are kept apart in the one grid.
TEST(RepeatedRoundsTest, AMixedSheetKeepsTheRepeatsOfItsSectionsApart) {
    CSheetPlan plan;
    plan.Add(NinePlus(3), 24);
    plan.Add(MakeKind({{8, 8}, {1, 2}}, {u"＋$$$"}, {0, 100}), 12);
    plan.SetIsMixed(true);
    for (const uint64_t seed : {21U, 22U, 23U}) {
        const CSheet sheet = DrawSheet(plan, 6, seed, nullptr, nullptr);
        ASSERT_TRUE(sheet.HasQuestions());
        const std::vector<QuestionKey> grid = Grid(sheet);
        ASSERT_EQ(grid.size(), 36u);
        EXPECT_EQ(Twins(grid, 6), 0) << "seed " << seed;
    }
}

} // namespace
} // namespace kelvo
