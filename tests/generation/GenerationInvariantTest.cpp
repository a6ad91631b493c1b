#include "TemplateFactory.h"
#include "foundation/RandomSource.h"
#include "generation/CExpression.h"
#include "question/QuestionTemplates.h"
#include "support/QuestionChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kelvo {
namespace {

using testing::Describe;
using testing::MakeTemplate;
using testing::Range;

// Random templates as a user could describe them: 2 to 4 operands with ranges
// of every size, with and without steps of 10 and 100, any operator in every
// gap, a free or a narrow result, and carry or borrow on two-operand sums and
// differences; a third of the longer ones with parentheses somewhere.
class TemplateMaker {
public:
    explicit TemplateMaker(uint32_t seed) : m_random(seed) {}

    std::shared_ptr<CExpression> Make(size_t operandCount) {
        std::vector<Range> operands;
        std::vector<int32_t> ops;
        // Half of the templates are small enough to be enumerated.
        const int32_t largestUpper = Between(0, 1) == 0 ? 3 : 8;
        for (size_t k = 0; k < operandCount; ++k) {
            operands.push_back(RandomRange(largestUpper));
            if (k > 0) {
                ops.push_back(Between(Op::Plus, Op::Divide));
            }
        }
        const Range result = Between(0, 2) == 0 ? Range{0, 10000} : RandomRange(8);
        int32_t cbr = Cbr::None;
        if (operandCount == 2 && ops[0] == Op::Plus) {
            cbr = Between(Cbr::None, Cbr::NoCarry);
        } else if (operandCount == 2 && ops[0] == Op::Minus) {
            cbr = std::vector{Cbr::None, Cbr::Borrow, Cbr::NoBorrow}[Between(0, 2)];
        }
        auto expression = MakeTemplate(operands, ops, result, cbr);
        const std::vector<Parentheses> places =
            ParenthesesPositions(static_cast<int32_t>(operandCount));
        if (!places.empty() && Between(0, 2) == 0) {
            expression->SetGrouping(
                places[static_cast<size_t>(Between(0, static_cast<int32_t>(places.size()) - 1))]);
        }
        return expression;
    }

private:
    int32_t Between(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(m_random);
    }

    Range RandomRange(int32_t largestUpper) {
        static const int32_t uppers[] = {9, 10, 20, 50, 99, 100, 999, 1000, 10000};
        const int32_t upper = uppers[Between(0, largestUpper)];
        const int32_t lower = Between(0, 1) == 0 ? Between(0, 1) : Between(0, upper / 3);
        const int32_t step = Between(0, 9);
        if (step >= 8 && upper >= 200) {
            return {lower, upper, 100};
        }
        if (step >= 5 && upper >= 20) {
            return {lower, upper, 10};
        }
        return {lower, upper, 1};
    }

    std::mt19937 m_random;
};

bool Admitted(int32_t value, const COperand& slot) {
    return slot.LowerLimit() <= value && value <= slot.UpperLimit() &&
           value % slot.MultipleOf() == 0;
}

// Everything wrong with one question of a template; empty when it is sound.
std::string Violations(const CExpression& expression, const CExprValue& question) {
    std::ostringstream out;
    const auto& values = question.OperandValues();
    const auto& operands = expression.Operands();
    if (values.size() != operands.size()) {
        return "wrong number of operands";
    }
    for (size_t k = 0; k < values.size(); ++k) {
        if (k > 0 && values[k][0] != operands[k]->LeftOperator()) {
            out << "operator " << k + 1 << " changed; ";
        }
        if (!Admitted(values[k][1], *operands[k])) {
            out << "operand " << k + 1 << " outside its range; ";
        }
    }
    if (!(question.Grouping() == expression.Grouping())) {
        out << "parentheses moved; ";
    }
    int32_t r = 0;
    if (!testing::WorkOut(r, values, question.Grouping()) || r != question.ResultValue()) {
        out << "does not work out step by step to its result; ";
    }
    if (!Admitted(question.ResultValue(), *expression.ResultOperand())) {
        out << "result outside its range; ";
    }
    if (values.size() == 2 &&
        !testing::MeetsCbr(operands[1]->CbrSetting(), values[0][1], values[1][1])) {
        out << "carry/borrow requirement not met; ";
    }
    return out.str();
}

std::string Show(const CExprValue& question) {
    std::string text;
    for (const auto& [op, value] : question.OperandValues()) {
        text += (op >= 1 && op <= 4 ? std::string(1, " +-*/"[op]) : "") + std::to_string(value);
    }
    return text + "=" + std::to_string(question.ResultValue());
}

class GenerationInvariantTest : public ::testing::TestWithParam<size_t> {
protected:
    void SetUp() override { SeedRandom(2024 + GetParam()); }
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_P(GenerationInvariantTest, EveryQuestionIsWhatTheUserAskedFor) {
    const size_t operandCount = GetParam();
    TemplateMaker maker(static_cast<uint32_t>(operandCount));
    std::map<bool, int> productiveTemplates; // by "enumerated"
    std::vector<std::string> failures;
    for (int t = 0; t < 600; ++t) {
        auto expression = maker.Make(operandCount);
        const bool enumerated = expression->GetPermCombineTimes() <= CExpression::EnumerationLimit;
        QuestionList questions;
        expression->CreateInstances(questions, 30, nullptr);
        std::set<std::vector<int32_t>> seen;
        for (int32_t k = 1; k <= questions.Count(); ++k) {
            const CExprValue& question = *questions.Item(k);
            std::string problems = Violations(*expression, question);
            std::vector<int32_t> key;
            for (const auto& pair : question.OperandValues()) {
                key.push_back(pair[1]);
            }
            if (enumerated && !seen.insert(key).second) {
                problems += "repeated by the generator; ";
            }
            if (!problems.empty() && failures.size() < 20) {
                failures.push_back(Describe(*expression) + (enumerated ? " (enumerated) " : " ") +
                                   Show(question) + ": " + problems);
            }
        }
        productiveTemplates[enumerated] += questions.Count() > 0 ? 1 : 0;
    }
    std::string report;
    for (const std::string& failure : failures) {
        report += failure + "\n";
    }
    EXPECT_TRUE(failures.empty()) << report;
    // Both roads must really have been taken.
    EXPECT_GE(productiveTemplates[true], 25);
    EXPECT_GE(productiveTemplates[false], 25);
}

INSTANTIATE_TEST_SUITE_P(ByOperandCount, GenerationInvariantTest, ::testing::Values(2, 3, 4));

} // namespace
} // namespace kelvo
