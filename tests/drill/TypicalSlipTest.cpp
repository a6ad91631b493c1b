#include "drill/TypicalSlip.h"

#include "drill/AnswerChoices.h"
#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"
#include "number/CValueLimit.h"
#include "number/OperatorCodes.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

struct SlipCase {
    std::vector<CExprValue::OperandValue> operands;
    int32_t result;
    int32_t upper;           // of the result limit 0..upper, any number
    std::set<int32_t> slips; // empty: none
};

class TypicalSlipTest : public ::testing::TestWithParam<SlipCase> {
protected:
    void SetUp() override { SeedRandom(11); }
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_P(TypicalSlipTest, GivesTheTypicalSlipsInRangeOrNone) {
    const SlipCase& c = GetParam();
    CExprValue question;
    question.CreateFrom(c.operands, c.result);
    CValueLimit limit;
    limit.Init(0, c.upper, 1, 1);
    std::set<int32_t> seen;
    for (int draw = 0; draw < 200; ++draw) {
        if (const auto slip = TypicalSlip(question, limit)) {
            seen.insert(*slip);
        }
        // With a slip the choices are the right answer and the slip; without
        // one, the drill's usual choices.
        const AnswerChoices choices = MakeTeachingChoices(question, limit);
        EXPECT_EQ(choices.Values[static_cast<size_t>(choices.RightIndex)], c.result);
        if (!c.slips.empty()) {
            EXPECT_TRUE(
                c.slips.contains(choices.Values[static_cast<size_t>(1 - choices.RightIndex)]));
        }
    }
    EXPECT_EQ(seen, c.slips);
}

constexpr int32_t P = Op::Plus;
constexpr int32_t M = Op::Minus;
constexpr int32_t T = Op::Times;
constexpr int32_t D = Op::Divide;

// "27plus15_upto100": the question and the top of the result range.
std::string CaseName(const ::testing::TestParamInfo<SlipCase>& info) {
    static constexpr std::array<const char*, 5> kWords{"", "plus", "minus", "times", "by"};
    std::string name;
    for (const auto& [op, value] : info.param.operands) {
        name += kWords.at(static_cast<size_t>(op)) + std::to_string(value);
    }
    return name + "_upto" + std::to_string(info.param.upper);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, TypicalSlipTest,
    ::testing::Values(
        SlipCase{{{0, 27}, {P, 15}}, 42, 100, {32}}, // carry forgotten
        SlipCase{{{0, 8}, {P, 5}}, 13, 20, {3}},
        SlipCase{{{0, 42}, {M, 17}}, 25, 100, {35}},   // borrow forgotten
        SlipCase{{{0, 42}, {M, 17}}, 25, 30, {}},      // 35 out of range
        SlipCase{{{0, 13}, {P, 4}}, 17, 100, {7, 27}}, // off by ten
        SlipCase{{{0, 48}, {M, 13}}, 35, 40, {25}}, SlipCase{{{0, 3}, {P, 4}}, 7, 100, {}},
        SlipCase{{{0, 7}, {T, 8}}, 56, 100, {48, 49, 63, 64}}, // table neighbours
        SlipCase{{{0, 9}, {T, 1}}, 9, 100, {18, 8}}, SlipCase{{{0, 12}, {T, 3}}, 36, 100, {}},
        SlipCase{{{0, 56}, {D, 8}}, 7, 100, {6, 8}}, SlipCase{{{0, 9}, {D, 9}}, 1, 100, {2}},
        SlipCase{{{0, 20}, {P, 5}, {P, 17}}, 42, 100, {}}),
    CaseName);

// 17÷5=3……2: the slip divides one time too few and keeps 7, not smaller than
// the divisor; plain choices keep the remainder on both.
TEST(RemainderChoicesTest, TheRightAnswerAndTheSlipCarryTheirRemainders) {
    const CExprValue::OperandValue values[] = {{Op::None, 17}, {Op::Divide, 5}};
    CExprValue question;
    question.CreateFrom(values, 3);
    CValueLimit limit;
    limit.Init(1, 9, 1, 1);
    const AnswerChoices teaching = MakeTeachingChoices(question, limit);
    const auto right = static_cast<size_t>(teaching.RightIndex);
    EXPECT_EQ(teaching.Text(right), u"3……2");
    EXPECT_EQ(teaching.Text(1 - right), u"2……7");
    const AnswerChoices plain = MakeAnswerChoices(question, limit);
    EXPECT_EQ(plain.Text(static_cast<size_t>(plain.RightIndex)), u"3……2");
    EXPECT_TRUE(plain.Text(1 - static_cast<size_t>(plain.RightIndex)).ends_with(u"……2"));
}

} // namespace
} // namespace kelvo
