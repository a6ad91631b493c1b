#include "drill/FactMastery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace kelvo {
namespace {

constexpr int32_t Fluent = CFactMastery::DefaultFluentMilliseconds;

CFactMastery Replay(const std::vector<CFactAnswer>& answers, int32_t fluent = Fluent) {
    CFactMastery fact;
    for (const CFactAnswer& answer : answers) {
        fact.Record(answer, fluent);
    }
    return fact;
}

TEST(FactMasteryTest, AnswersMoveTheFactBetweenBoxes) {
    struct Case {
        const char* what;
        std::vector<CFactAnswer> answers;
        EFactState state;
        int32_t box;
        int32_t reviewDay;
    };
    const std::vector<CFactAnswer> climb{{0, true, 900}, {1, true, 900},  {3, true, 900},
                                         {7, true, 900}, {14, true, 900}, {28, true, 900},
                                         {42, true, 900}};
    const std::vector<Case> cases{
        {"never answered", {}, EFactState::Unseen, 0, 0},
        {"fluent", {{0, true, 2000}}, EFactState::Fluent, 1, 1},
        {"fluent twice before review",
         {{0, true, 2000}, {0, true, 2000}},
         EFactState::Fluent,
         1,
         1},
        {"fluent on the review day", {{0, true, 2000}, {1, true, 2000}}, EFactState::Fluent, 2, 3},
        {"missed",
         {{0, true, 2000}, {1, true, 2000}, {2, false, 1000}},
         EFactState::Learning,
         1,
         2},
        {"slow", {{0, true, 2000}, {1, true, 2000}, {3, true, 5000}}, EFactState::Slow, 1, 4},
        {"marked on paper", {{5, true, std::nullopt}}, EFactState::Fluent, 1, 6},
        {"to the top box and no further", climb, EFactState::Fluent, 5, 56},
    };
    for (const Case& c : cases) {
        const CFactMastery fact = Replay(c.answers);
        EXPECT_EQ(fact.State(), c.state) << c.what;
        EXPECT_EQ(fact.Box(), c.box) << c.what;
        EXPECT_EQ(fact.ReviewDay(), c.reviewDay) << c.what;
    }
    EXPECT_EQ(Replay({{0, true, 5000}}, 6000).State(), EFactState::Fluent)
        << "the child's own time";
    EXPECT_EQ(Replay({{0, true, 3000}, {1, false, 800}, {2, true, 1000}}).MedianMilliseconds(),
              3000);
}

// Facts in the given states; fluent ones are not due on day 100 unless asked.
std::vector<CFactMastery> Facts(const std::map<EFactState, int>& counts, int dueFluent = 0) {
    std::vector<CFactMastery> facts;
    for (const auto& [state, count] : counts) {
        for (int k = 0; k < count; ++k) {
            switch (state) {
            case EFactState::Unseen:
                facts.emplace_back();
                break;
            case EFactState::Learning:
                facts.push_back(Replay({{99, false, 1000}}));
                break;
            case EFactState::Slow:
                facts.push_back(Replay({{99, true, 8000}}));
                break;
            case EFactState::Fluent:
                facts.push_back(Replay({{k < dueFluent ? 90 : 100, true, 1000}}));
                break;
            }
        }
    }
    return facts;
}

double ExpectedShare(const std::vector<CFactMastery>& facts, const std::vector<size_t>& practice) {
    double sum = 0;
    for (const size_t k : practice) {
        sum += ExpectedRight(facts[k], 100);
    }
    return sum / static_cast<double>(practice.size());
}

TEST(FactMasteryTest, DailyPracticeTakesWeakAndDueFirstAndAimsAtSevenInTen) {
    const auto few = Facts({{EFactState::Learning, 6},
                            {EFactState::Slow, 4},
                            {EFactState::Unseen, 20},
                            {EFactState::Fluent, 45}},
                           5);
    const std::vector<size_t> practice = ChooseDailyPractice(few, 100, 30, 7);
    ASSERT_EQ(practice.size(), 30U);
    EXPECT_EQ(std::set(practice.begin(), practice.end()).size(), 30U) << "no fact twice";
    std::map<EFactState, int> taken;
    int due = 0;
    for (const size_t k : practice) {
        ++taken[few[k].State()];
        due += few[k].State() == EFactState::Fluent && few[k].IsDue(100) ? 1 : 0;
    }
    EXPECT_EQ(taken[EFactState::Learning], 6);
    EXPECT_EQ(taken[EFactState::Slow], 4);
    EXPECT_EQ(due, 5);
    EXPECT_EQ(taken[EFactState::Unseen], 3) << "a few new facts";
    EXPECT_EQ(ChooseDailyPractice(few, 100, 30, 7), practice) << "the seed decides";
    EXPECT_NE(ChooseDailyPractice(few, 100, 30, 8), practice);

    const auto many = Facts({{EFactState::Learning, 30}, {EFactState::Fluent, 40}});
    const double share = ExpectedShare(many, ChooseDailyPractice(many, 100, 30, 7));
    EXPECT_GE(share, 0.7);
    EXPECT_LE(share, 0.75) << "as many missed facts as the target allows";

    const auto small = Facts({{EFactState::Fluent, 4}});
    const std::vector<size_t> round = ChooseDailyPractice(small, 100, 30, 7);
    ASSERT_EQ(round.size(), 30U);
    EXPECT_EQ(std::adjacent_find(round.begin(), round.end()), round.end()) << "none twice in a row";
}

} // namespace
} // namespace kelvo
