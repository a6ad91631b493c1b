#include "drill/WeakSpots.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace kelvo {
namespace {

constexpr int32_t Today = 100;

// Kinds of random states and review days, each sheet checked against what
// the facts say of themselves.
TEST(WeakSpotsTest, HoldsEveryWeakAndDueFactAndAShareOfFluentOnes) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<CFactMastery> facts;
        const int count = static_cast<int>(random() % 60);
        for (int k = 0; k < count; ++k) {
            const auto state = static_cast<EFactState>(random() % 4);
            const int32_t reviewDay = Today - 3 + static_cast<int32_t>(random() % 6);
            facts.emplace_back(state, state == EFactState::Unseen ? 0 : 1, reviewDay,
                               std::vector<int32_t>{});
        }
        const std::vector<size_t> sheet = ChooseWeakSpots(facts, Today, 42 + trial);
        const std::set<size_t> held(sheet.begin(), sheet.end());
        ASSERT_EQ(held.size(), sheet.size()) << "each fact once";
        size_t weak = 0;
        size_t fluentHeld = 0;
        size_t fluentLeft = 0;
        for (size_t k = 0; k < facts.size(); ++k) {
            const CFactMastery& fact = facts[k];
            const bool isWeak = fact.State() == EFactState::Learning ||
                                fact.State() == EFactState::Slow || fact.IsDue(Today);
            const bool isHeld = held.contains(k);
            if (isWeak) {
                ++weak;
                EXPECT_TRUE(isHeld) << "weak or due fact " << k;
            } else if (fact.State() == EFactState::Fluent) {
                ++(isHeld ? fluentHeld : fluentLeft);
            } else {
                EXPECT_FALSE(isHeld) << "unseen fact " << k;
            }
        }
        const size_t wanted = weak == 0 ? 0 : weak / (WeakSheetFluentShare - 1);
        EXPECT_EQ(fluentHeld, std::min(wanted, fluentHeld + fluentLeft)) << "trial " << trial;
        EXPECT_EQ(ChooseWeakSpots(facts, Today, 42 + trial), sheet) << "the same seed";
    }
}

} // namespace
} // namespace kelvo
