#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "question/PresetTable.h"
#include "question/QuestionTemplates.h"
#include "support/QuestionChecks.h"
#include "worksheet/QuestionSet.h"

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
    int32_t remainder = -1;
    const bool solved =
        preset.Cbr() == Cbr::Remainder
            ? testing::DivideWithRemainder(result, remainder, values[0][1], values[1][1])
            : testing::WorkOut(result, values, question.Grouping());
    if (!solved || result != question.ResultValue() || remainder != question.RemainderValue()) {
        out << "not admissible or wrong result; ";
    }
    const bool grouped = !question.Grouping().IsNone();
    if ((preset.ParenthesesChoice() != CQuestionData::NoParentheses) != grouped ||
        (grouped && !testing::ChangesOrder(values, question.Grouping()))) {
        out << "parentheses not as asked; ";
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
    const CQuestionSet questionSet = MakeQuestions(preset, 1000, nullptr);
    ASSERT_TRUE(questionSet.HasQuestions()) << "no question";
    EXPECT_EQ(questionSet.errorText, u"");
    const QuestionList& questions = questionSet.questions;
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

} // namespace
} // namespace kelvo
