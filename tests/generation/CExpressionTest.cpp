#include "generation/CExpression.h"
#include "TemplateFactory.h"

#include <gtest/gtest.h>

#include <limits>

namespace kelvo {
namespace {

using testing::MakeOperand;
using testing::MakeTemplate;
using testing::Range;

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

    EXPECT_EQ(question->OperandValues(),
              (std::vector<CExprValue::OperandValue>{{0, 8}, {Op::Times, 7}, {Op::Minus, 6}}));
    EXPECT_EQ(question->ResultValue(), 50);
    EXPECT_EQ(question->RemainderValue(), 0);
    EXPECT_EQ(question->LeftPartToString().ToString(), u"8×7－6=");
    EXPECT_EQ(testing::QuestionText(*question), u"8×7－6=50");
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
