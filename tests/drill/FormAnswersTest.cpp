#include "drill/FormAnswers.h"

#include "drill/CAnswerEntry.h"
#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace kelvo {
namespace {

CExprValue Question(QuestionForm form, std::vector<CExprValue::OperandValue> operands,
                    int32_t result, int32_t comparand = 0) {
    CExprValue question;
    question.CreateFrom(operands, result);
    question.SetForm(form);
    question.SetComparand(comparand);
    return question;
}

TEST(FormAnswersTest, EachFormIsAskedAndOffersItsRightAnswerBesideAWrongOneOfItsKind) {
    struct Case {
        CExprValue question;
        std::u16string text;
        std::u16string right;
        // Every wrong choice drawn, plain and teaching.
        std::set<std::u16string> wrong;
        std::set<std::u16string> teachingWrong;
    };
    const Case cases[] = {
        {Question(QuestionForm::Compare, {{Op::None, 8}, {Op::Plus, 5}}, 13, 12),
         u"8＋5 ○ 12",
         u"＞",
         {u"＜", u"＝"},
         {u"＜", u"＝"}},
        {Question(QuestionForm::FillOperator, {{Op::None, 6}, {Op::Times, 3}, {Op::Plus, 2}}, 20),
         u"6 ○ 3 ○ 2 = 20",
         u"×＋",
         {u"＋＋", u"－＋", u"÷＋", u"××", u"×－", u"×÷"},
         {u"÷＋", u"×－"}},
        {Question(QuestionForm::EstimateTens, {{Op::None, 49}, {Op::Plus, 32}}, 81),
         u"49＋32≈",
         u"80",
         {u"70", u"90"},
         {u"81"}},
        {Question(QuestionForm::EstimateHundreds, {{Op::None, 298}, {Op::Times, 3}}, 894),
         u"298×3≈",
         u"900",
         {u"800", u"1000"},
         {u"894"}},
    };
    SeedRandom(11);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.question.Form()));
        EXPECT_EQ(DrillQuestionText(c.question), c.text);
        EXPECT_EQ(CAnswer::RightFor(c.question).Text(), c.right);
        for (const bool teaching : {false, true}) {
            std::set<std::u16string> wrong;
            for (int draw = 0; draw < 200; ++draw) {
                const AnswerChoices choices = *FormChoices(c.question, teaching);
                const auto right = static_cast<size_t>(choices.RightIndex);
                EXPECT_EQ(choices.Answer(right), CAnswer::RightFor(c.question));
                wrong.insert(choices.Text(1 - right));
            }
            EXPECT_EQ(wrong, teaching ? c.teachingWrong : c.wrong);
        }
    }
    UseClockForRandomReseed();
}

TEST(FormAnswersTest, SignsAreTypedOneCircleAfterAnotherAndNeverMixWithDigits) {
    CAnswerEntry entry;
    entry.AddSign(u'×');
    entry.AddDigit(3);
    entry.AddSign(u'＋');
    EXPECT_EQ(entry.Answer(), CAnswer::Signs(u"×＋"));
    entry.Backspace();
    EXPECT_EQ(entry.Answer(), CAnswer::Signs(u"×"));
    entry.Clear();
    entry.AddDigit(8);
    entry.AddSign(u'＞');
    EXPECT_EQ(entry.Answer(), CAnswer(8));
    EXPECT_EQ(SignOfKey(u'*'), u'×');
    EXPECT_EQ(SignOfKey(u'a'), std::nullopt);
}

} // namespace
} // namespace kelvo
