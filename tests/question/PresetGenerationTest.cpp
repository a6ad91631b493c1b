#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "question/PresetTable.h"
#include "question/QuestionTemplates.h"
#include "support/QuestionChecks.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace kelvo {
namespace {

bool InRange(int32_t value, const CValueLimit& limit) {
    return limit.LowerLimit() <= value && value <= limit.UpperLimit() &&
           value % limit.MultipleOf() == 0;
}

// Everything in which a question departs from its preset; empty when sound.
std::string Violations(const CQuestionData& preset, const CExprValue& question) {
    std::ostringstream out;
    const auto& values = question.OperandValues();
    if (static_cast<int32_t>(values.size()) != preset.Limits().Count()) {
        return "wrong number of operands";
    }
    for (size_t k = 0; k < values.size(); ++k) {
        const int32_t position = static_cast<int32_t>(k + 1);
        if (k > 0 && AllowedOperators(preset.Operators().Item(position - 1))
                             .find(OperatorText(values[k][0])) == std::u16string::npos) {
            out << "operator " << position << " not allowed; ";
        }
        if (!InRange(values[k][1], *preset.Limits().Item(position))) {
            out << "operand " << position << " outside its range; ";
        }
    }
    int32_t result = 0;
    if (!testing::EvaluateQuestion(result, values) || result != question.ResultValue()) {
        out << "not admissible or wrong result; ";
    }
    if (!InRange(question.ResultValue(), *preset.ResultLimit())) {
        out << "result outside its range; ";
    }
    if (values.size() == 2 && !testing::MeetsCbr(preset.Cbr(), values[0][1], values[1][1])) {
        out << "carry/borrow not as asked; ";
    }
    return out.str();
}

std::string Show(const CExprValue& question) {
    std::string text;
    for (const auto& [code, value] : question.OperandValues()) {
        text +=
            (code >= 1 && code <= 4 ? std::string(1, " +-*/"[code]) : "") + std::to_string(value);
    }
    return text + "=" + std::to_string(question.ResultValue());
}

std::vector<int32_t> PresetNumbers() {
    std::vector<int32_t> numbers;
    for (int32_t i = 0; i < PresetCount; ++i) {
        if (PresetTable()[static_cast<size_t>(i)].operandCount > 0) {
            numbers.push_back(i + 1);
        }
    }
    return numbers;
}

class PresetGenerationTest : public ::testing::TestWithParam<int32_t> {
protected:
    void SetUp() override { SeedRandom(7000 + static_cast<uint64_t>(GetParam())); }
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_P(PresetGenerationTest, EveryQuestionIsAdmissibleAndInsideThePreset) {
    CPreCreatedQuestions presets;
    presets.Load();
    const CQuestionData& preset = *presets.Questions().Item(GetParam());
    std::u16string error;
    const TemplateList templates = QuestionTemplates(preset, error);
    ASSERT_FALSE(templates.empty());
    EXPECT_EQ(error, u"");

    int32_t generated = 0;
    const QuestionList questions = GenerateQuestions(templates, 1000, &generated, nullptr);
    ASSERT_GT(generated, 0) << "no question";
    ASSERT_GE(questions.Count(), 1000);
    std::set<int32_t> operators;
    for (int32_t i = 1; i <= questions.Count(); ++i) {
        const CExprValue& question = *questions.Item(i);
        const std::string violations = Violations(preset, question);
        ASSERT_EQ(violations, "") << Show(question);
        operators.insert(question.OperandValues()[1][0]);
    }
    EXPECT_EQ(operators.size(), AllowedOperators(preset.Operator1()).size());
}

// The attempt budget never stops a preset: each fills the largest sheet, or
// gives every question its enumerated templates have. The clock stands still,
// so only the attempts count.
TEST_P(PresetGenerationTest, TheLargestSheetGetsTheFullYield) {
    constexpr int32_t Largest = 100000;
    CPreCreatedQuestions presets;
    presets.Load();
    std::u16string error;
    const TemplateList templates = QuestionTemplates(*presets.Questions().Item(GetParam()), error);
    bool built = false;
    int32_t enumerated = 0;
    std::vector<CExpression*> expressions;
    for (const auto& expression : templates) {
        expressions.push_back(expression.get());
        if (expression->GetPermCombineTimes() > CExpression::EnumerationLimit) {
            built = true;
        } else {
            QuestionList alone;
            expression->CreateInstances(alone, Largest, nullptr);
            enumerated += alone.Count();
        }
    }
    CGenerationJob job(nullptr, [] { return 0.0; });
    QuestionList questions;
    EXPECT_EQ(job.Run(expressions, Largest, questions), GenerationEnd::Complete);
    EXPECT_EQ(questions.Count(), built ? Largest : std::min(enumerated, Largest));
}

INSTANTIATE_TEST_SUITE_P(Presets, PresetGenerationTest, ::testing::ValuesIn(PresetNumbers()),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return "Entry" + std::to_string(info.param);
                         });

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
    EXPECT_EQ(templates[1]->Operands()[1]->CbrSetting(), Cbr::Carry);

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

} // namespace
} // namespace kelvo
