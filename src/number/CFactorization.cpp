#include "number/CFactorization.h"

#include "foundation/NumericUtils.h"
#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "number/COperand.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <optional>
#include <utility>

namespace kelvo {

namespace {

// 100 is the square root of the value ceiling: every composite up to 10000 has
// a prime factor no larger.
constexpr int32_t LargestTrialPrime = 100;
constexpr int32_t ListGrowthStep = 512;
// A factor list holds at most 13 entries up to the ceiling.
constexpr int32_t FactorListStep = 16;
// No number up to the ceiling has more divisors (7560 and 9240 have as many).
constexpr size_t MaxDivisorCount = 64;
// The operand ranges whose splits are kept at once; more start afresh.
constexpr size_t KnownRangesLimit = 16;

int32_t FloorDivide(int32_t a, int32_t b) {
    return static_cast<int32_t>(std::floor(static_cast<double>(a) / b));
}

void AddUnique(std::vector<int32_t>& dictionary, int32_t value) {
    if (std::find(dictionary.begin(), dictionary.end(), value) == dictionary.end()) {
        dictionary.push_back(value);
    }
}

struct ProductBounds {
    int32_t lower;
    int32_t upper;
    int32_t multi;
};

// Adds the products of `remaining` more elements from position `start` on,
// choosing positions in increasing (lexicographic) order. A position holding
// the same element as the one before it at the same depth would only repeat
// products already added, and since the elements ascend, a partial product
// above the upper bound ends the search at this depth.
void AddProducts(const CLongArray& elements, int32_t start, int32_t remaining, int64_t product,
                 const ProductBounds& bounds, std::vector<int32_t>& products) {
    if (remaining == 0) {
        if (product % bounds.multi == 0 && bounds.lower <= product && product <= bounds.upper) {
            AddUnique(products, static_cast<int32_t>(product));
        }
        return;
    }
    const int32_t lastStart = elements.Count() - remaining + 1;
    for (int32_t i = start; i <= lastStart; ++i) {
        const int32_t element = elements.Item(i);
        if (i > start && element == elements.Item(i - 1)) {
            continue;
        }
        const int64_t next = product * element;
        if (next > bounds.upper) {
            return;
        }
        AddProducts(elements, i + 1, remaining - 1, next, bounds, products);
    }
}

// The values of a list marked in a table by value for as long as it lives,
// so that each candidate of a split finds its partner at once.
class CMarkedValues {
public:
    CMarkedValues(std::vector<uint8_t>& marks, const std::vector<int32_t>& values)
        : m_marks(marks), m_values(values) {
        // Divisors are positive; anything else is never marked.
        for (const int32_t value : m_values) {
            if (value < 0) {
                continue;
            }
            if (static_cast<size_t>(value) >= m_marks.size()) {
                m_marks.resize(static_cast<size_t>(value) + 1, 0);
            }
            m_marks[static_cast<size_t>(value)] = 1;
        }
    }
    ~CMarkedValues() {
        for (const int32_t value : m_values) {
            if (value >= 0) {
                m_marks[static_cast<size_t>(value)] = 0;
            }
        }
    }
    CMarkedValues(const CMarkedValues&) = delete;
    CMarkedValues& operator=(const CMarkedValues&) = delete;

    bool Has(int32_t value) const {
        return value >= 0 && static_cast<size_t>(value) < m_marks.size() &&
               m_marks[static_cast<size_t>(value)] != 0;
    }

private:
    std::vector<uint8_t>& m_marks;
    const std::vector<int32_t>& m_values;
};

bool HasValue(const COperand& operand) {
    return operand.ResultValue() != -1;
}

void AssignIfFree(COperand& operand, int32_t value) {
    if (!HasValue(operand)) {
        operand.SetResultValue(value);
    }
}

// Shuffles the values in place: they become the list a split scans.
void ShuffleValues(std::vector<int32_t>& values) {
    if (values.empty()) {
        return;
    }
    ReseedRandomFromClock();
    const auto n = static_cast<int32_t>(values.size());
    for (int32_t i = 1; i <= n - 1; ++i) {
        const int32_t j = RandomFloor(n - i + 1, i);
        std::swap(values[static_cast<size_t>(i - 1)], values[static_cast<size_t>(j - 1)]);
    }
}

// Gives the free operands the first pair of the scan (pairAt(i): the pair of
// position i, none when it is no split; asked in order, up to that pair) that
// uses neither 1, the dividend itself nor the excluded value; when every pair
// does, the last one found, which is still an exact split.
template <class PairAt>
bool AssignSplit(size_t count, PairAt&& pairAt, int32_t dividend, int32_t excluded, COperand& a,
                 COperand& b) {
    std::optional<std::pair<int32_t, int32_t>> last;
    const auto trivial = [&](int32_t v) { return v == excluded || v == 1 || v == dividend; };
    for (size_t i = 0; i < count; ++i) {
        const auto pair = pairAt(i);
        if (!pair) {
            continue;
        }
        last = pair;
        if (!trivial(pair->first) && !trivial(pair->second)) {
            break;
        }
    }
    if (last) {
        AssignIfFree(a, last->first);
        AssignIfFree(b, last->second);
    }
    return last.has_value();
}

} // namespace

CFactorization::CFactorization() : m_primes(CalcPrimes(LargestTrialPrime)) {
    for (CLongArray& list : m_numbersByFactorCount) {
        list.SetRedimStep(ListGrowthStep);
    }
    m_numbersByFactorCount[0].EnsureCapacity(ValueCeiling);
    m_numbersByFactorCount[1].EnsureCapacity(ValueCeiling);
    m_numbersByFactorCount[2].EnsureCapacity(8000);
    m_numbersByFactorCount[3].EnsureCapacity(5000);
    m_numbersByFactorCount[0].Add(1);
    m_factorTable.reserve(ValueCeiling);
}

CLongArray CFactorization::CalcPrimes(int32_t iMaxNumber) const {
    CLongArray primes;
    for (int32_t n = 2; n <= iMaxNumber; ++n) {
        const auto root = static_cast<int32_t>(std::sqrt(static_cast<double>(n)));
        bool prime = true;
        for (int32_t i = 2; i <= root && prime; ++i) {
            prime = n % i != 0;
        }
        if (prime) {
            primes.Add(n);
        }
    }
    return primes;
}

CLongArray CFactorization::CalcPrimeFactors(int32_t value) const {
    CLongArray factors;
    factors.SetRedimStep(FactorListStep);
    if (value < 2) {
        return factors;
    }
    int32_t rest = value;
    for (int32_t i = 1; i <= m_primes.Count() && rest != 1; ++i) {
        const int32_t p = m_primes.Item(i);
        while (rest % p == 0) {
            factors.Add(p);
            rest /= p;
        }
    }
    if (rest != 1) {
        // Without a prime factor up to 97 the number counts as unfactorable;
        // otherwise the rest is its one factor above 97.
        if (rest == value) {
            return CLongArray();
        }
        factors.Add(rest);
    }
    return factors;
}

bool CFactorization::GetRandomValueNonePrime(int32_t& iResultValue, int32_t iFirstValue,
                                             int32_t iLastValue, int32_t iMultipleOf,
                                             int32_t iFactorCount, const DivisorList* colDivisors,
                                             int32_t iExcludedDivisorBest) {
    const int32_t m = iMultipleOf;
    int32_t factorCount = iFactorCount;
    int32_t first = iFirstValue;
    int32_t last = iLastValue;
    if (m != 1) {
        // The value is m × k, and k needs only the factors m does not give.
        const bool tabled = m >= 1 && static_cast<size_t>(m) <= m_factorTable.size();
        const int32_t factorsOfStep =
            tabled ? GetFactorsOf(m).Count() : CalcPrimeFactors(m).Count();
        const int32_t stepFactors = std::max(factorsOfStep, 1);
        factorCount = std::max(CheckedSubtract(factorCount, stepFactors), 1);
        first = FloorDivide(first, m);
        last = FloorDivide(last, m);
    }
    if (factorCount < 1 || factorCount > ListCount) {
        return false;
    }
    const CLongArray& list = NumbersWithFactorCount(factorCount);
    if (list.Count() == 0) {
        return false;
    }
    // The 1-based positions of the list's values within first … last.
    const int32_t lo = CountUpTo(factorCount, first - 1) + 1;
    const int32_t hi = CountUpTo(factorCount, last);
    if (lo > hi) {
        return false;
    }
    if (colDivisors == nullptr) {
        ReseedRandomFromClock();
        const int32_t i = RandomFloor(hi - lo + 1, lo);
        iResultValue = CheckedMultiply(list.Item(i), m);
        return true;
    }
    return PickSplittableValue(iResultValue, lo, hi, list, m, *colDivisors, iExcludedDivisorBest);
}

void CFactorization::Init() {
    if (!m_factorTable.empty()) {
        return;
    }
    for (int32_t n = 1; n <= ValueCeiling; ++n) {
        CLongArray factors = CalcPrimeFactors(n);
        for (int32_t k = 1; k <= factors.Count(); ++k) {
            m_numbersByFactorCount[static_cast<size_t>(k - 1)].Add(n);
        }
        m_factorTable.push_back(std::move(factors));
    }
    BuildCounts();
    BuildProducts();
}

void CFactorization::BuildCounts() {
    for (size_t k = 0; k < m_numbersByFactorCount.size(); ++k) {
        const CLongArray& list = m_numbersByFactorCount[k];
        if (list.Count() == 0) {
            continue;
        }
        std::vector<int32_t>& counts = m_countUpTo[k];
        counts.assign(ValueCeiling + 1, 0);
        for (int32_t i = 1; i <= list.Count(); ++i) {
            ++counts[static_cast<size_t>(list.Item(i))];
        }
        std::partial_sum(counts.begin(), counts.end(), counts.begin());
    }
}

int32_t CFactorization::CountUpTo(int32_t k, int32_t value) const {
    const std::vector<int32_t>& counts = m_countUpTo[static_cast<size_t>(k - 1)];
    if (value < 0 || counts.empty()) {
        return 0;
    }
    return value > ValueCeiling ? counts.back() : counts[static_cast<size_t>(value)];
}

void CFactorization::BuildProducts() {
    std::vector<int32_t> products;
    for (int32_t n = 1; n <= ValueCeiling; ++n) {
        const CLongArray& factors = GetFactorsOf(n);
        m_firstGroup.push_back(static_cast<int32_t>(m_groupStart.size()));
        for (int32_t k = 1; k <= factors.Count(); ++k) {
            m_groupStart.push_back(static_cast<int32_t>(m_products.size()));
            products.clear();
            CombineFactors(factors, k, 1, ValueCeiling, 1, products);
            m_products.insert(m_products.end(), products.begin(), products.end());
        }
    }
    m_groupStart.push_back(static_cast<int32_t>(m_products.size()));
}

const CLongArray& CFactorization::GetFactorsOf(int32_t iVal) const {
    if (iVal < 1 || static_cast<size_t>(iVal) > m_factorTable.size()) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    return m_factorTable[static_cast<size_t>(iVal - 1)];
}

void CFactorization::CombineFactors(const CLongArray& colElements, int32_t iCombineCount,
                                    int32_t iLower, int32_t iUpper, int32_t iMulti,
                                    std::vector<int32_t>& dicCombined) const {
    if (iCombineCount < 0 || colElements.Count() < iCombineCount || iMulti < 1) {
        return;
    }
    const ProductBounds bounds{iLower, iUpper, iMulti};
    AddProducts(colElements, 1, iCombineCount, 1, bounds, dicCombined);
}

void CFactorization::GetPotentialDivisors(int32_t dividend, int32_t iLower, int32_t iUpper,
                                          int32_t iMulti, int32_t iFactorCount,
                                          int32_t iExcludedFactorCount,
                                          std::vector<int32_t>& dicResult) const {
    if (dividend < 1 || iMulti < 1) {
        return;
    }
    // The products of k prime factors are distinct and differ from those of
    // any other k, so only values given on entry can repeat one of them.
    const auto given = static_cast<std::ptrdiff_t>(dicResult.size());
    const auto isNew = [&](int32_t product) {
        return given == 0 || std::find(dicResult.begin(), dicResult.begin() + given, product) ==
                                 dicResult.begin() + given;
    };
    const auto addFitting = [&](std::span<const int32_t> products) {
        for (int32_t product : products) {
            if (iLower <= product && product <= iUpper && (iMulti == 1 || product % iMulti == 0) &&
                isNew(product)) {
                dicResult.push_back(product);
            }
        }
    };
    CLongArray computed;
    const bool tabled = dividend <= ValueCeiling;
    const CLongArray& factors =
        tabled ? GetFactorsOf(dividend) : (computed = CalcPrimeFactors(dividend));
    // A divisor uses at least iFactorCount prime factors and leaves at least
    // iExcludedFactorCount for the other operand.
    const int32_t smallestCount = std::max(iFactorCount, 0);
    const int32_t largestCount = CheckedSubtract(factors.Count(), iExcludedFactorCount);
    if (smallestCount == 0 && largestCount >= 0) {
        // The choice of no factor.
        const int32_t one = 1;
        addFitting({&one, 1});
    }
    if (tabled) {
        addFitting(ProductsOf(dividend, smallestCount, largestCount));
    } else {
        std::vector<int32_t> products;
        for (int32_t k = std::max(smallestCount, 1); k <= largestCount; ++k) {
            products.clear();
            CombineFactors(factors, k, 1, dividend, 1, products);
            addFitting(products);
        }
    }
    if (iLower <= 1 && 1 <= iUpper && iMulti == 1) {
        AddUnique(dicResult, 1);
    }
    if (dividend % iMulti == 0 && iLower <= dividend && dividend <= iUpper) {
        AddUnique(dicResult, dividend);
    }
}

bool CFactorization::SplitDivisors2(int32_t dividend, const DivisorList& colDivisors,
                                    int32_t iExcludedDivisorBest) {
    if (dividend < 1 || colDivisors[0] == nullptr || colDivisors[1] == nullptr) {
        return false;
    }
    const bool found = FindSplit(dividend, *colDivisors[0], *colDivisors[1], iExcludedDivisorBest);
    m_scratchDictionary1.clear();
    m_scratchDictionary2.clear();
    return found;
}

const CLongArray& CFactorization::NumbersWithFactorCount(int32_t k) const {
    if (k < 1 || k > ListCount) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    return m_numbersByFactorCount[static_cast<size_t>(k - 1)];
}

std::span<const int32_t> CFactorization::ProductsOf(int32_t n, int32_t kFirst,
                                                    int32_t kLast) const {
    const int32_t first = std::max(kFirst, 1);
    const int32_t last = std::min(kLast, GetFactorsOf(n).Count());
    if (first > last) {
        return {};
    }
    const auto groups = static_cast<size_t>(m_firstGroup[static_cast<size_t>(n - 1)]);
    const auto begin = static_cast<size_t>(m_groupStart[groups + static_cast<size_t>(first - 1)]);
    const auto end = static_cast<size_t>(m_groupStart[groups + static_cast<size_t>(last)]);
    return std::span<const int32_t>(m_products).subspan(begin, end - begin);
}

bool CFactorization::PickSplittableValue(int32_t& iResultValue, int32_t lo, int32_t hi,
                                         const CLongArray& list, int32_t m,
                                         const DivisorList& colDivisors,
                                         int32_t iExcludedDivisorBest) {
    int32_t n = hi - lo + 1;
    if (n <= 0) {
        return false;
    }
    // A free operand holds -1, which divides every candidate; a fixed 0
    // divides none.
    std::array<int32_t, 2> fixedValues{1, 1};
    for (size_t i = 0; i < fixedValues.size() && colDivisors[i] != nullptr; ++i) {
        fixedValues[i] = colDivisors[i]->ResultValue();
        if (fixedValues[i] == 0) {
            return false;
        }
    }
    // The candidates are list items lo..hi, tried at most once each in random
    // order by exchanging a tried one with the last untried one. Only the
    // exchanged positions are recorded, so no copy of the items is made.
    for (int32_t position : m_pickTouched) {
        m_pickExchanged[static_cast<size_t>(position)] = 0;
    }
    m_pickTouched.clear();
    if (m_pickExchanged.size() <= static_cast<size_t>(n)) {
        m_pickExchanged.resize(static_cast<size_t>(n) + 1, 0);
    }
    const auto candidateAt = [&](int32_t position) {
        const int32_t exchanged = m_pickExchanged[static_cast<size_t>(position)];
        return exchanged != 0 ? exchanged : list.Item(lo + position - 1);
    };
    ReseedRandomFromClock();
    while (n > 0) {
        const int32_t i = RandomFloor(n, 1);
        const int32_t g = CheckedMultiply(m, candidateAt(i));
        const bool divisible = std::all_of(fixedValues.begin(), fixedValues.end(),
                                           [g](int32_t d) { return g % d == 0; });
        if (divisible && SplitDivisors2(g, colDivisors, iExcludedDivisorBest)) {
            iResultValue = g;
            return true;
        }
        m_pickExchanged[static_cast<size_t>(i)] = candidateAt(n);
        m_pickTouched.push_back(i);
        --n;
    }
    return false;
}

CFactorization::CKnownSplits& CFactorization::KnownSplitsOf(const COperand& a, const COperand& b) {
    const CSplitRanges ranges{{a.LowerLimit(), a.UpperLimit(), a.MultipleOf(), a.FactorCount(),
                               b.LowerLimit(), b.UpperLimit(), b.MultipleOf(), b.FactorCount()}};
    // A kind draws its splits between the same operands time after time.
    if (m_lastKnown < m_knownSplits.size() && m_knownSplits[m_lastKnown].ranges == ranges) {
        return m_knownSplits[m_lastKnown];
    }
    auto known = std::find_if(m_knownSplits.begin(), m_knownSplits.end(),
                              [&](const CKnownSplits& splits) { return splits.ranges == ranges; });
    if (known == m_knownSplits.end()) {
        if (m_knownSplits.size() >= KnownRangesLimit) {
            m_knownSplits.clear();
        }
        m_knownSplits.push_back({ranges, std::vector<CKnownSplit>(ValueCeiling + 1), {}});
        known = std::prev(m_knownSplits.end());
    }
    m_lastKnown = static_cast<size_t>(known - m_knownSplits.begin());
    return *known;
}

bool CFactorization::FindSplit(int32_t dividend, COperand& a, COperand& b,
                               int32_t iExcludedDivisorBest) {
    // With the first operand free the lists are known after the first split
    // of the dividend. Values already in the lists would change them; a split
    // starts with none.
    if (!HasValue(a) && dividend <= ValueCeiling && m_scratchDictionary1.empty() &&
        m_scratchDictionary2.empty()) {
        return HasValue(b) ? FindSplitByGivenSecond(dividend, a, b)
                           : FindFreeSplit(dividend, a, b, iExcludedDivisorBest);
    }
    const int32_t fa = a.FactorCount();
    const int32_t fb = b.FactorCount();
    GetPotentialDivisors(dividend, a.LowerLimit(), a.UpperLimit(), a.MultipleOf(), fa, fb,
                         m_scratchDictionary1);
    GetPotentialDivisors(dividend, b.LowerLimit(), b.UpperLimit(), b.MultipleOf(), fb, fa,
                         m_scratchDictionary2);
    // Scanning every pair of the two shuffled lists, only the order of the
    // first list can decide which split is found: a value of the first has at
    // most one partner in the second, whose values are distinct, and a fixed
    // operand's value stands for each of its candidates. The other shuffles
    // still take their random draws.
    const std::vector<int32_t>& partners = m_scratchDictionary2;
    const int32_t fixedA = a.ResultValue();
    const std::span<const int32_t> candidates =
        HasValue(a) ? std::span<const int32_t>(&fixedA, 1)
                    : std::span<const int32_t>(m_scratchDictionary1);
    const auto partnerOf = [&](int32_t valueA) {
        return HasValue(b) ? b.ResultValue() : (valueA != 0 ? dividend / valueA : 0);
    };
    const CMarkedValues marked(m_partnerMarks, partners);
    const auto isPartner = [&](int32_t valueA, int32_t valueB) {
        if (HasValue(b)) {
            return static_cast<int64_t>(valueA) * valueB == dividend;
        }
        return valueA != 0 && dividend % valueA == 0 && marked.Has(valueB);
    };
    // Whether a split exists does not depend on the order, so a dividend
    // without one (most candidates of a narrow draw) only takes the draws.
    const bool splittable = !m_scratchDictionary1.empty() && !partners.empty() &&
                            std::any_of(candidates.begin(), candidates.end(), [&](int32_t valueA) {
                                return isPartner(valueA, partnerOf(valueA));
                            });
    if (HasValue(a) || !splittable) {
        DiscardShuffle(m_scratchDictionary1.size());
    } else {
        ShuffleValues(m_scratchDictionary1);
    }
    DiscardShuffle(partners.size());
    if (!splittable) {
        return false;
    }
    return AssignSplit(
        candidates.size(),
        [&](size_t i) -> std::optional<std::pair<int32_t, int32_t>> {
            const int32_t valueA = candidates[i];
            const int32_t valueB = partnerOf(valueA);
            if (!isPartner(valueA, valueB)) {
                return std::nullopt;
            }
            return std::pair(valueA, valueB);
        },
        dividend, iExcludedDivisorBest, a, b);
}

// The lists of the dividend and which of the first's values have their
// partner in the second depend on the operands' ranges alone, so they are
// worked out once and only the shuffle is made each time.
CFactorization::CKnownLists CFactorization::KnownListsOf(int32_t dividend, const COperand& a,
                                                         const COperand& b) {
    CKnownSplits& splits = KnownSplitsOf(a, b);
    CKnownSplit& known = splits.byDividend[static_cast<size_t>(dividend)];
    if (known.first < 0) {
        const int32_t fa = a.FactorCount();
        const int32_t fb = b.FactorCount();
        GetPotentialDivisors(dividend, a.LowerLimit(), a.UpperLimit(), a.MultipleOf(), fa, fb,
                             m_scratchDictionary1);
        GetPotentialDivisors(dividend, b.LowerLimit(), b.UpperLimit(), b.MultipleOf(), fb, fa,
                             m_scratchDictionary2);
        const CMarkedValues marked(m_partnerMarks, m_scratchDictionary2);
        if (m_scratchDictionary1.size() > MaxDivisorCount ||
            m_scratchDictionary2.size() > MaxDivisorCount) {
            RaiseError(ErrorNumber::SubscriptOutOfRange);
        }
        known.first = static_cast<int32_t>(splits.candidates.size());
        known.count = static_cast<uint8_t>(m_scratchDictionary1.size());
        known.partnerCount = static_cast<uint8_t>(m_scratchDictionary2.size());
        for (const int32_t valueA : m_scratchDictionary1) {
            const bool hasPartner =
                valueA != 0 && dividend % valueA == 0 && marked.Has(dividend / valueA);
            splits.candidates.push_back({static_cast<int16_t>(valueA), hasPartner});
            known.splittable = known.splittable || hasPartner;
        }
        known.splittable = known.splittable && known.partnerCount > 0;
    }
    return {known, splits.candidates.data() + known.first};
}

// The second operand given: the one split possible is the dividend over it,
// found when the first list holds that value. The lists' shuffles only take
// their draws, as no order changes a split of one pair.
bool CFactorization::FindSplitByGivenSecond(int32_t dividend, COperand& a, const COperand& b) {
    const auto [known, listed] = KnownListsOf(dividend, a, b);
    const int32_t valueB = b.ResultValue();
    const bool divides = known.partnerCount > 0 && valueB > 0 && dividend % valueB == 0;
    const int32_t valueA = divides ? dividend / valueB : 0;
    const bool found =
        divides && std::any_of(listed, listed + known.count, [valueA](CSplitCandidate candidate) {
            return candidate.value == valueA;
        });
    DiscardShuffle(static_cast<size_t>(known.count));
    DiscardShuffle(static_cast<size_t>(known.partnerCount));
    if (found) {
        a.SetResultValue(valueA);
    }
    return found;
}

// Both operands free.
bool CFactorization::FindFreeSplit(int32_t dividend, COperand& a, COperand& b,
                                   int32_t iExcludedDivisorBest) {
    const CKnownLists lists = KnownListsOf(dividend, a, b);
    const CKnownSplit& known = lists.split;
    const CSplitCandidate* const listed = lists.candidates;
    if (!known.splittable) {
        DiscardShuffle(static_cast<size_t>(known.count));
        DiscardShuffle(static_cast<size_t>(known.partnerCount));
        return false;
    }
    // The shuffle settles position p at its step p + 1 and never moves it
    // again, so the scan follows the shuffle and stops at the split; the
    // steps left only take their draws. The kept list stays as it is: the
    // candidates the shuffle moves are kept aside by their new positions.
    // Read only where isMoved says it was written.
    std::array<CSplitCandidate, MaxDivisorCount> moved;
    uint64_t isMoved = 0;
    const auto at = [&](size_t position) {
        return (isMoved >> position & 1U) != 0 ? moved[position] : listed[position];
    };
    const auto n = static_cast<int32_t>(known.count);
    int32_t steps = 0;
    ReseedRandomFromClock();
    const bool found = AssignSplit(
        static_cast<size_t>(n),
        [&](size_t position) -> std::optional<std::pair<int32_t, int32_t>> {
            CSplitCandidate settled = at(position);
            const auto i = static_cast<int32_t>(position) + 1;
            if (i < n) {
                const auto other = static_cast<size_t>(RandomFloor(n - i + 1, i) - 1);
                const CSplitCandidate displaced = settled;
                settled = at(other);
                moved[other] = displaced;
                isMoved |= uint64_t{1} << other;
                ++steps;
            }
            if (!settled.hasPartner) {
                return std::nullopt;
            }
            return std::pair(settled.value, dividend / settled.value);
        },
        dividend, iExcludedDivisorBest, a, b);
    DiscardRandom(n - 1 - steps);
    DiscardShuffle(static_cast<size_t>(known.partnerCount));
    return found;
}

void CFactorization::DiscardShuffle(size_t count) const {
    if (count == 0) {
        return;
    }
    ReseedRandomFromClock();
    DiscardRandom(static_cast<int32_t>(count) - 1);
}

CFactorization& SharedFactorization() {
    static CFactorization factorization = [] {
        CFactorization built;
        built.Init();
        return built;
    }();
    return factorization;
}

} // namespace kelvo
