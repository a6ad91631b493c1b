#include "question/QuestionTemplates.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

TEST(QuestionTemplatesTest, APatternAllowsOnlyOperatorsInTheirOwnPlace) {
    EXPECT_EQ(AllowedOperators(u"＋－$$"), u"＋－");
    EXPECT_EQ(AllowedOperators(u"$$×÷"), u"×÷");
    EXPECT_EQ(AllowedOperators(u"＋$$$$"), u"＋");
    EXPECT_EQ(AllowedOperators(u"－＋$$"), u"");
    EXPECT_EQ(AllowedOperators(u"$$$"), u"");
    EXPECT_EQ(AllowedOperators(u"$$$$÷"), u"");
}

TEST(QuestionTemplatesTest, TemplatesAreMadeAsThePanelMakesThem) {
    CQuestionData question;
    auto first = std::make_shared<CValueLimit>();
    first->Init(20, 5, 1, 1);
    question.AddLimit(first);
    question.AddOperator(u"＋－$$");
    auto second = std::make_shared<CValueLimit>();
    second->Init(1, 9, 10, 1);
    question.AddLimit(second);
    auto result = std::make_shared<CValueLimit>();
    result->Init(0, 100, 1, 1);
    question.SetResultLimit(result);
    question.SetCbr(Cbr::Carry);

    std::u16string error;
    const TemplateList templates = QuestionTemplates(question, error);
    ASSERT_EQ(templates.size(), 2u);
    EXPECT_EQ(templates[0]->Operands()[0], templates[1]->Operands()[0]);
    EXPECT_NE(templates[0]->ResultOperand(), templates[1]->ResultOperand());
    EXPECT_EQ(templates[0]->Operands()[0]->LowerLimit(), 5);
    EXPECT_EQ(templates[0]->Operands()[0]->UpperLimit(), 20);
    EXPECT_EQ(templates[1]->Operands()[1]->MultipleOf(), 10);
    EXPECT_EQ(templates[0]->Operands()[1]->LeftOperator(), Op::Plus);
    EXPECT_EQ(templates[1]->Operands()[1]->LeftOperator(), Op::Minus);
    // Both "＋" and "－" allowed: the panel offers no carry/borrow pair.
    EXPECT_EQ(templates[1]->Operands()[1]->CbrSetting(), Cbr::None);

    question.AddOperator(u"＋$$$");
    question.AddLimit(second);
    const TemplateList three = QuestionTemplates(question, error);
    ASSERT_EQ(three.size(), 2u);
    EXPECT_EQ(three[0]->Operands()[1]->CbrSetting(), Cbr::None);
    EXPECT_EQ(error, u"");
}

TEST(QuestionTemplatesTest, AGapWithoutOperatorGivesNoTemplateAndTheMessage) {
    CPreCreatedQuestions presets;
    presets.Load();
    const CQuestionData& question = *presets.Item(u"10以内的连加");
    CQuestionData broken;
    broken.AddLimit(question.Limit1());
    broken.AddOperator(u"＋$$$");
    broken.AddLimit(question.Limit2());
    broken.AddOperator(u"$$$$");
    broken.AddLimit(question.Limit3());
    broken.SetResultLimit(question.ResultLimit());

    std::u16string error;
    EXPECT_TRUE(QuestionTemplates(broken, error).empty());
    EXPECT_EQ(error, u"错误：至少一个运算数没有选择运算符号。");
}

struct CbrCase {
    const char16_t* gap1;
    int32_t cbr;
    int32_t expected;
};

class CbrCodeTest : public ::testing::TestWithParam<CbrCase> {};

// The code reaches operand 2 only where the panel offers its pair.
TEST_P(CbrCodeTest, TheCodeGoesOnlyWithTheLoneOperatorOfItsPair) {
    CQuestionData question;
    auto limit = std::make_shared<CValueLimit>();
    limit->Init(1, 50, 1, 1);
    question.AddLimit(limit);
    question.AddOperator(GetParam().gap1);
    question.AddLimit(limit);
    question.SetResultLimit(limit);
    question.SetCbr(GetParam().cbr);
    std::u16string error;
    for (const auto& expression : QuestionTemplates(question, error)) {
        EXPECT_EQ(expression->Operands()[1]->CbrSetting(), GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Gaps, CbrCodeTest,
                         ::testing::Values(CbrCase{u"＋$$$", Cbr::NoCarry, Cbr::NoCarry},
                                           CbrCase{u"$－$$", Cbr::Borrow, Cbr::Borrow},
                                           CbrCase{u"＋－$$", Cbr::Carry, Cbr::None},
                                           CbrCase{u"＋$×$", Cbr::Carry, Cbr::None},
                                           CbrCase{u"$$×$", Cbr::Carry, Cbr::None},
                                           CbrCase{u"$$$÷", Cbr::Remainder, Cbr::Remainder},
                                           CbrCase{u"$$$÷", Cbr::NoRemainder, Cbr::NoRemainder},
                                           // A code of another pair, from a file written
                                           // by hand, would turn the question's operator.
                                           CbrCase{u"$$$÷", Cbr::Carry, Cbr::None},
                                           CbrCase{u"＋$$$", Cbr::Borrow, Cbr::None},
                                           CbrCase{u"$－$$", Cbr::Remainder, Cbr::None}));

} // namespace
} // namespace kelvo
