#include "number/CValueLimit.h"

#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "number/COperand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>

namespace kelvo {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct Fields {
    int32_t lower;
    int32_t upper;
    int32_t multipleOf;
    int32_t factorCount;
};

CValueLimit Make(Fields f) {
    CValueLimit limit;
    limit.Init(f.lower, f.upper, f.multipleOf, f.factorCount);
    return limit;
}

void ExpectFields(const CValueLimit& limit, Fields f) {
    EXPECT_EQ(limit.LowerLimit(), f.lower);
    EXPECT_EQ(limit.UpperLimit(), f.upper);
    EXPECT_EQ(limit.MultipleOf(), f.multipleOf);
    EXPECT_EQ(limit.FactorCount(), f.factorCount);
}

std::set<int32_t> Values(int32_t from, int32_t to, int32_t step = 1) {
    std::set<int32_t> values;
    for (int32_t v = from; v <= to; v += step) {
        values.insert(v);
    }
    return values;
}

class CValueLimitTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(20240611); }
    void TearDown() override { UseClockForRandomReseed(); }

    // Every value that many successful draws give.
    static std::set<int32_t> Draws(const std::function<bool(int32_t&)>& draw, int times = 3000) {
        std::set<int32_t> seen;
        for (int i = 0; i < times; ++i) {
            int32_t value = -7;
            EXPECT_TRUE(draw(value));
            seen.insert(value);
        }
        return seen;
    }
};

TEST_F(CValueLimitTest, NewLimitIsEmptyAndEveryDrawFails) {
    CValueLimit limit;
    ExpectFields(limit, {0, -1, 1, 1});
    EXPECT_FALSE(limit.IsValid());
    EXPECT_EQ(limit.Count(), 0);
    int32_t value = 42;
    EXPECT_FALSE(limit.GetRandomValue(value));
    EXPECT_FALSE(limit.GetRandomValueWithModulo(value, 0, 9));
    EXPECT_FALSE(limit.GetRandomValueWithLimits(value, {}, -1));
    EXPECT_EQ(value, 42);
}

TEST_F(CValueLimitTest, InitAndSettersClamp) {
    ExpectFields(Make({5, 20000, 0, 0}), {5, 10000, 1, 1});
    ExpectFields(Make({-3, 7, 250, 2}), {0, 7, 250, 2});
    CValueLimit limit;
    limit.SetLowerLimit(-5);
    limit.SetUpperLimit(20000);
    limit.SetMultipleOf(12345);
    limit.SetFactorCount(-2);
    ExpectFields(limit, {0, 20000, 10000, 1});
    limit.SetFactorCount(0);
    EXPECT_EQ(limit.FactorCount(), 0);
    limit.SetMultipleOf(-10);
    EXPECT_EQ(limit.MultipleOf(), 1);
}

TEST_F(CValueLimitTest, CloneIsAnIndependentCopy) {
    CValueLimit limit = Make({3, 30, 10, 2});
    auto clone = limit.Clone();
    ExpectFields(*clone, {3, 30, 10, 2});
    clone->Reset();
    ExpectFields(limit, {3, 30, 10, 2});
}

struct FirstLastCase {
    Fields limit;
    int32_t first;
    int32_t last;
    int32_t count;
};

TEST_F(CValueLimitTest, FirstLastValueAndCount) {
    const FirstLastCase cases[] = {
        {{0, 100, 10, 1}, 10, 100, 10},    {{15, 95, 10, 1}, 20, 90, 8},
        {{0, 0, 10, 1}, 10, 0, 0},         {{1, 9, 10, 1}, -1, -1, 0},
        {{11, 19, 10, 1}, 20, 10, 0},      {{10, 10, 10, 1}, 10, 10, 1},
        {{20, 9, 10, 1}, -1, -1, 0},       {{0, 10000, 100, 1}, 100, 10000, 100},
        {{150, 250, 100, 1}, 200, 200, 1}, {{101, 199, 100, 1}, 200, 100, 0},
        {{0, 99, 100, 1}, -1, -1, 0},      {{100, 100, 100, 1}, 100, 100, 1},
        {{3, 7, 1, 1}, 3, 7, 5},           {{0, 10000, 1, 1}, 0, 10000, 10001},
        {{5, 4, 1, 1}, 5, 4, 0},
    };
    for (const FirstLastCase& c : cases) {
        const CValueLimit limit = Make(c.limit);
        int32_t first = 0;
        int32_t last = 0;
        limit.GetFirstLastValue(first, last);
        EXPECT_EQ(first, c.first) << c.limit.lower << ".." << c.limit.upper << "/"
                                  << c.limit.multipleOf;
        EXPECT_EQ(last, c.last) << c.limit.lower << ".." << c.limit.upper;
        EXPECT_EQ(limit.Count(), c.count) << c.limit.lower << ".." << c.limit.upper;
    }
}

enum class Operation { Plus, Subtract, Multiply, Divide, Intersect };

struct ArithmeticCase {
    Operation operation;
    Fields left;
    Fields right;
    Fields expected;
};

void Apply(CValueLimit& left, Operation operation, const CValueLimit& right) {
    switch (operation) {
    case Operation::Plus:
        left.Plus(right);
        break;
    case Operation::Subtract:
        left.Subtract(right);
        break;
    case Operation::Multiply:
        left.Multiply(right);
        break;
    case Operation::Divide:
        left.Divide(right);
        break;
    case Operation::Intersect:
        left.Intersect(right);
        break;
    }
}

TEST_F(CValueLimitTest, RangeArithmetic) {
    using enum Operation;
    const Fields empty{0, -1, 1, 1};
    const ArithmeticCase cases[] = {
        {Plus, {2, 9, 1, 3}, {3, 9, 1, 2}, {5, 18, 1, 1}},
        {Plus, {6000, 9000, 10, 1}, {5000, 7000, 100, 1}, {11000, 10000, 10, 1}},
        {Subtract, {90, 100, 1, 1}, {95, 200, 1, 1}, {0, 5, 1, 1}},
        {Subtract, {0, 10, 1, 1}, {20, 30, 1, 1}, {0, -10, 1, 1}},
        {Subtract, {50, 100, 100, 2}, {10, 20, 10, 2}, {30, 90, 10, 1}},
        {Multiply, {2, 9, 1, 1}, {3, 9, 1, 1}, {6, 81, 1, 2}},
        {Multiply, {0, 9, 1, 1}, {0, 1, 1, 1}, {4, 9, 1, 2}},
        {Multiply, {200, 9000, 100, 2}, {100, 200, 100, 3}, {10000, 10000, 10000, 5}},
        {Multiply, {0, 1, 1, 1}, {0, 1, 1, 1}, {4, 1, 1, 2}},
        // Products of multiples of 100 and of 200 are multiples of 20000.
        {Multiply, {100, 200, 100, 1}, {100, 200, 200, 1}, empty},
        {Divide, {10, 100, 1, 1}, {0, 9, 1, 1}, {2, 50, 1, 1}},
        {Divide, {10, 100, 1, 3}, {0, 0, 1, 1}, {10, 100, 1, 3}},
        {Divide, {1, 5, 1, 1}, {10, 20, 1, 1}, {1, 5, 1, 1}},
        {Divide, {100, 1000, 100, 4}, {2, 10, 10, 2}, {10, 500, 10, 2}},
        {Divide, {10, 90, 10, 1}, {3, 9, 100, 1}, {2, 30, 10, 1}},
        {Intersect, {0, 100, 10, 1}, {50, 200, 100, 3}, {50, 100, 100, 3}},
        {Intersect, {0, 10, 1, 1}, {20, 30, 1, 1}, empty},
        {Intersect, {20, 30, 1, 1}, {0, 10, 1, 1}, empty},
        {Intersect, {0, 10000, 7000, 1}, {0, 10000, 9000, 1}, empty},
    };
    for (const ArithmeticCase& c : cases) {
        CValueLimit left = Make(c.left);
        Apply(left, c.operation, Make(c.right));
        SCOPED_TRACE(testing::Message() << "operation " << static_cast<int>(c.operation) << " on "
                                        << c.left.lower << ".." << c.left.upper);
        ExpectFields(left, c.expected);
    }
}

TEST_F(CValueLimitTest, AnyInvalidOperandGivesTheEmptyLimit) {
    using enum Operation;
    for (Operation operation : {Plus, Subtract, Multiply, Divide, Intersect}) {
        CValueLimit invalidLeft = Make({9, 3, 10, 4});
        Apply(invalidLeft, operation, Make({1, 5, 1, 1}));
        ExpectFields(invalidLeft, {0, -1, 1, 1});
        CValueLimit validLeft = Make({1, 50, 10, 4});
        Apply(validLeft, operation, CValueLimit());
        ExpectFields(validLeft, {0, -1, 1, 1});
    }
}

TEST_F(CValueLimitTest, BoundAdjustments) {
    CValueLimit limit = Make({3, 20, 1, 2});
    limit.EnsureLargerThan(7);
    ExpectFields(limit, {8, 20, 1, 2});
    limit.EnsureLargerThan(7);
    EXPECT_EQ(limit.LowerLimit(), 8);
    limit.EnsureLessThan(12);
    EXPECT_EQ(limit.UpperLimit(), 11);
    limit.EnsureLessThan(15);
    EXPECT_EQ(limit.UpperLimit(), 11);
    limit.AddFactorCount(-5);
    EXPECT_EQ(limit.FactorCount(), 1);
    limit.AddFactorCount(2);
    EXPECT_EQ(limit.FactorCount(), 3);

    CValueLimit wide = Make({0, 10000, 1, 1});
    EXPECT_THROW(wide.EnsureLargerThan(INT32_MAX), CRuntimeError);
    EXPECT_THROW(wide.EnsureLessThan(INT32_MIN), CRuntimeError);
}

TEST_F(CValueLimitTest, IncludeTestsStepAndBoundsOnly) {
    const CValueLimit tens = Make({0, 100, 10, 1});
    EXPECT_TRUE(tens.Include(0));
    EXPECT_TRUE(tens.Include(100));
    EXPECT_FALSE(tens.Include(55));
    EXPECT_FALSE(tens.Include(110));
    EXPECT_FALSE(Make({5, 9, 1, 1}).Include(4));
}

TEST_F(CValueLimitTest, PlainDrawCoversTheRange) {
    CValueLimit limit = Make({3, 9, 1, 1});
    EXPECT_EQ(Draws([&](int32_t& v) { return limit.GetRandomValue(v); }), Values(3, 9));
    CValueLimit single = Make({7, 7, 1, 1});
    EXPECT_EQ(Draws([&](int32_t& v) { return single.GetRandomValue(v); }, 20), Values(7, 7));
}

TEST_F(CValueLimitTest, SteppedDrawsNeverGiveZero) {
    CValueLimit tens = Make({0, 100, 10, 1});
    EXPECT_EQ(Draws([&](int32_t& v) { return tens.GetRandomValue(v); }), Values(10, 100, 10));
    CValueLimit hundreds = Make({0, 1000, 100, 1});
    EXPECT_EQ(Draws([&](int32_t& v) { return hundreds.GetRandomValue(v); }),
              Values(100, 1000, 100));
}

TEST_F(CValueLimitTest, FactorCountExcludesPrimes) {
    CValueLimit limit = Make({4, 20, 1, 2});
    EXPECT_THAT(Draws([&](int32_t& v) { return limit.GetRandomValue(v); }),
                ElementsAre(4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 20));
}

TEST_F(CValueLimitTest, StepThatIsNoPowerOfTenIsHonoured) {
    CValueLimit threes = Make({1, 20, 3, 1});
    EXPECT_EQ(Draws([&](int32_t& v) { return threes.GetRandomValue(v); }), Values(3, 18, 3));
}

TEST_F(CValueLimitTest, FailedDrawsLeaveTheResultAlone) {
    const Fields noValue[] = {{1, 9, 10, 1}, {0, 0, 10, 1}, {11, 19, 10, 1},
                              {0, 3, 1, 2},  {1, 2, 3, 1},  {1, 99, 100, 1}};
    for (const Fields& f : noValue) {
        CValueLimit limit = Make(f);
        int32_t value = 42;
        EXPECT_FALSE(limit.GetRandomValue(value)) << f.lower << ".." << f.upper;
        // The digit draws do not ask for prime factors.
        if (f.factorCount == 1) {
            EXPECT_FALSE(limit.GetRandomValueWithModulo(value, 0, 9)) << f.lower << ".." << f.upper;
        }
        EXPECT_EQ(value, 42);
    }
}

TEST_F(CValueLimitTest, DigitDrawGivesEveryFittingValueAndNoOther) {
    struct Case {
        Fields limit;
        int32_t lowerDigit;
        int32_t upperDigit;
        std::set<int32_t> values; // empty: the draw fails
    };
    const auto withDigits = [](int32_t from, int32_t to, int32_t lowerDigit, int32_t upperDigit) {
        std::set<int32_t> values;
        for (int32_t v = from; v <= to; ++v) {
            if (lowerDigit <= v % 10 && v % 10 <= upperDigit) {
                values.insert(v);
            }
        }
        return values;
    };
    const Case cases[] = {
        // Wide ranges: the digit is drawn first, 0 included where allowed.
        {{20, 99, 1, 1}, 0, 3, withDigits(20, 99, 0, 3)},
        {{27, 64, 1, 1}, 5, 8, withDigits(27, 64, 5, 8)},
        {{0, 1000, 1, 1}, 0, 0, Values(0, 1000, 10)},
        {{0, 1000, 1, 1}, 10, 9, {}},
        {{0, 1000, 2, 1}, 0, 9, {}},
        // A step of ten ends every value in 0, which fits as it is.
        {{0, 1000, 10, 1}, 0, 9, Values(10, 1000, 10)},
        {{0, 1000, 100, 1}, 0, 4, Values(100, 1000, 100)},
        {{0, 1000, 10, 1}, 1, 9, {}},
        {{9, 14, 10, 1}, 0, 9, {10}},
        {{0, 5, 10, 1}, 0, 9, {}},
        // Narrow ranges list their values.
        {{5, 12, 1, 1}, 0, 3, Values(10, 12)},
        {{5, 12, 1, 1}, 0, 9, Values(5, 12)},
        {{95, 103, 100, 1}, 0, 9, {100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.limit.lower << ".." << c.limit.upper << " step " << c.limit.multipleOf
                     << ", digits " << c.lowerDigit << ".." << c.upperDigit);
        CValueLimit limit = Make(c.limit);
        if (c.values.empty()) {
            int32_t value = 42;
            EXPECT_FALSE(limit.GetRandomValueWithModulo(value, c.lowerDigit, c.upperDigit));
            EXPECT_EQ(value, 42);
        } else {
            EXPECT_EQ(Draws([&](int32_t& v) {
                          return limit.GetRandomValueWithModulo(v, c.lowerDigit, c.upperDigit);
                      }),
                      c.values);
        }
    }
}

TEST_F(CValueLimitTest, SplittableDrawNeedsAProductLimit) {
    COperand divisor;
    COperand quotient;
    divisor.InitLimits(2, 9, 1);
    quotient.InitLimits(2, 9, 1);
    const DivisorList divisors{&divisor, &quotient};
    int32_t value = 42;
    CValueLimit plain = Make({10, 100, 1, 1});
    EXPECT_FALSE(plain.GetRandomValueWithLimits(value, divisors, -1));
    EXPECT_EQ(value, 42);

    CValueLimit products = Make({10, 100, 1, 2});
    for (int i = 0; i < 300; ++i) {
        divisor.ClearResults();
        quotient.ClearResults();
        ASSERT_TRUE(products.GetRandomValueWithLimits(value, divisors, -1));
        EXPECT_TRUE(products.Include(value)) << value;
        EXPECT_EQ(divisor.ResultValue() * quotient.ResultValue(), value);
        EXPECT_TRUE(divisor.Include(divisor.ResultValue()));
        EXPECT_TRUE(quotient.Include(quotient.ResultValue()));
    }
}

} // namespace
} // namespace kelvo
