#include "output/BlankPositions.h"

#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvo {
namespace {

std::shared_ptr<CExprValue> FourOperandQuestion() {
    OperandList operands;
    for (const auto& [code, value] : {std::pair{Op::None, 1000}, std::pair{Op::Minus, 20},
                                      std::pair{Op::Times, 3}, std::pair{Op::Plus, 4}}) {
        auto operand = std::make_shared<COperand>();
        operand->SetLeftOperator(code);
        operand->SetResultValue(value);
        operands.push_back(operand);
    }
    auto result = std::make_shared<COperand>();
    result->SetResultValue(944);
    CExpression expression;
    expression.Init(std::move(operands), result);
    return expression.GetExprValue();
}

TEST(BlankPositionsTest, EveryEntryDrawsAnOperandUniformlyEvenWhenItRepeatsAQuestion) {
    SeedRandom(99);
    const auto question = FourOperandQuestion();
    QuestionList questions;
    for (int32_t i = 0; i < 2000; ++i) {
        questions.Add(question);
    }
    const BlankPositions blanks = DrawBlankPositions(questions);
    UseClockForRandomReseed();

    ASSERT_EQ(blanks.size(), 2000U);
    std::map<int32_t, int32_t> counts;
    for (int32_t blank : blanks) {
        ++counts[blank];
    }
    ASSERT_EQ(counts.size(), 4U);
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 4);
    for (const auto& [position, count] : counts) {
        EXPECT_GT(count, 400) << position;
        EXPECT_LT(count, 600) << position;
    }
}

} // namespace
} // namespace kelvo
