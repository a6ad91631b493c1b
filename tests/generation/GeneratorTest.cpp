#include "TemplateFactory.h"
#include "foundation/RandomSource.h"
#include "generation/CGeneratorFour.h"
#include "generation/CGeneratorTreble.h"
#include "generation/CGeneratorTwo.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace kelvo {
namespace {

using testing::MakeTemplate;
using testing::Range;
using Fill = std::vector<int32_t>; // operand values, then the result

class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(7); }
    void TearDown() override { UseClockForRandomReseed(); }
};

// Every question the generator hands out, in draw order, until it reports none.
template <class Generator>
std::vector<Fill> DrawAll(CExpression& expression) {
    Generator generator;
    generator.Init(expression);
    std::vector<Fill> fills;
    while (generator.CreateInstance()) {
        Fill fill;
        for (const auto& operand : expression.Operands()) {
            fill.push_back(operand->ResultValue());
        }
        fill.push_back(expression.ResultOperand()->ResultValue());
        fills.push_back(fill);
    }
    EXPECT_FALSE(generator.CreateInstance()) << "an exhausted generator stays exhausted";
    return fills;
}

std::set<Fill> Distinct(const std::vector<Fill>& fills) {
    return {fills.begin(), fills.end()};
}

TEST_F(GeneratorTest, CarryTablesSplitTheUnitsPairs) {
    struct Case {
        int32_t cbr;
        size_t expected;
    };
    for (const Case& c : {Case{Cbr::Carry, 45}, Case{Cbr::NoCarry, 55}}) {
        auto expression = MakeTemplate({{0, 9}, {0, 9}}, {Op::Plus}, {0, 20}, c.cbr);
        const auto fills = DrawAll<CGeneratorTwo>(*expression);
        ASSERT_EQ(fills.size(), c.expected) << "cbr " << c.cbr;
        EXPECT_EQ(Distinct(fills).size(), c.expected);
        for (const Fill& f : fills) {
            EXPECT_EQ(f[0] + f[1] >= 10, c.cbr == Cbr::Carry);
            EXPECT_EQ(f[2], f[0] + f[1]);
        }
        // 0 + 0 = 0 is kept: the result has no step.
        EXPECT_EQ(Distinct(fills).count({0, 0, 0}), c.cbr == Cbr::NoCarry ? 1u : 0u);
    }
}

TEST_F(GeneratorTest, BorrowLooksAtUnitsOnlyAndDropsNegativeDifferences) {
    auto borrow = MakeTemplate({{10, 30}, {1, 29}}, {Op::Minus}, {0, 100}, Cbr::Borrow);
    auto noBorrow = MakeTemplate({{10, 30}, {1, 29}}, {Op::Minus}, {0, 100}, Cbr::NoBorrow);
    const auto withBorrow = Distinct(DrawAll<CGeneratorTwo>(*borrow));
    const auto without = Distinct(DrawAll<CGeneratorTwo>(*noBorrow));
    EXPECT_TRUE(withBorrow.count({21, 5, 16}));
    EXPECT_TRUE(withBorrow.count({21, 15, 6}));
    EXPECT_TRUE(without.count({25, 15, 10}));
    EXPECT_FALSE(withBorrow.count({21, 25, -4}));
    EXPECT_FALSE(without.count({12, 22, -10}));
    for (const Fill& f : withBorrow) {
        EXPECT_LT(f[0] % 10, f[1] % 10);
        EXPECT_GE(f[2], 0);
    }
    for (const Fill& f : without) {
        EXPECT_GE(f[0] % 10, f[1] % 10);
        EXPECT_GE(f[2], 0);
    }
}

TEST_F(GeneratorTest, PlainTablesFollowTheOperatorAndTheResultLimit) {
    struct Case {
        std::vector<Range> operands;
        int32_t op;
        Range result;
        size_t expected;
    };
    const Case cases[] = {
        // Only the nine pairs summing to 10; 0 + 0 fails the result's step.
        {{{0, 9}, {0, 9}}, Op::Plus, {0, 100, 10}, 9},
        // Pairs with a larger subtrahend fail.
        {{{0, 9}, {0, 9}}, Op::Minus, {0, 100}, 55},
        // No division by 0, only exact quotients: 12/1 12/2 12/3 12/4 12/6 12/12.
        {{{12, 12}, {0, 12}}, Op::Divide, {0, 100}, 6},
        // Products above 10000 fail.
        {{{100, 101}, {100, 100}}, Op::Times, {0, 20000}, 1},
    };
    for (const Case& c : cases) {
        auto expression = MakeTemplate(c.operands, {c.op}, c.result);
        const auto fills = DrawAll<CGeneratorTwo>(*expression);
        EXPECT_EQ(fills.size(), c.expected) << testing::Describe(*expression);
        for (const Fill& f : fills) {
            int32_t r = 0;
            EXPECT_TRUE(ApplyOperator(r, f[0], c.op, f[1]));
            EXPECT_EQ(r, f[2]);
        }
    }
}

TEST_F(GeneratorTest, RemainderModesWriteTheQuotient) {
    auto with = MakeTemplate({{17, 17}, {0, 5}}, {Op::Divide}, {0, 100}, Cbr::Remainder);
    auto without = MakeTemplate({{17, 17}, {0, 5}}, {Op::Divide}, {0, 100}, Cbr::NoRemainder);
    EXPECT_EQ(Distinct(DrawAll<CGeneratorTwo>(*with)),
              (std::set<Fill>{{17, 2, 8}, {17, 3, 5}, {17, 4, 4}, {17, 5, 3}}));
    EXPECT_EQ(Distinct(DrawAll<CGeneratorTwo>(*without)), (std::set<Fill>{{17, 1, 17}}));
}

TEST_F(GeneratorTest, UnknownRequirementAdmitsNothing) {
    auto expression = MakeTemplate({{0, 9}, {0, 9}}, {Op::Plus}, {0, 20}, 7);
    EXPECT_TRUE(DrawAll<CGeneratorTwo>(*expression).empty());
}

TEST_F(GeneratorTest, StepsSkipZeroAndLeaveNoValueOutsideTheStep) {
    auto expression = MakeTemplate({{0, 100, 10}, {0, 9}}, {Op::Plus}, {0, 10000});
    const auto fills = DrawAll<CGeneratorTwo>(*expression);
    EXPECT_EQ(fills.size(), 100u); // 10, 20, ..., 100 with 0..9
    for (const Fill& f : fills) {
        EXPECT_NE(f[0], 0);
        EXPECT_EQ(f[0] % 10, 0);
    }
}

TEST_F(GeneratorTest, ThreeOperandsUsePrecedenceAndRejectNegativeSteps) {
    auto mixed = MakeTemplate({{1, 9}, {1, 9}, {1, 9}}, {Op::Plus, Op::Minus}, {0, 20});
    const auto fills = Distinct(DrawAll<CGeneratorTreble>(*mixed));
    size_t expected = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            for (int c = 1; c <= 9; ++c) {
                expected += (a + b - c >= 0 && a + b - c <= 20) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(fills.size(), expected);
    EXPECT_FALSE(fills.count({1, 1, 5, -3}));

    auto minusTimes = MakeTemplate({{5, 9}, {2, 2}, {3, 3}}, {Op::Minus, Op::Times}, {0, 20});
    EXPECT_EQ(Distinct(DrawAll<CGeneratorTreble>(*minusTimes)),
              (std::set<Fill>{{6, 2, 3, 0}, {7, 2, 3, 1}, {8, 2, 3, 2}, {9, 2, 3, 3}}));
}

TEST_F(GeneratorTest, FourOperandsUsePrecedence) {
    // 20 - 3 x 4 + 5 = 13; 6 + 8 / 4 x 3 = 12.
    auto first = MakeTemplate({{20, 20}, {3, 3}, {4, 4}, {5, 5}}, {Op::Minus, Op::Times, Op::Plus},
                              {0, 100});
    auto second =
        MakeTemplate({{6, 6}, {8, 8}, {4, 4}, {3, 3}}, {Op::Plus, Op::Divide, Op::Times}, {0, 100});
    EXPECT_EQ(DrawAll<CGeneratorFour>(*first), (std::vector<Fill>{{20, 3, 4, 5, 13}}));
    EXPECT_EQ(DrawAll<CGeneratorFour>(*second), (std::vector<Fill>{{6, 8, 4, 3, 12}}));
}

// An operand whose range holds no multiple of its step admits no question; it
// must not be walked as the value -1.
TEST_F(GeneratorTest, OperandWithoutValuesGivesNoQuestion) {
    const Range none{1, 9, 10};
    auto two = MakeTemplate({none, {0, 9}}, {Op::Plus}, {0, 100});
    auto twoRight = MakeTemplate({{0, 9}, none}, {Op::Plus}, {0, 100});
    auto carry = MakeTemplate({none, {0, 9}}, {Op::Plus}, {0, 100}, Cbr::NoCarry);
    auto three = MakeTemplate({{0, 9}, {0, 9}, none}, {Op::Plus, Op::Plus}, {0, 100});
    auto four =
        MakeTemplate({{0, 9}, none, {0, 9}, {0, 9}}, {Op::Plus, Op::Plus, Op::Plus}, {0, 100});
    EXPECT_TRUE(DrawAll<CGeneratorTwo>(*two).empty());
    EXPECT_TRUE(DrawAll<CGeneratorTwo>(*twoRight).empty());
    EXPECT_TRUE(DrawAll<CGeneratorTwo>(*carry).empty());
    EXPECT_TRUE(DrawAll<CGeneratorTreble>(*three).empty());
    EXPECT_TRUE(DrawAll<CGeneratorFour>(*four).empty());
}

TEST_F(GeneratorTest, ResultStepOfZeroDoesNotDivideByZero) {
    auto expression = MakeTemplate({{0, 9}, {0, 9}}, {Op::Plus}, {0, 20});
    expression->ResultOperand()->SetMultipleOf(0);
    std::vector<Fill> fills;
    EXPECT_NO_THROW(fills = DrawAll<CGeneratorTwo>(*expression));
    for (const Fill& f : fills) {
        EXPECT_EQ(f[2], f[0] + f[1]);
    }
}

TEST_F(GeneratorTest, DrawsAreUniformOverTheTable) {
    // Each of the 10 questions should come first about a tenth of the time.
    auto expression = MakeTemplate({{0, 9}, {0, 0}}, {Op::Plus}, {0, 9});
    std::vector<int> firstDrawn(10, 0);
    for (int run = 0; run < 5000; ++run) {
        CGeneratorTwo generator;
        generator.Init(*expression);
        ASSERT_TRUE(generator.CreateInstance());
        ++firstDrawn[static_cast<size_t>(expression->Operands()[0]->ResultValue())];
    }
    for (int count : firstDrawn) {
        EXPECT_GT(count, 400);
        EXPECT_LT(count, 600);
    }
}

} // namespace
} // namespace kelvo
