#include "generation/CExprBuilder.h"
#include "TemplateFactory.h"
#include "foundation/RandomSource.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

using testing::Describe;
using testing::MakeTemplate;
using testing::Range;

class CExprBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(5); }
    void TearDown() override { UseClockForRandomReseed(); }
};

bool NothingChosen(const CExpression& expression) {
    for (const auto& operand : expression.Operands()) {
        if (operand->ResultValue() != -1) {
            return false;
        }
    }
    return expression.ResultOperand()->ResultValue() == -1;
}

TEST_F(CExprBuilderTest, OnlyTwoToFourOperandsWithKnownOperatorsAreBuilt) {
    const Range r{1, 9};
    struct Case {
        std::vector<Range> operands;
        std::vector<int32_t> ops;
    };
    const Case cases[] = {
        {{r}, {}},
        {{r, r, r, r, r}, {Op::Plus, Op::Plus, Op::Plus, Op::Plus}},
        {{r, r}, {Op::None}},
        {{r, r}, {Op::Equals}},
        {{r, r, r}, {Op::Plus, Op::None}},
        {{r, r, r, r}, {Op::Times, Op::Times, 9}},
    };
    CExprBuilder builder;
    for (const Case& c : cases) {
        auto expression = MakeTemplate(c.operands, c.ops, {0, 100});
        EXPECT_FALSE(builder.Build(expression->Operands(), *expression->ResultOperand()))
            << Describe(*expression);
        EXPECT_TRUE(NothingChosen(*expression)) << Describe(*expression);
    }
}

TEST_F(CExprBuilderTest, BuildLabelsTheOperands) {
    auto expression = MakeTemplate({{1, 9}, {1, 9}, {1, 9}}, {Op::Plus, Op::Plus}, {0, 100});
    CExprBuilder builder;
    builder.Build(expression->Operands(), *expression->ResultOperand());
    EXPECT_EQ(expression->Operands()[0]->Id(), u"操作数1");
    EXPECT_EQ(expression->Operands()[2]->Id(), u"操作数3");
    EXPECT_EQ(expression->ResultOperand()->Id(), u"最终结果操作数");
}

// The builder turns operators round and raises factor counts on template
// operands while it works; whatever the outcome, the template must be as before.
TEST_F(CExprBuilderTest, TemplateIsLeftAsItWasFound) {
    const std::vector<std::vector<int32_t>> operatorRows = {
        {Op::Divide, Op::Divide},
        {Op::Divide, Op::Times},
        {Op::Times, Op::Minus},
        {Op::Plus, Op::Times, Op::Divide},
        {Op::Minus, Op::Times, Op::Times},
        {Op::Divide, Op::Times, Op::Divide},
        {Op::Times, Op::Divide, Op::Minus},
        {Op::Plus, Op::Minus, Op::Plus},
    };
    // A narrow result makes some attempts fail half way.
    for (const Range result : {Range{0, 10000}, Range{5, 6}}) {
        for (const auto& ops : operatorRows) {
            std::vector<Range> ranges(ops.size() + 1, Range{1, 100});
            auto expression = MakeTemplate(ranges, ops, result);
            CExprBuilder builder;
            for (int attempt = 0; attempt < 30; ++attempt) {
                builder.Build(expression->Operands(), *expression->ResultOperand());
                for (const auto& operand : expression->Operands()) {
                    operand->ClearResults();
                }
                expression->ResultOperand()->ClearResults();
            }
            const auto& operands = expression->Operands();
            for (size_t k = 0; k < operands.size(); ++k) {
                EXPECT_EQ(operands[k]->LeftOperator(), k == 0 ? Op::None : ops[k - 1])
                    << Describe(*expression);
                EXPECT_EQ(operands[k]->FactorCount(), 1) << Describe(*expression);
            }
            EXPECT_EQ(expression->ResultOperand()->LeftOperator(), Op::None)
                << Describe(*expression);
            EXPECT_EQ(expression->ResultOperand()->FactorCount(), 1) << Describe(*expression);
        }
    }
}

TEST_F(CExprBuilderTest, TwoOperandStepsSolveEachOperator) {
    struct Case {
        int32_t op;
        int32_t expected;
    };
    for (const Case c :
         {Case{Op::Plus, 42}, Case{Op::Minus, 6}, Case{Op::Times, 72}, Case{Op::Divide, 8}}) {
        auto x = testing::MakeOperand({0, 100});
        auto y = testing::MakeOperand({0, 100}, c.op);
        auto z = testing::MakeOperand({0, 100});
        const int32_t left = c.op == Op::Divide ? 72 : (c.op == Op::Times ? 9 : 24);
        const int32_t right = c.op == Op::Divide ? 9 : (c.op == Op::Times ? 8 : 18);
        x->SetResultValue(left);
        y->SetResultValue(right);
        CExprBuilder builder;
        ASSERT_TRUE(builder.Build2(*x, *y, *z, -1)) << "operator " << c.op;
        EXPECT_EQ(z->ResultValue(), c.expected);
    }
}

} // namespace
} // namespace kelvo
