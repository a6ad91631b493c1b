#include "number/OperatorCodes.h"
#include "foundation/RuntimeError.h"

#include <gtest/gtest.h>

#include <limits>

namespace kelvo {
namespace {

TEST(OperatorCodesTest, TextsAndCodesOfTheOperators) {
    EXPECT_EQ(OperatorText(Op::Plus), u"＋");
    EXPECT_EQ(OperatorText(Op::Minus), u"－");
    EXPECT_EQ(OperatorText(Op::Times), u"×");
    EXPECT_EQ(OperatorText(Op::Divide), u"÷");
    EXPECT_EQ(OperatorText(Op::Equals), u"=");
    EXPECT_EQ(OperatorText(0), u"");
    EXPECT_EQ(OperatorText(8), u"");
    EXPECT_EQ(OperatorText(-1), u"");
    for (int32_t code = 1; code <= 5; ++code) {
        EXPECT_EQ(OperatorCode(OperatorText(code)), code);
    }
    // Parentheses are written in ASCII but read in their full-width form.
    EXPECT_EQ(OperatorText(Op::LeftParenthesis), u"(");
    EXPECT_EQ(OperatorCode(u"("), 0);
    EXPECT_EQ(OperatorCode(u"（"), Op::LeftParenthesis);
    EXPECT_EQ(OperatorCode(u"）"), Op::RightParenthesis);
    EXPECT_EQ(OperatorCode(u"+"), 0);
    EXPECT_EQ(OperatorCode(u""), 0);
}

TEST(OperatorCodesTest, CbrCaptionsAreComparedExactly) {
    EXPECT_EQ(CbrCodeFromText(u"有进位"), Cbr::Carry);
    EXPECT_EQ(CbrCodeFromText(u"无进位"), Cbr::NoCarry);
    EXPECT_EQ(CbrCodeFromText(u"有借位"), Cbr::Borrow);
    EXPECT_EQ(CbrCodeFromText(u"无借位"), Cbr::NoBorrow);
    EXPECT_EQ(CbrCodeFromText(u"有余数"), Cbr::Remainder);
    EXPECT_EQ(CbrCodeFromText(u"无余数"), Cbr::NoRemainder);
    EXPECT_EQ(CbrCodeFromText(u""), Cbr::None);
    EXPECT_EQ(CbrCodeFromText(u"有进位 "), Cbr::None);
}

TEST(OperatorCodesTest, SingleStepsFollowTheAdmissibilityRules) {
    int32_t out = 99;
    EXPECT_TRUE(ApplyOperator(out, 3, Op::Plus, 4));
    EXPECT_EQ(out, 7);
    EXPECT_FALSE(ApplyOperator(out, 7, Op::Minus, 9));
    EXPECT_EQ(out, -2);
    EXPECT_TRUE(ApplyOperator(out, 100, Op::Times, 100));
    EXPECT_EQ(out, 10000);
    out = 99;
    EXPECT_FALSE(ApplyOperator(out, 100, Op::Times, 101));
    EXPECT_FALSE(ApplyOperator(out, 65536, Op::Times, 65536));
    EXPECT_FALSE(ApplyOperator(out, 12, Op::Divide, 5));
    EXPECT_FALSE(ApplyOperator(out, 12, Op::Divide, 0));
    EXPECT_EQ(out, 99);
    EXPECT_TRUE(ApplyOperator(out, 0, Op::Divide, 7));
    EXPECT_EQ(out, 0);
    out = 99;
    EXPECT_TRUE(ApplyOperator(out, 1, Op::None, 2));
    EXPECT_EQ(out, 99);
    EXPECT_THROW(ApplyOperator(out, std::numeric_limits<int32_t>::max(), Op::Plus, 1),
                 CRuntimeError);
}

struct Evaluation {
    std::vector<int32_t> terms; // a, op, b, op, c [, op, d]
    bool ok;
    int32_t value;
};

TEST(OperatorCodesTest, TimesAndDivideBindTighterAndEveryStepMustBeAdmissible) {
    using namespace Op;
    const std::vector<Evaluation> cases = {
        {{8, Minus, 2, Times, 3}, true, 2},
        {{8, Divide, 2, Times, 3}, true, 12},
        {{9, Minus, 6, Plus, 4}, true, 7},
        {{5, Minus, 6, Plus, 4}, false, 0},
        {{5, Minus, 2, Times, 3}, false, 0},
        {{4, Times, 5000, Minus, 1}, false, 0},
        {{7, Plus, 6, Divide, 4}, false, 0},
        {{20, Minus, 3, Times, 4, Plus, 5}, true, 13},
        {{6, Plus, 8, Divide, 4, Times, 3}, true, 12},
        {{5, Minus, 2, Times, 3, Plus, 9}, false, 0},
        {{9, Divide, 3, Times, 2, Plus, 1}, true, 7},
        {{1, Plus, 2, Plus, 3, Minus, 7}, false, 0},
        {{2, Plus, 3, Minus, 4, Times, 1}, true, 1},
        {{2, Minus, 3, Plus, 4, Times, 1}, false, 0},
        {{2, Times, 3, Times, 4, Divide, 8}, true, 3},
        {{10, Minus, 2, Times, 3, Minus, 4}, true, 0},
    };
    for (const Evaluation& c : cases) {
        const auto& t = c.terms;
        int32_t out = -99;
        const bool ok = t.size() == 5 ? EvaluateThree(out, t[0], t[1], t[2], t[3], t[4])
                                      : EvaluateFour(out, t[0], t[1], t[2], t[3], t[4], t[5], t[6]);
        EXPECT_EQ(ok, c.ok) << ::testing::PrintToString(t);
        if (c.ok) {
            EXPECT_EQ(out, c.value) << ::testing::PrintToString(t);
        }
    }
}

} // namespace
} // namespace kelvo
