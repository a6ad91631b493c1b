#include "foundation/NumericUtils.h"
#include "foundation/RuntimeError.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

CLongArray Primes() {
    CLongArray array;
    for (int32_t p : {2, 3, 5, 7, 11}) {
        array.Add(p);
    }
    return array;
}

TEST(NumericUtilsTest, LeastCommonMultiple) {
    EXPECT_EQ(LeastCommonMultiple(4, 6), 12);
    EXPECT_EQ(LeastCommonMultiple(10, 100), 100);
    EXPECT_EQ(LeastCommonMultiple(1, 10), 10);
    EXPECT_EQ(LeastCommonMultiple(7, 0), 0);
    EXPECT_EQ(LeastCommonMultiple(0, 7), 0);
    EXPECT_THROW(LeastCommonMultiple(100000, 100000), CRuntimeError);
}

TEST(NumericUtilsTest, BisectionFindsTheValueOrItsNeighbours) {
    const CLongArray primes = Primes();
    EXPECT_EQ(FindIndexOrLower(primes, 1, 5, 6), 3);
    EXPECT_EQ(FindIndexOrHigher(primes, 1, 5, 6), 4);
    EXPECT_EQ(FindIndexOrLower(primes, 1, 5, 7), 4);
    EXPECT_EQ(FindIndexOrHigher(primes, 1, 5, 7), 4);
    EXPECT_EQ(FindIndexOrLower(primes, 1, 5, 1), -1);
    EXPECT_EQ(FindIndexOrHigher(primes, 1, 5, 1), 1);
    EXPECT_EQ(FindIndexOrHigher(primes, 1, 5, 12), -1);
    EXPECT_EQ(FindIndexOrLower(primes, 1, 5, 12), 5);
    EXPECT_EQ(FindIndexOrLower(primes, 1, 5, 2), 1);
    EXPECT_EQ(FindIndexOrHigher(primes, 1, 5, 11), 5);
}

TEST(NumericUtilsTest, BisectionOverAnEmptyOrPartialRange) {
    const CLongArray primes = Primes();
    EXPECT_EQ(FindIndexOrLower(primes, 3, 2, 5), -1);
    EXPECT_EQ(FindIndexOrHigher(primes, 1, 0, 5), -1);
    EXPECT_EQ(FindIndexOrHigher(primes, 4, 5, 3), 4);
    EXPECT_EQ(FindIndexOrLower(primes, 1, 3, 11), 3);
}

} // namespace
} // namespace kelvo
