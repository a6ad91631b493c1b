#include "drill/AnswerChoices.h"

#include "foundation/RandomSource.h"
#include "number/CValueLimit.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kelvo {
namespace {

class AnswerChoicesTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(7); }
    void TearDown() override { UseClockForRandomReseed(); }

    static CValueLimit Limit(int32_t lower, int32_t upper, int32_t multiple) {
        CValueLimit limit;
        limit.Init(lower, upper, multiple, 1);
        return limit;
    }

    // How often each wrong answer comes up for iResult.
    static std::map<int32_t, int> WrongAnswers(int32_t iResult, const CValueLimit& limit,
                                               int draws) {
        std::map<int32_t, int> seen;
        for (int i = 0; i < draws; ++i) {
            const AnswerChoices choices = MakeAnswerChoices(iResult, limit);
            EXPECT_EQ(choices.Values[static_cast<size_t>(choices.RightIndex)], iResult);
            seen[choices.Values[static_cast<size_t>(1 - choices.RightIndex)]]++;
        }
        return seen;
    }

    static std::set<int32_t> Keys(const std::map<int32_t, int>& seen) {
        std::set<int32_t> keys;
        for (const auto& [value, times] : seen) {
            keys.insert(value);
        }
        return keys;
    }
};

TEST_F(AnswerChoicesTest, SmallResultsGetOneTwoOrThree) {
    const CValueLimit limit = Limit(0, 20, 1);
    EXPECT_EQ(Keys(WrongAnswers(0, limit, 400)), (std::set<int32_t>{1, 2}));
    EXPECT_EQ(Keys(WrongAnswers(1, limit, 400)), (std::set<int32_t>{2}));
    EXPECT_EQ(Keys(WrongAnswers(2, limit, 400)), (std::set<int32_t>{1, 3}));
}

TEST_F(AnswerChoicesTest, WrongAnswersLieOneOrTwoMultiplesAway) {
    const auto seen = WrongAnswers(50, Limit(0, 100, 10), 8000);
    EXPECT_EQ(Keys(seen), (std::set<int32_t>{30, 40, 60, 70}));
    for (const auto& [value, times] : seen) {
        EXPECT_NEAR(times, 2000, 200) << value;
    }
}

TEST_F(AnswerChoicesTest, AnswersAboveTheLimitFallBackAndStepPastTheResult) {
    // 60 and 70 fall back to 50, which is the result, so they become 60.
    const auto seen = WrongAnswers(50, Limit(0, 55, 10), 8000);
    EXPECT_EQ(Keys(seen), (std::set<int32_t>{30, 40, 60}));
    EXPECT_NEAR(seen.at(60), 4000, 300);
}

TEST_F(AnswerChoicesTest, AnswersBelowTheLimitFallBackToItsLowestMultiple) {
    EXPECT_EQ(Keys(WrongAnswers(25, Limit(24, 100, 1), 400)), (std::set<int32_t>{24, 26, 27}));
    EXPECT_EQ(Keys(WrongAnswers(1, Limit(1, 1, 1), 400)), (std::set<int32_t>{2}));
}

TEST_F(AnswerChoicesTest, TheRightAnswerComesFirstFourTimesInTen) {
    for (int32_t result : {1, 50}) {
        int first = 0;
        for (int i = 0; i < 10000; ++i) {
            first += MakeAnswerChoices(result, Limit(0, 100, 10)).RightIndex == 0 ? 1 : 0;
        }
        EXPECT_NEAR(first, 4000, 200) << result;
    }
}

} // namespace
} // namespace kelvo
