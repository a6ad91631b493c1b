#include "generation/CExpression.h"
#include "TemplateFactory.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace kelvo {
namespace {

using testing::MakeOperand;
using testing::MakeTemplate;
using testing::Range;

std::vector<CExprValue::OperandValue> Values(const CExprValue& question) {
    const auto values = question.OperandValues();
    return {values.begin(), values.end()};
}

TEST(CExpressionTest, CombinationCountIsExact) {
    struct Case {
        std::vector<Range> operands;
        uint64_t expected;
    };
    const Case cases[] = {
        {{{0, 20}, {1, 9}}, 189},
        {{{0, 10000}, {0, 10000}, {0, 10000}, {0, 10000}}, 10001ULL * 10001 * 10001 * 10001},
        {{{0, 100, 10}, {1, 9, 10}}, 0},
        {{{100, 999}, {100, 999}}, 810000},
        {{}, 1},
    };
    for (const Case& c : cases) {
        std::vector<int32_t> ops(c.operands.size(), Op::Plus);
        EXPECT_EQ(MakeTemplate(c.operands, ops, {0, 10000})->GetPermCombineTimes(), c.expected);
    }
}

TEST(CExpressionTest, CombinationCountSaturatesInsteadOfWrapping) {
    const Range full{0, 10000};
    auto expression =
        MakeTemplate({full, full, full, full, full, full}, std::vector(5, Op::Plus), full);
    EXPECT_EQ(expression->GetPermCombineTimes(), std::numeric_limits<uint64_t>::max());
    // A later operand without values still makes the product exactly 0.
    expression->AddOperand(MakeOperand({1, 9, 10}, Op::Plus));
    EXPECT_EQ(expression->GetPermCombineTimes(), 0u);
}

TEST(CExpressionTest, SnapshotsAreIndependentOfTheTemplate) {
    CExprValue unfilled;
    EXPECT_EQ(unfilled.ResultValue(), -1);
    EXPECT_EQ(unfilled.RemainderValue(), -1);

    auto expression = MakeTemplate({{0, 99}, {0, 99}, {0, 99}}, {Op::Times, Op::Minus}, {0, 99});
    const int32_t values[] = {8, 7, 6};
    for (size_t k = 0; k < 3; ++k) {
        expression->Operands()[k]->SetResultValue(values[k]);
    }
    expression->ResultOperand()->SetResultValue(50);
    expression->ResultOperand()->SetRemainderValue(0);
    const auto question = expression->GetExprValue();
    for (const auto& operand : expression->Operands()) {
        operand->ClearResults();
        operand->SetLeftOperator(Op::Divide);
    }
    expression->ResultOperand()->ClearResults();

    EXPECT_EQ(Values(*question),
              (std::vector<CExprValue::OperandValue>{{0, 8}, {Op::Times, 7}, {Op::Minus, 6}}));
    EXPECT_EQ(question->ResultValue(), 50);
    EXPECT_EQ(question->RemainderValue(), 0);
    EXPECT_EQ(question->LeftPartToString().ToString(), u"8×7－6=");
    EXPECT_EQ(testing::QuestionText(*question), u"8×7－6=50");
}

// Up to four operands are kept in the question itself, more elsewhere.
TEST(CExpressionTest, SnapshotsKeepEveryOperandOfAnyTemplate) {
    for (size_t count : {0u, 1u, 4u, 5u, 7u}) {
        auto expression = MakeTemplate(std::vector<Range>(count, Range{0, 99}),
                                       std::vector<int32_t>(count, Op::Plus), {0, 99});
        std::vector<CExprValue::OperandValue> expected;
        for (size_t k = 0; k < count; ++k) {
            const auto value = static_cast<int32_t>(10 + k);
            expression->Operands()[k]->SetResultValue(value);
            expected.push_back({expression->Operands()[k]->LeftOperator(), value});
        }
        CExprValue question;
        question.CreateFrom(*expression);
        EXPECT_EQ(Values(question), expected) << count;
        auto shorter = MakeTemplate({{0, 9}, {0, 9}}, {Op::Minus}, {0, 9});
        shorter->Operands()[0]->SetResultValue(5);
        shorter->Operands()[1]->SetResultValue(3);
        question.CreateFrom(*shorter);
        EXPECT_EQ(Values(question), (std::vector<CExprValue::OperandValue>{{0, 5}, {Op::Minus, 3}}))
            << count;
        EXPECT_EQ(question.LeftPartToString().ToString(), u"5－3=");
    }
}

// Copies of a question share what few questions have, so changing a copy
// must leave the original as it was.
TEST(CExpressionTest, CopiesOfAQuestionKeepTheirOwnComparedQuestionAndOperands) {
    using Operands = std::vector<CExprValue::OperandValue>;
    const auto question = [](const Operands& values, int32_t result) {
        auto made = std::make_shared<CExprValue>();
        made->CreateFrom(values, result);
        return made;
    };
    const auto right = question({{0, 9}, {Op::Plus, 3}}, 12);
    const auto other = question({{0, 2}, {Op::Times, 6}}, 12);
    const Operands five{{0, 1}, {Op::Plus, 2}, {Op::Plus, 3}, {Op::Plus, 4}, {Op::Plus, 5}};
    CExprValue left = *question(five, 15);
    left.SetComparedQuestion(right);
    CExprValue copy = left;
    copy.SetComparedQuestion(other);
    EXPECT_EQ(left.ComparedQuestion(), right);
    EXPECT_EQ(copy.ComparedQuestion(), other);
    EXPECT_EQ(Values(copy), five);
    copy.CreateFrom(Operands{{0, 7}, {Op::Minus, 2}}, 5);
    EXPECT_EQ(copy.ComparedQuestion(), nullptr);
    EXPECT_EQ(Values(copy), (Operands{{0, 7}, {Op::Minus, 2}}));
    EXPECT_EQ(Values(left), five);
    EXPECT_EQ(left.ComparedQuestion(), right);
}

TEST(CExpressionTest, QuestionTexts) {
    struct Case {
        std::vector<int32_t> values;
        int32_t op;
        std::u16string expected;
    };
    const Case cases[] = {
        {{12, 5}, Op::Plus, u"12＋5="},
        {{17, 5}, Op::Divide, u"17÷5="},
        {{10000, 0}, Op::Minus, u"10000－0="},
        // A value never chosen is written as it is held.
        {{-1, 3}, Op::Times, u"-1×3="},
    };
    for (const Case& c : cases) {
        auto expression = MakeTemplate({{0, 10000}, {0, 10000}}, {c.op}, {0, 10000});
        expression->Operands()[0]->SetResultValue(c.values[0]);
        expression->Operands()[1]->SetResultValue(c.values[1]);
        EXPECT_EQ(expression->GetExprValue()->LeftPartToString().ToString(), c.expected);
    }
}

TEST(CExpressionTest, TemplateTextWritesOperatorsOfEveryOperandAndTheResult) {
    auto expression = MakeTemplate({{0, 99}, {0, 99}}, {Op::Minus}, {0, 99});
    expression->Operands()[0]->SetResultValue(9);
    expression->Operands()[1]->SetResultValue(4);
    expression->ResultOperand()->SetResultValue(5);
    EXPECT_EQ(expression->ToString(), u"9－45");
    expression->ResultOperand()->SetLeftOperator(Op::Equals);
    expression->Operands()[0]->SetLeftOperator(8);
    EXPECT_EQ(expression->ToString(), u"9－4=5");
}

} // namespace
} // namespace kelvo
