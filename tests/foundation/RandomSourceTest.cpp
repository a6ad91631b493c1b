#include "foundation/RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace kelvo {
namespace {

class RandomSourceTest : public ::testing::Test {
protected:
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_F(RandomSourceTest, SingleValuesStayBelowOne) {
    SeedRandom(1);
    float largest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float r = RandomSingle();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        largest = std::max(largest, r);
    }
    EXPECT_GT(largest, 0.999f);
}

TEST_F(RandomSourceTest, FloorDrawsCoverASmallRangeEvenly) {
    SeedRandom(2);
    std::map<int32_t, int> seen;
    for (int i = 0; i < 7000; ++i) {
        seen[RandomFloor(7, 3)]++;
    }
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen.begin()->first, 3);
    EXPECT_EQ(seen.rbegin()->first, 9);
    for (const auto& [value, times] : seen) {
        EXPECT_NEAR(times, 1000, 150) << value;
    }
}

// Printed sheets are made again from their seed, so a draw must stay the
// floor of the single value scaled in double precision, for every range.
TEST_F(RandomSourceTest, FloorDrawsAreTheFloorOfTheScaledSingle) {
    constexpr int32_t bound = 1 << 28;
    const std::vector<int32_t> numbers{0,         1,     7,      -7,         10001,
                                       bound - 1, bound, -bound, 1000000000, -1000000000};
    for (const int32_t scale : numbers) {
        for (const int32_t base : numbers) {
            for (uint64_t seed = 1; seed <= 2000; ++seed) {
                SeedRandom(seed);
                const double expected =
                    std::floor(static_cast<double>(RandomSingle()) * scale + base);
                SeedRandom(seed);
                ASSERT_EQ(RandomFloor(scale, base), expected)
                    << scale << " " << base << " " << seed;
            }
        }
    }
}

TEST_F(RandomSourceTest, ASeedRepeatsItsSequenceIncludingReseeds) {
    auto draw = [] {
        std::vector<float> values;
        for (int i = 0; i < 5; ++i) {
            ReseedRandomFromClock();
            values.push_back(RandomSingle());
        }
        return values;
    };
    SeedRandom(99);
    const auto first = draw();
    SeedRandom(99);
    EXPECT_EQ(draw(), first);
}

TEST_F(RandomSourceTest, DiscardingSkipsExactlyThatManyDraws) {
    for (int32_t count : {0, 1, 7, 1000}) {
        SeedRandom(5);
        for (int32_t i = 0; i < count; ++i) {
            RandomSingle();
        }
        const std::vector<float> drawn = {RandomSingle(), RandomSingle()};
        SeedRandom(5);
        DiscardRandom(count);
        EXPECT_EQ((std::vector<float>{RandomSingle(), RandomSingle()}), drawn) << count;
    }
    SeedRandom(5);
    const float first = RandomSingle();
    SeedRandom(5);
    DiscardRandom(-3);
    EXPECT_EQ(RandomSingle(), first);
}

TEST_F(RandomSourceTest, TwoClockReseedsInARowGiveDifferentSequences) {
    UseClockForRandomReseed();
    ReseedRandomFromClock();
    const float first = RandomSingle();
    ReseedRandomFromClock();
    EXPECT_NE(RandomSingle(), first);
}

} // namespace
} // namespace kelvo
