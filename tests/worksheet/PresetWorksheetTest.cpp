#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "question/PresetTable.h"
#include "question/QuestionTemplates.h"
#include "question/UnitPresets.h"
#include "support/QuestionChecks.h"
#include "worksheet/QuestionSet.h"

#include <gtest/gtest.h>

#include <map>
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
    if (preset.IsDecimal() || preset.IsFraction()) {
        GTEST_SKIP() << "a decimal or fraction sheet is read as written by DecimalKindsTest "
                        "or FractionKindsTest";
    }
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

int32_t Ones(int32_t number) {
    return number % 10;
}

// What a unit teaches beyond its ranges, for a question a ○ b = result.
using Intent = bool (*)(int32_t a, int32_t b, int32_t result);
const std::map<std::u16string, Intent> UnitIntents{
    {u"凑十（10的分与合）", [](int32_t, int32_t, int32_t r) { return r == 10; }},
    {u"20以内的进位加法（凑十法）",
     [](int32_t a, int32_t b, int32_t r) { return a < 10 && b < 10 && r > 10; }},
    {u"十几加几（不进位）",
     [](int32_t a, int32_t b, int32_t) { return a / 10 == 1 && Ones(a) + b < 10; }},
    {u"十几减几（不退位）",
     [](int32_t a, int32_t b, int32_t) { return a / 10 == 1 && Ones(a) >= b; }},
    {u"20以内的退位减法（破十法）",
     [](int32_t a, int32_t b, int32_t) { return a / 10 == 1 && Ones(a) < b; }},
    {u"两位数加一位数（不进位）", [](int32_t a, int32_t b, int32_t) { return Ones(a) + b < 10; }},
    {u"两位数加一位数（进位）", [](int32_t a, int32_t b, int32_t) { return Ones(a) + b >= 10; }},
    {u"两位数减一位数（不退位）", [](int32_t a, int32_t b, int32_t) { return Ones(a) >= b; }},
    {u"两位数减一位数（退位）", [](int32_t a, int32_t b, int32_t) { return Ones(a) < b; }},
    {u"两位数加两位数（进位）",
     [](int32_t a, int32_t b, int32_t) { return Ones(a) + Ones(b) >= 10; }},
    {u"两位数减两位数（退位）", [](int32_t a, int32_t b, int32_t) { return Ones(a) < Ones(b); }},
    {u"整十数除以一位数（商是整十数）", [](int32_t, int32_t, int32_t r) { return r % 10 == 0; }},
    {u"整百数除以一位数（商是整百数）", [](int32_t, int32_t, int32_t r) { return r % 100 == 0; }},
    {u"两位数除以一位数（商是两位数）",
     [](int32_t, int32_t, int32_t r) { return r >= 10 && r <= 99; }},
    {u"除数是整十数的口算除法",
     [](int32_t, int32_t b, int32_t r) { return b % 10 == 0 && r < 10; }},
};

// Every unit stands in one term, and every term's title finds its preset; no
// unit takes the title of an entry of the classic list.
TEST(UnitPresetsTest, EveryUnitStandsInOneTermUnderATitleOfItsOwn) {
    CPreCreatedQuestions presets;
    presets.Load();
    std::map<std::u16string, int> listings;
    for (const PresetTerm& term : PresetTerms()) {
        for (const char16_t* title : term.unitTitles) {
            EXPECT_NE(presets.Item(title), nullptr);
            ++listings[title];
        }
    }
    for (const PresetRecord& unit : UnitPresetTable()) {
        EXPECT_EQ(listings[unit.title], 1);
        for (const PresetRecord& entry : PresetTable()) {
            EXPECT_NE(std::u16string_view(unit.title), std::u16string_view(entry.title));
        }
    }
    for (const auto& [title, intent] : UnitIntents) {
        EXPECT_NE(presets.Item(title), nullptr);
    }
}

// The rules a unit turns on, checked by hand for the shapes of the units: a
// chain's first step within the result's range; no factor, divisor or
// quotient of 0 or 1.
std::string RuleViolations(const CQuestionData& unit, const CExprValue& question) {
    const auto& values = question.OperandValues();
    const CQuestionRules& rules = unit.Rules();
    std::string violations;
    if (rules.isIntermediateInResultRange && values.size() == 3) {
        const int32_t first =
            values[1][0] == Op::Plus ? values[0][1] + values[1][1] : values[0][1] - values[1][1];
        if (!InRange(first, *unit.ResultLimit())) {
            violations += "first step outside the result's range; ";
        }
    }
    const int32_t code = values[1][0];
    if (rules.isNoTrivialFactor &&
        ((code == Op::Times && (values[0][1] <= 1 || values[1][1] <= 1)) ||
         (code == Op::Divide && values[1][1] <= 1))) {
        violations += "a factor or divisor of 0 or 1; ";
    }
    if (rules.isNoQuotientOne && code == Op::Divide && question.ResultValue() == 1) {
        violations += "a quotient of 1; ";
    }
    return violations;
}

class UnitGenerationTest : public ::testing::TestWithParam<size_t> {
protected:
    void SetUp() override { SeedRandom(9000 + GetParam()); }
    void TearDown() override { UseClockForRandomReseed(); }
};

// A sheet of 5000 questions keeps to the unit's kind, its rules and what it
// teaches.
TEST_P(UnitGenerationTest, EveryQuestionKeepsToTheUnit) {
    CPreCreatedQuestions presets;
    presets.Load();
    const std::u16string title = UnitPresetTable()[GetParam()].title;
    const CQuestionData& unit = *presets.Item(title);
    const CQuestionSet questionSet = MakeQuestions(unit, 5000, nullptr);
    ASSERT_TRUE(questionSet.HasQuestions());
    EXPECT_EQ(questionSet.errorText, u"");
    const auto intent = UnitIntents.find(title);
    for (int32_t i = 1; i <= questionSet.questions.Count(); ++i) {
        const CExprValue& question = *questionSet.questions.Item(i);
        ASSERT_EQ(Violations(unit, question) + RuleViolations(unit, question), "")
            << Show(question);
        const auto& values = question.OperandValues();
        ASSERT_TRUE(intent == UnitIntents.end() ||
                    intent->second(values[0][1], values[1][1], question.ResultValue()))
            << Show(question);
    }
}

INSTANTIATE_TEST_SUITE_P(Units, UnitGenerationTest,
                         ::testing::Range<size_t>(0, UnitPresetTable().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return "Unit" + std::to_string(info.param + 1);
                         });

} // namespace
} // namespace kelvo
