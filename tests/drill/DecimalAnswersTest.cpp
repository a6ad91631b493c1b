#include "drill/AnswerChoices.h"
#include "drill/CAnswerEntry.h"
#include "drill/TypicalSlip.h"
#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"
#include "number/CValueLimit.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/QuestionSet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

// A question of two operands counted in the given units.
CExprValue Question(int32_t a, int32_t code, int32_t b, int32_t result, CDecimalUnits units) {
    CExprValue question;
    const std::vector<CExprValue::OperandValue> operands{{0, a}, {code, b}};
    question.CreateFrom(operands, result);
    question.SetUnits(units);
    return question;
}

CAnswer Typed(std::string_view keys) {
    CAnswerEntry entry;
    for (const char key : keys) {
        key == '.' ? entry.AddPoint() : entry.AddDigit(key - '0');
    }
    return entry.Answer().value();
}

TEST(DecimalAnswersTest, TypedDecimalsCountByTheirExactValue) {
    // 0.3×4 = 1.2: the result counts in tenths.
    const CAnswer right = CAnswer::RightFor(Question(3, Op::Times, 4, 12, {{1, 0}, 1}));
    EXPECT_EQ(right.Text(), u"1.2");
    EXPECT_EQ(Typed("1.2"), right);
    EXPECT_EQ(Typed("1.20"), right);
    EXPECT_NE(Typed("12"), right);
    EXPECT_NE(Typed("0.12"), right);
    EXPECT_EQ(Typed("1.2").Text(), u"1.2");
    // A second point is ignored, a leading one too; "4." is 4.
    EXPECT_EQ(Typed(".1..5").Text(), u"1.5");
    EXPECT_EQ(Typed("4."), CAnswer(4));
    // 2.5＋1.5 = 4 written without its places; 3.5×100 counted in tens.
    EXPECT_EQ(CAnswer::RightFor(Question(25, Op::Plus, 15, 40, {{1, 1}, 1})), Typed("4.0"));
    EXPECT_EQ(CAnswer::Scaled(35, -2).Text(), u"3500");
    EXPECT_EQ(CAnswer::Scaled(0, 2), CAnswer(0));
}

struct SlipCase {
    int32_t a;
    int32_t code;
    int32_t b;
    int32_t result;
    CDecimalUnits units;
    std::set<std::u16string> slips;
};

TEST(DecimalAnswersTest, TeachingChoicesOfferTheDecimalSlips) {
    const SlipCase cases[] = {
        {3, Op::Times, 2, 6, {{1, 1}, 2}, {u"0.6"}},          // 0.3×0.2
        {3, Op::Times, 4, 12, {{1, 0}, 1}, {u"12"}},          // 0.3×4
        {48, Op::Divide, 4, 12, {{1, 0}, 1}, {u"12"}},        // 4.8÷4
        {6, Op::Divide, 2, 3, {{1, 1}, 0}, {u"0.3"}},         // 0.6÷0.2
        {23, Op::Plus, 45, 275, {{1, 2}, 2}, {u"0.68"}},      // 2.3＋0.45
        {7, Op::Plus, 5, 12, {{1, 1}, 1}, {u"0.2", u"0.12"}}, // 0.7＋0.5
        {52, Op::Minus, 17, 35, {{1, 1}, 1}, {u"4.5"}},       // 5.2－1.7
        {52, Op::Minus, 175, 345, {{1, 2}, 2}, {}},           // 5.2－1.75
    };
    SeedRandom(30);
    CValueLimit limit;
    limit.Init(0, 10000, 1, 1);
    for (const SlipCase& c : cases) {
        const CExprValue question = Question(c.a, c.code, c.b, c.result, c.units);
        const std::u16string right = CAnswer::RightFor(question).Text();
        std::set<std::u16string> seen;
        for (int draw = 0; draw < 50; ++draw) {
            const AnswerChoices choices = MakeTeachingChoices(question, limit);
            const auto rightIndex = static_cast<size_t>(choices.RightIndex);
            EXPECT_EQ(choices.Text(rightIndex), right);
            const std::u16string wrong = choices.Text(1 - rightIndex);
            EXPECT_NE(wrong, right);
            if (!c.slips.empty()) {
                seen.insert(wrong);
            }
        }
        EXPECT_EQ(seen, c.slips) << c.a << ' ' << c.b;
    }
    UseClockForRandomReseed();
}

// Over every decimal preset: both kinds of choices hold the answer as the
// sheet writes it and a wrong one that is a different number; the answer
// typed as written, or with a trailing zero, is right.
TEST(DecimalAnswersTest, EveryDecimalPresetIsAnsweredAsItsSheetWritesIt) {
    CPreCreatedQuestions presets;
    presets.Load();
    const CSeededRandom seeded(2026);
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const CQuestionData& kind = *presets.Questions().Item(i);
        if (!kind.IsDecimal()) {
            continue;
        }
        const CQuestionSet set = MakeQuestions(kind, 100, nullptr);
        for (int32_t q = 1; q <= set.questions.Count(); ++q) {
            const CExprValue& question = *set.questions.Item(q);
            const std::u16string written = question.ResultText();
            const std::string keys(written.begin(), written.end());
            EXPECT_EQ(Typed(keys), CAnswer::RightFor(question)) << i;
            EXPECT_EQ(Typed(keys + (keys.find('.') == std::string::npos ? ".0" : "0")),
                      CAnswer::RightFor(question));
            for (const AnswerChoices& choices :
                 {MakeAnswerChoices(question, *kind.ResultLimit()),
                  MakeTeachingChoices(question, *kind.ResultLimit())}) {
                const auto right = static_cast<size_t>(choices.RightIndex);
                EXPECT_EQ(choices.Text(right), written) << i;
                EXPECT_NE(choices.Answer(1 - right), choices.Answer(right)) << i;
            }
        }
    }
}

} // namespace
} // namespace kelvo
