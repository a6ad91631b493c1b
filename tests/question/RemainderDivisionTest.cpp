#include "foundation/RandomSource.h"
#include "foundation/TextNumber.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"
#include "output/COutputFormatter.h"
#include "question/QuestionTemplates.h"
#include "support/KindFactory.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvo {
namespace {

using testing::KindRange;
using testing::MakeKind;

bool InRange(int32_t value, KindRange range) {
    return range.lower <= value && value <= range.upper && value % range.multipleOf == 0;
}

struct DivisionKind {
    const char* name;
    KindRange dividend;
    KindRange divisor;
    KindRange quotient;
};

// Enumerated (at most 10000 combinations) and built at random (more).
const DivisionKind Kinds[] = {
    {"table", {3, 89}, {2, 9}, {1, 9}},
    {"steps enumerated", {10, 999, 5}, {2, 9}, {4, 90, 2}},
    {"built", {100, 9999}, {2, 99}, {1, 500}},
    {"steps built", {1000, 9990, 10}, {3, 60}, {10, 900, 5}},
    {"whole tens built", {1000, 9999}, {2, 99}, {10, 990, 10}},
};

QuestionList Generate(const CQuestionData& kind, int32_t count) {
    std::u16string error;
    TemplateList templates = QuestionTemplates(kind, error);
    EXPECT_EQ(templates.size(), 1u);
    QuestionList questions;
    templates.front()->CreateInstances(questions, count, nullptr);
    // Each attempt of the builder is one question, unless a step finds no value.
    if (templates.front()->GetPermCombineTimes() > CExpression::EnumerationLimit) {
        EXPECT_GT(questions.Count(), count * 4 / 5);
    }
    return questions;
}

class RemainderDivisionTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(2626); }
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_F(RemainderDivisionTest, BothRoadsKeepDividendEqualToDivisorTimesQuotientPlusRemainder) {
    for (const DivisionKind& k : Kinds) {
        for (const int32_t cbr : {Cbr::Remainder, Cbr::NoRemainder}) {
            const auto kind = MakeKind({k.dividend, k.divisor}, {u"$$$÷"}, k.quotient, cbr);
            const QuestionList questions = Generate(*kind, 400);
            ASSERT_GT(questions.Count(), 20) << k.name;
            for (int32_t i = 1; i <= questions.Count(); ++i) {
                const CExprValue& q = *questions.Item(i);
                const int32_t a = q.OperandValues()[0][1];
                const int32_t b = q.OperandValues()[1][1];
                const int32_t remainder = q.HasRemainder() ? q.RemainderValue() : 0;
                ASSERT_EQ(q.OperandValues()[1][0], Op::Divide);
                ASSERT_TRUE(InRange(a, k.dividend) && InRange(b, k.divisor) &&
                            InRange(q.ResultValue(), k.quotient))
                    << k.name << " " << a << "÷" << b << "=" << q.ResultValue();
                ASSERT_EQ(a, b * q.ResultValue() + remainder) << k.name;
                if (cbr == Cbr::Remainder) {
                    ASSERT_TRUE(remainder >= 1 && remainder < b) << k.name;
                    ASSERT_GE(q.ResultValue(), 1) << k.name;
                } else {
                    ASSERT_EQ(q.RemainderValue(), -1) << k.name;
                }
            }
        }
    }
}

// 17÷5: dividend = divisor × quotient + remainder has exactly one divisor for
// a quotient of at least 1, which a blank divisor relies on.
TEST_F(RemainderDivisionTest, ABlankDivisorHasExactlyOneAnswer) {
    const auto kind = MakeKind({{3, 89}, {2, 9}}, {u"$$$÷"}, {1, 9}, Cbr::Remainder);
    const QuestionList questions = Generate(*kind, 200);
    for (int32_t i = 1; i <= questions.Count(); ++i) {
        const CExprValue& q = *questions.Item(i);
        const int32_t a = q.OperandValues()[0][1];
        int32_t answers = 0;
        for (int32_t d = 1; d <= a; ++d) {
            answers += a / d == q.ResultValue() && a % d == q.RemainderValue() ? 1 : 0;
        }
        ASSERT_EQ(answers, 1) << a;
    }
}

TEST_F(RemainderDivisionTest, TheRemainderNeverDropsOutOfTheText) {
    const auto kind = MakeKind({{3, 89}, {2, 9}}, {u"$$$÷"}, {1, 9}, Cbr::Remainder);
    std::u16string error;
    const TemplateList templates = QuestionTemplates(*kind, error);
    const QuestionList questions = Generate(*kind, 60);
    const BlankPositions blanks(static_cast<size_t>(questions.Count()), 2);
    struct Form {
        bool fill;
        bool answers;
    };
    for (const Form form : {Form{false, false}, Form{false, true}, Form{true, false}}) {
        auto settings = std::make_shared<COutputSettings>();
        settings->SetRowCount(questions.Count());
        settings->SetColumnCount(1);
        settings->SetIsFillQuestions(form.fill);
        settings->SetIsShowAnswer(form.answers);
        COutputFormatter formatter;
        formatter.SetSettings(settings);
        formatter.RepresentativeExpression(*templates.front());
        formatter.SetExprValues(&questions);
        formatter.SetBlanks(&blanks);
        const std::u16string text = formatter.Format(nullptr).ToString();
        for (int32_t i = 1; i <= questions.Count(); ++i) {
            const CExprValue& q = *questions.Item(i);
            const std::u16string dividend = DecimalText(q.OperandValues()[0][1]);
            const std::u16string divisor = DecimalText(q.OperandValues()[1][1]);
            const std::u16string answer =
                DecimalText(q.ResultValue()) + u"……" + DecimalText(q.RemainderValue());
            const std::u16string line = form.fill      ? dividend + u"÷(   )=" + answer
                                        : form.answers ? dividend + u"÷" + divisor + u"=" + answer
                                                       : dividend + u"÷" + divisor + u"=(  )……(  )";
            EXPECT_NE(text.find(line + u"\r\n"), std::u16string::npos)
                << form.fill << form.answers << " " << i;
        }
    }
}

// The drill history keeps operands and result only; the remainder comes back
// from them.
TEST(RemainderSnapshotTest, AKeptDivisionGetsItsRemainderBack) {
    const CExprValue::OperandValue remainder[] = {{Op::None, 17}, {Op::Divide, 5}};
    const CExprValue::OperandValue exact[] = {{Op::None, 15}, {Op::Divide, 5}};
    CExprValue question;
    question.CreateFrom(remainder, 3);
    EXPECT_EQ(question.ResultText(), u"3……2");
    question.CreateFrom(exact, 3);
    EXPECT_FALSE(question.HasRemainder());
    EXPECT_EQ(question.ResultText(), u"3");
}

} // namespace
} // namespace kelvo
