#include "number/CFactorization.h"

#include "foundation/NumericUtils.h"
#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "number/COperand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace kelvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

std::vector<int32_t> Items(const CLongArray& array) {
    std::vector<int32_t> items;
    for (int32_t i = 1; i <= array.Count(); ++i) {
        items.push_back(array.Item(i));
    }
    return items;
}

CLongArray Array(std::initializer_list<int32_t> values) {
    CLongArray array;
    for (int32_t v : values) {
        array.Add(v);
    }
    return array;
}

COperand Free(int32_t lower, int32_t upper, int32_t multipleOf = 1) {
    COperand operand;
    operand.InitLimits(lower, upper, multipleOf);
    return operand;
}

using Pair = std::pair<int32_t, int32_t>;

class CFactorizationTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(77); }
    void TearDown() override { UseClockForRandomReseed(); }

    // Every pair that many splits of the dividend give into fresh copies of a and b.
    std::set<Pair> Splits(int32_t dividend, const COperand& a, const COperand& b,
                          int32_t excluded = -1) {
        std::set<Pair> pairs;
        for (int i = 0; i < 400; ++i) {
            COperand first = a;
            COperand second = b;
            EXPECT_TRUE(factorization.SplitDivisors2(dividend, {&first, &second}, excluded));
            pairs.emplace(first.ResultValue(), second.ResultValue());
        }
        return pairs;
    }

    CFactorization& factorization = SharedFactorization();
};

TEST_F(CFactorizationTest, Primes) {
    const std::vector<int32_t> primes = Items(factorization.CalcPrimes(100));
    ASSERT_EQ(primes.size(), 25u);
    EXPECT_EQ(primes.front(), 2);
    EXPECT_EQ(primes.back(), 97);
    EXPECT_THAT(Items(factorization.CalcPrimes(1)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimes(12)), ElementsAre(2, 3, 5, 7, 11));
}

TEST_F(CFactorizationTest, PrimeFactorsAreFoundUpToTheFirstPrimeAbove97) {
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(0)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(1)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(-12)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(12)), ElementsAre(2, 2, 3));
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(97)), ElementsAre(97));
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(101)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(202)), ElementsAre(2, 101));
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(360)), ElementsAre(2, 2, 2, 3, 3, 5));
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(9973)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(9991)), ElementsAre(97, 103));
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(101 * 103)), IsEmpty());
    EXPECT_THAT(Items(factorization.CalcPrimeFactors(10000)), ElementsAre(2, 2, 2, 2, 5, 5, 5, 5));
}

TEST_F(CFactorizationTest, FactorTableAndListsByFactorCount) {
    EXPECT_THAT(Items(factorization.GetFactorsOf(360)), ElementsAre(2, 2, 2, 3, 3, 5));
    EXPECT_THAT(Items(factorization.GetFactorsOf(1)), IsEmpty());
    EXPECT_THROW(factorization.GetFactorsOf(0), CRuntimeError);
    EXPECT_THROW(factorization.GetFactorsOf(10001), CRuntimeError);

    const int32_t expectedCounts[] = {8796, 8770, 6145, 3576, 1864, 901, 416,
                                      185,  80,   33,   11,   4,    1};
    for (int32_t k = 1; k <= CFactorization::ListCount; ++k) {
        const int32_t expected = k <= 13 ? expectedCounts[k - 1] : 0;
        const CLongArray& list = factorization.NumbersWithFactorCount(k);
        EXPECT_EQ(list.Count(), expected) << "list " << k;
        for (int32_t i = 2; i <= list.Count(); ++i) {
            ASSERT_LT(list.Item(i - 1), list.Item(i)) << "list " << k;
        }
    }
    EXPECT_EQ(factorization.NumbersWithFactorCount(1).Item(1), 1);
    EXPECT_EQ(factorization.NumbersWithFactorCount(13).Item(1), 8192);

    const auto inList = [&](int32_t k, int32_t n) {
        const CLongArray& list = factorization.NumbersWithFactorCount(k);
        return FindIndexOrLower(list, 1, list.Count(), n) != -1 &&
               list.Item(FindIndexOrLower(list, 1, list.Count(), n)) == n;
    };
    EXPECT_TRUE(inList(1, 97));
    EXPECT_FALSE(inList(2, 97));
    EXPECT_FALSE(inList(1, 101));
    EXPECT_FALSE(inList(1, 9973));
    EXPECT_TRUE(inList(2, 202));
    EXPECT_FALSE(inList(3, 202));
    EXPECT_TRUE(inList(6, 360));
    EXPECT_FALSE(inList(7, 360));
}

TEST_F(CFactorizationTest, InitBuildsOnce) {
    CFactorization own;
    EXPECT_EQ(own.NumbersWithFactorCount(1).Count(), 1);
    own.Init();
    own.Init();
    EXPECT_EQ(own.NumbersWithFactorCount(1).Count(), 8796);
    EXPECT_EQ(own.NumbersWithFactorCount(2).Count(), 8770);
}

TEST_F(CFactorizationTest, CombineFactorsAddsEachFittingProductOnce) {
    std::vector<int32_t> combined;
    factorization.CombineFactors(Array({2, 2, 3}), 2, 1, 100, 1, combined);
    EXPECT_THAT(combined, ElementsAre(4, 6));
    factorization.CombineFactors(Array({2, 2, 3}), 3, 1, 100, 1, combined);
    EXPECT_THAT(combined, ElementsAre(4, 6, 12));

    std::vector<int32_t> limited;
    factorization.CombineFactors(Array({2, 3, 5, 7}), 2, 7, 20, 1, limited);
    EXPECT_THAT(limited, ElementsAre(10, 14, 15));
    std::vector<int32_t> multiples;
    factorization.CombineFactors(Array({2, 3, 5, 7}), 2, 1, 100, 5, multiples);
    EXPECT_THAT(multiples, ElementsAre(10, 15, 35));
    std::vector<int32_t> tooMany;
    factorization.CombineFactors(Array({2, 3}), 3, 1, 100, 1, tooMany);
    EXPECT_THAT(tooMany, IsEmpty());
}

// The products come in the order in which a plain walk over every choice of
// positions (the last position advancing fastest) first meets them.
TEST_F(CFactorizationTest, CombineFactorsKeepsTheOrderOfEveryChoice) {
    const auto everyChoice = [](const CLongArray& elements, int32_t k, int32_t lower, int32_t upper,
                                int32_t multi) {
        std::vector<int32_t> products;
        const int32_t count = elements.Count();
        std::vector<int32_t> positions(static_cast<size_t>(k));
        for (int32_t i = 0; i < k; ++i) {
            positions[static_cast<size_t>(i)] = i + 1;
        }
        while (true) {
            int64_t product = 1;
            for (int32_t position : positions) {
                product *= elements.Item(position);
            }
            if (product % multi == 0 && lower <= product && product <= upper &&
                std::find(products.begin(), products.end(), product) == products.end()) {
                products.push_back(static_cast<int32_t>(product));
            }
            int32_t i = k - 1;
            while (i >= 0 && positions[static_cast<size_t>(i)] == count - k + i + 1) {
                --i;
            }
            if (i < 0) {
                return products;
            }
            ++positions[static_cast<size_t>(i)];
            for (int32_t j = i + 1; j < k; ++j) {
                positions[static_cast<size_t>(j)] = positions[static_cast<size_t>(j - 1)] + 1;
            }
        }
    };
    struct Bounds {
        int32_t lower, upper, multi;
    };
    const Bounds bounds[] = {{1, 10000, 1}, {2, 100, 1}, {10, 1000, 10}, {30, 60, 1}};
    for (int32_t n = 2; n <= 10000; n += 13) {
        const CLongArray& factors = factorization.GetFactorsOf(n);
        for (int32_t k = 0; k <= factors.Count(); ++k) {
            for (const Bounds& b : bounds) {
                std::vector<int32_t> combined;
                factorization.CombineFactors(factors, k, b.lower, b.upper, b.multi, combined);
                ASSERT_EQ(combined, everyChoice(factors, k, b.lower, b.upper, b.multi))
                    << n << " choose " << k;
            }
        }
    }
}

TEST_F(CFactorizationTest, PotentialDivisors) {
    struct Case {
        int32_t dividend, lower, upper, multi, factorCount, excluded;
        std::set<int32_t> expected;
    };
    const Case cases[] = {
        {12, 2, 9, 1, 1, 1, {2, 3, 4, 6}},
        {12, 1, 9, 1, 1, 1, {1, 2, 3, 4, 6}},
        {12, 2, 12, 1, 1, 1, {2, 3, 4, 6, 12}},
        {12, 2, 12, 1, 2, 1, {4, 6, 12}},
        {12, 2, 12, 1, 1, 2, {2, 3, 12}},
        {360, 10, 100, 10, 1, 1, {10, 20, 30, 40, 60, 90}},
        {202, 2, 200, 1, 1, 1, {2, 101}},
        {7, 1, 9, 1, 1, 1, {1, 7}},
        {12, 0, 0, 1, 1, 1, {}},
        {0, 0, 100, 1, 1, 1, {}},
        {-12, 0, 100, 1, 1, 1, {}},
    };
    for (const Case& c : cases) {
        std::vector<int32_t> divisors;
        factorization.GetPotentialDivisors(c.dividend, c.lower, c.upper, c.multi, c.factorCount,
                                           c.excluded, divisors);
        EXPECT_EQ(std::set<int32_t>(divisors.begin(), divisors.end()), c.expected)
            << c.dividend << " in " << c.lower << ".." << c.upper;
        EXPECT_EQ(std::set<int32_t>(divisors.begin(), divisors.end()).size(), divisors.size());
    }
}

// The products are made once per dividend; the divisors they give must be the
// ones, in the order, that combining the factors for each count gives.
TEST_F(CFactorizationTest, PotentialDivisorsMatchCombiningTheFactorsForEveryDividend) {
    struct Bounds {
        int32_t lower, upper, multi, factorCount, excluded;
    };
    const Bounds bounds[] = {{1, 10000, 1, 1, 1},  {0, 10000, 1, 0, 0}, {2, 100, 1, 1, 1},
                             {10, 5000, 10, 2, 1}, {1, 1000, 1, 2, -2}, {30, 60, 3, 1, 2}};
    const auto combining = [&](int32_t n, const Bounds& b, std::vector<int32_t> dictionary) {
        const CLongArray& factors = factorization.GetFactorsOf(n);
        for (int32_t k = std::max(b.factorCount, 0); k <= factors.Count() - b.excluded; ++k) {
            factorization.CombineFactors(factors, k, b.lower, b.upper, b.multi, dictionary);
        }
        for (int32_t v : {1, n}) {
            const bool fits = v == 1 ? b.lower <= 1 && 1 <= b.upper && b.multi == 1
                                     : n % b.multi == 0 && b.lower <= n && n <= b.upper;
            if (fits && std::find(dictionary.begin(), dictionary.end(), v) == dictionary.end()) {
                dictionary.push_back(v);
            }
        }
        return dictionary;
    };
    for (int32_t n = 1; n <= 10000; ++n) {
        for (const Bounds& b : bounds) {
            std::vector<int32_t> divisors;
            factorization.GetPotentialDivisors(n, b.lower, b.upper, b.multi, b.factorCount,
                                               b.excluded, divisors);
            ASSERT_EQ(divisors, combining(n, b, {})) << n << " in " << b.lower << ".." << b.upper;
        }
        // Values already in the dictionary are not added again.
        std::vector<int32_t> given{6, 1, n};
        factorization.GetPotentialDivisors(n, 1, 10000, 1, 0, 0, given);
        ASSERT_EQ(given, combining(n, bounds[1], {6, 1, n})) << n;
    }
    const auto products = [&](int32_t n, int32_t kFirst, int32_t kLast) {
        const std::span<const int32_t> found = factorization.ProductsOf(n, kFirst, kLast);
        return std::vector<int32_t>(found.begin(), found.end());
    };
    EXPECT_THAT(products(360, 2, 2), ElementsAre(4, 6, 10, 9, 15));
    EXPECT_THAT(products(12, 0, 9), ElementsAre(2, 3, 4, 6, 12));
    EXPECT_THAT(products(360, 7, 9), IsEmpty());
    EXPECT_THAT(products(360, 0, 0), IsEmpty());
    EXPECT_THAT(products(360, 3, 2), IsEmpty());
}

TEST_F(CFactorizationTest, NonePrimeDrawsTheAdmittedMultiples) {
    const auto draws = [&](int32_t first, int32_t last, int32_t m, int32_t f, int times) {
        std::set<int32_t> seen;
        for (int i = 0; i < times; ++i) {
            int32_t value = -7;
            EXPECT_TRUE(
                factorization.GetRandomValueNonePrime(value, first, last, m, f, nullptr, -1));
            seen.insert(value);
        }
        return seen;
    };
    EXPECT_THAT(draws(10, 100, 10, 2, 2000), ElementsAre(10, 20, 30, 40, 50, 60, 70, 80, 90, 100));
    EXPECT_THAT(draws(4, 20, 1, 2, 2000), ElementsAre(4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 20));
    EXPECT_THAT(draws(100, 500, 100, 4, 1000), ElementsAre(100, 200, 300, 400, 500));

    // k of 10 × k comes from list 1, which holds no prime above 100.
    std::set<int32_t> expected;
    const auto primeAbove100 = [](int32_t k) {
        for (int32_t d = 2; d * d <= k; ++d) {
            if (k % d == 0) {
                return false;
            }
        }
        return k > 100;
    };
    for (int32_t k = 1; k <= 200; ++k) {
        if (!primeAbove100(k)) {
            expected.insert(10 * k);
        }
    }
    EXPECT_EQ(draws(10, 2000, 10, 2, 40000), expected);
}

TEST_F(CFactorizationTest, NonePrimeDrawFailsWithoutTouchingTheResult) {
    struct Case {
        int32_t first, last, m, f;
    };
    const Case cases[] = {
        {-1, -1, 10, 2}, {-1, -1, 1, 2}, {10, 0, 10, 2}, {20, 10, 10, 2},     {0, 3, 1, 2},
        {4, 20, 1, 33},  {4, 20, 1, 0},  {4, 20, 1, -1}, {8193, 9000, 1, 13}, {4, 20, 1, 14},
    };
    for (const Case& c : cases) {
        int32_t value = 42;
        EXPECT_FALSE(
            factorization.GetRandomValueNonePrime(value, c.first, c.last, c.m, c.f, nullptr, -1))
            << c.first << ".." << c.last << " factors " << c.f;
        EXPECT_EQ(value, 42);
    }
}

TEST_F(CFactorizationTest, SplitAvoidsTrivialFactors) {
    EXPECT_THAT(Splits(12, Free(2, 9), Free(2, 9)),
                UnorderedElementsAre(Pair{2, 6}, Pair{3, 4}, Pair{4, 3}, Pair{6, 2}));
    EXPECT_THAT(Splits(12, Free(1, 12), Free(1, 12)),
                UnorderedElementsAre(Pair{2, 6}, Pair{3, 4}, Pair{4, 3}, Pair{6, 2}));
    EXPECT_THAT(Splits(12, Free(2, 9), Free(2, 9), 2),
                UnorderedElementsAre(Pair{3, 4}, Pair{4, 3}));
}

TEST_F(CFactorizationTest, SplitFallsBackToTheLastExactMatch) {
    EXPECT_THAT(Splits(12, Free(1, 12), Free(1, 1)), ElementsAre(Pair{12, 1}));
    EXPECT_THAT(Splits(7, Free(1, 9), Free(1, 9)), UnorderedElementsAre(Pair{1, 7}, Pair{7, 1}));
    EXPECT_THAT(Splits(6, Free(2, 6), Free(2, 6), 2), UnorderedElementsAre(Pair{2, 3}, Pair{3, 2}));
}

TEST_F(CFactorizationTest, SplitKeepsAFixedOperand) {
    COperand fixed = Free(2, 9);
    fixed.SetResultValue(3);
    EXPECT_THAT(Splits(12, fixed, Free(2, 9)), ElementsAre(Pair{3, 4}));

    COperand wrong = Free(2, 9);
    wrong.SetResultValue(5);
    COperand other = Free(2, 9);
    EXPECT_FALSE(factorization.SplitDivisors2(12, {&wrong, &other}, -1));
    EXPECT_EQ(other.ResultValue(), -1);
}

// The split scans only the list whose order can matter; it must give the pair
// and leave the random source where scanning both shuffled lists leaves them.
TEST_F(CFactorizationTest, SplitMatchesScanningBothShuffledLists) {
    const auto shuffled = [&](std::vector<int32_t> values) {
        if (!values.empty()) {
            ReseedRandomFromClock();
            const auto n = static_cast<int32_t>(values.size());
            for (int32_t i = 1; i <= n - 1; ++i) {
                std::swap(values[static_cast<size_t>(i - 1)],
                          values[static_cast<size_t>(RandomFloor(n - i + 1, i) - 1)]);
            }
        }
        return values;
    };
    const auto scanning = [&](int32_t dividend, COperand& a, COperand& b, int32_t excluded) {
        std::vector<int32_t> first;
        std::vector<int32_t> second;
        factorization.GetPotentialDivisors(dividend, a.LowerLimit(), a.UpperLimit(), a.MultipleOf(),
                                           a.FactorCount(), b.FactorCount(), first);
        factorization.GetPotentialDivisors(dividend, b.LowerLimit(), b.UpperLimit(), b.MultipleOf(),
                                           b.FactorCount(), a.FactorCount(), second);
        first = shuffled(first);
        second = shuffled(second);
        std::optional<Pair> last;
        for (int32_t x : first) {
            for (int32_t y : second) {
                const int32_t va = a.ResultValue() != -1 ? a.ResultValue() : x;
                const int32_t vb = b.ResultValue() != -1 ? b.ResultValue() : y;
                if (static_cast<int64_t>(va) * vb != dividend) {
                    continue;
                }
                last = Pair{va, vb};
                const auto trivial = [&](int32_t v) {
                    return v == excluded || v == 1 || v == dividend;
                };
                if (!trivial(va) && !trivial(vb)) {
                    return last;
                }
            }
        }
        return last;
    };
    struct Case {
        COperand a, b;
        int32_t fixedA, fixedB, excluded;
    };
    const Case cases[] = {
        {Free(1, 100), Free(1, 10000), -1, -1, -1},     {Free(2, 99), Free(2, 99), -1, -1, 2},
        {Free(1, 12), Free(1, 1), -1, -1, -1},          {Free(2, 100), Free(2, 100), 4, -1, -1},
        {Free(2, 100), Free(2, 100), -1, 5, -1},        {Free(2, 100), Free(2, 100), 6, 8, -1},
        {Free(10, 1000, 10), Free(1, 100), -1, -1, 10},
    };
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        for (const Case& c : cases) {
            for (int32_t dividend = 1; dividend <= 10000; dividend += 7) {
                COperand a = c.a;
                COperand b = c.b;
                a.SetResultValue(c.fixedA);
                b.SetResultValue(c.fixedB);
                SeedRandom(seed * 10007 + static_cast<uint64_t>(dividend));
                const std::optional<Pair> expected = scanning(dividend, a, b, c.excluded);
                const float after = RandomSingle();
                SeedRandom(seed * 10007 + static_cast<uint64_t>(dividend));
                ASSERT_EQ(factorization.SplitDivisors2(dividend, {&a, &b}, c.excluded),
                          expected.has_value())
                    << dividend;
                if (expected) {
                    ASSERT_EQ((Pair{a.ResultValue(), b.ResultValue()}), *expected) << dividend;
                }
                ASSERT_EQ(RandomSingle(), after) << dividend;
            }
        }
    }
}

TEST_F(CFactorizationTest, SplitOfNothingFails) {
    COperand a = Free(0, 9);
    COperand b = Free(0, 9);
    for (int32_t dividend : {0, -6}) {
        EXPECT_FALSE(factorization.SplitDivisors2(dividend, {&a, &b}, -1));
    }
    EXPECT_FALSE(factorization.SplitDivisors2(12, {&a}, -1));
    EXPECT_FALSE(factorization.SplitDivisors2(9973, {&a, &b}, -1));
    EXPECT_EQ(a.ResultValue(), -1);
    EXPECT_EQ(b.ResultValue(), -1);
}

TEST_F(CFactorizationTest, SplittableDrawAssignsExactFactorsInsideTheirRanges) {
    for (int i = 0; i < 500; ++i) {
        COperand a = Free(2, 100);
        COperand b = Free(2, 100);
        const DivisorList divisors{&a, &b};
        int32_t value = -7;
        ASSERT_TRUE(factorization.GetRandomValueNonePrime(value, 10, 10000, 1, 2, &divisors, -1));
        EXPECT_EQ(a.ResultValue() * b.ResultValue(), value);
        EXPECT_TRUE(a.Include(a.ResultValue()) && b.Include(b.ResultValue()))
            << a.ResultValue() << " x " << b.ResultValue();
    }
}

TEST_F(CFactorizationTest, SplittableDrawFindsTheOneCandidateThatSplits) {
    // Of the thousands of candidates only 97 × 2 splits; every one must be tried.
    for (int i = 0; i < 20; ++i) {
        COperand a = Free(97, 97);
        COperand b = Free(2, 2);
        const DivisorList divisors{&a, &b};
        int32_t value = -7;
        ASSERT_TRUE(factorization.GetRandomValueNonePrime(value, 4, 10000, 1, 2, &divisors, -1));
        EXPECT_EQ(value, 194);
    }
    COperand a = Free(9999, 9999);
    COperand b = Free(2, 2);
    const DivisorList divisors{&a, &b};
    int32_t value = 42;
    EXPECT_FALSE(factorization.GetRandomValueNonePrime(value, 4, 10000, 1, 2, &divisors, -1));
    EXPECT_EQ(value, 42);
}

TEST_F(CFactorizationTest, SplittableDrawHonoursFixedOperands) {
    for (int i = 0; i < 200; ++i) {
        COperand a = Free(2, 100);
        a.SetResultValue(7);
        COperand b = Free(2, 100);
        const DivisorList divisors{&a, &b};
        int32_t value = -7;
        ASSERT_TRUE(factorization.GetRandomValueNonePrime(value, 10, 1000, 1, 2, &divisors, -1));
        EXPECT_EQ(value % 7, 0);
        EXPECT_EQ(7 * b.ResultValue(), value);
    }
    COperand zero = Free(0, 100);
    zero.SetResultValue(0);
    COperand b = Free(2, 100);
    const DivisorList divisors{&zero, &b};
    int32_t value = 42;
    EXPECT_FALSE(factorization.GetRandomValueNonePrime(value, 10, 1000, 1, 2, &divisors, -1));
    EXPECT_EQ(value, 42);
}

// The draw without a copy of the candidates must try them in exactly the order
// that exchanging items of a copied list gives for the same random values.
TEST_F(CFactorizationTest, SplittableDrawMatchesTheCopyingOrder) {
    const auto copying = [&](int32_t first, int32_t last, int32_t m, int32_t f,
                             const DivisorList& divisors) {
        const CLongArray& list = factorization.NumbersWithFactorCount(f);
        const int32_t lo = FindIndexOrHigher(list, 1, list.Count(), first);
        const int32_t hi = FindIndexOrLower(list, lo, list.Count(), last);
        CLongArray candidates = list.Copy(lo, hi - lo + 1);
        ReseedRandomFromClock();
        for (int32_t n = candidates.Count(); n > 0; --n) {
            const int32_t i = RandomFloor(n, 1);
            const int32_t g = m * candidates.Item(i);
            if (g % divisors[0]->ResultValue() == 0 &&
                factorization.SplitDivisors2(g, divisors, -1)) {
                return g;
            }
            candidates.ExchangeItem(i, n);
        }
        return -1;
    };
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        COperand a = Free(60, 100);
        COperand b = Free(90, 100, 10);
        const DivisorList divisors{&a, &b};
        SeedRandom(seed);
        int32_t drawn = -1;
        factorization.GetRandomValueNonePrime(drawn, 10, 10000, 10, 3, &divisors, -1);
        const Pair pair{a.ResultValue(), b.ResultValue()};

        a.ClearResults();
        b.ClearResults();
        SeedRandom(seed);
        EXPECT_EQ(copying(1, 1000, 10, 1, divisors), drawn) << "seed " << seed;
        EXPECT_EQ((Pair{a.ResultValue(), b.ResultValue()}), pair);
    }
}

} // namespace
} // namespace kelvo
