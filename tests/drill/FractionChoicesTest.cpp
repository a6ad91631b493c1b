#include "drill/AnswerChoices.h"

#include "foundation/RandomSource.h"
#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/CValueLimit.h"
#include "number/Fraction.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/QuestionSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

std::set<std::u16string> WrongChoices(const CExprValue& question, const CValueLimit& limit) {
    std::set<std::u16string> wrong;
    for (int draw = 0; draw < 60; ++draw) {
        for (const AnswerChoices& choices :
             {MakeAnswerChoices(question, limit), MakeTeachingChoices(question, limit)}) {
            wrong.insert(choices.Text(static_cast<size_t>(1 - choices.RightIndex)));
        }
    }
    return wrong;
}

TEST(FractionChoicesTest, WrongChoicesAreTheSlipsAChildMakes) {
    const int16_t f2 = FractionUnit(2);
    const int16_t f3 = FractionUnit(3);
    const int16_t f4 = FractionUnit(4);
    const int16_t f5 = FractionUnit(5);
    const int16_t f6 = FractionUnit(6);
    const struct {
        int32_t a;
        int32_t code;
        int32_t b;
        int32_t result;
        CDecimalUnits units;
        std::set<std::u16string> slips;
    } cases[] = {
        {1, Op::Plus, 1, 5, {{f2, f3}, f6}, {u"2/5", u"2/3", u"1"}},                  // 1/2＋1/3
        {1, Op::Plus, 1, 1, {{f6, f3}, f2}, {u"3/6", u"2/9", u"1"}},                  // 1/6＋1/3
        {1, Op::Plus, 1, 1, {{f2, f2}, 0}, {u"2/2", u"1/2", u"2"}},                   // 1/2＋1/2
        {2, Op::Minus, 1, 5, {{0, f3}, f3}, {u"1/3", u"4/3", u"2"}},                  // 2－1/3
        {4, Op::Minus, 3, 1, {{f5, f5}, f5}, {u"2/5"}},                               // 4/5－3/5
        {2, Op::Times, 4, 8, {{f3, f5}, FractionUnit(15)}, {u"8/3", u"8/5", u"3/5"}}, // 2/3×4/5
        {3, Op::Times, 2, 3, {{f4, 0}, f2}, {u"3/4", u"6/4", u"2"}},                  // 3/4×2
        {2, Op::Divide, 4, 5, {{f3, f5}, f6}, {u"8/15", u"6/5", u"10/12"}},           // 2/3÷4/5
        {3, Op::Divide, 4, 3, {{0, 0}, f4}, {u"12", u"4/3", u"1", u"1/2"}},           // 3÷4
        {3, Op::Plus, 2, 13, {{f2, f3}, MixedFractionUnit(6)}, {u"1", u"7/3", u"2"}}, // 3/2＋2/3
    };
    const CSeededRandom seeded(31);
    CValueLimit limit;
    limit.Init(0, 100, 1, 1);
    for (const auto& c : cases) {
        CExprValue question;
        question.CreateFrom(std::vector<CExprValue::OperandValue>{{0, c.a}, {c.code, c.b}},
                            c.result);
        question.SetUnits(c.units);
        // Operands counted in different units divide without a remainder.
        question.SetRemainderValue(-1);
        const std::set<std::u16string> wrong = WrongChoices(question, limit);
        EXPECT_TRUE(std::ranges::includes(wrong, c.slips)) << c.a << ' ' << c.code << ' ' << c.b;
        EXPECT_FALSE(wrong.contains(CAnswer::RightFor(question).Text()));
    }
}

// Every fraction preset's questions: each set of choices shows the answer in
// lowest terms once and a wrong choice written otherwise, neither negative;
// only the right value may stand unreduced.
CFraction RightValue(const CExprValue& question) {
    const CAnswer right = CAnswer::RightFor(question);
    return {right.value, UnitDenominator(right.places)};
}

TEST(FractionChoicesTest, EveryFractionPresetOffersTheAnswerBesideAnotherText) {
    CPreCreatedQuestions presets;
    presets.Load();
    const CSeededRandom seeded(2026);
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const CQuestionData& kind = *presets.Questions().Item(i);
        // A comparison's choices are signs.
        if (!kind.IsFraction() || kind.Form() != QuestionForm::Calculate) {
            continue;
        }
        const CQuestionSet set = MakeQuestions(kind, 200, nullptr);
        for (int32_t q = 1; q <= set.questions.Count(); ++q) {
            const CExprValue& question = *set.questions.Item(q);
            for (const AnswerChoices& choices :
                 {MakeAnswerChoices(question, *kind.ResultLimit()),
                  MakeTeachingChoices(question, *kind.ResultLimit())}) {
                const auto right = static_cast<size_t>(choices.RightIndex);
                const std::u16string wrong = choices.Text(1 - right);
                EXPECT_EQ(choices.Answer(right), CAnswer::RightFor(question)) << i;
                EXPECT_NE(wrong, choices.Text(right)) << i;
                EXPECT_EQ(wrong.find_first_of(u"-."), std::u16string::npos) << i;
                const CAnswer slip = choices.Answer(1 - right);
                const int32_t denominator = UnitDenominator(slip.places);
                EXPECT_GT(slip.value, 0) << i;
                EXPECT_TRUE(std::gcd(slip.value, denominator) == 1 ||
                            CFraction(slip.value, denominator) == RightValue(question))
                    << i;
            }
        }
    }
}

} // namespace
} // namespace kelvo
