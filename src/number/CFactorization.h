#pragma once

#include "foundation/CTypedArray.h"
#include "number/CValueLimit.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace kelvo {

// Prime factors of every whole number 1..10000 and, for each k, the ascending
// list of numbers with at least k prime factors. Draws non-prime products and
// splits a dividend into a divisor and a quotient that fit their operands.
class CFactorization {
public:
    static constexpr int32_t ListCount = 32;

    CFactorization();

    CLongArray CalcPrimes(int32_t iMaxNumber) const;
    // Prime factors with multiplicity, ascending; empty for 0, 1 and a number
    // without a prime factor up to 97.
    CLongArray CalcPrimeFactors(int32_t value) const;
    bool GetRandomValueNonePrime(int32_t& iResultValue, int32_t iFirstValue, int32_t iLastValue,
                                 int32_t iMultipleOf, int32_t iFactorCount,
                                 const DivisorList* colDivisors, int32_t iExcludedDivisorBest);
    void Init();
    const CLongArray& GetFactorsOf(int32_t iVal) const;
    // Adds every product of iCombineCount of the elements that fits, in the
    // order of the first choice of positions that gives it; keys are unique and
    // kept in insertion order. The elements are a factor list: ascending, >= 1.
    void CombineFactors(const CLongArray& colElements, int32_t iCombineCount, int32_t iLower,
                        int32_t iUpper, int32_t iMulti, std::vector<int32_t>& dicCombined) const;
    void GetPotentialDivisors(int32_t dividend, int32_t iLower, int32_t iUpper, int32_t iMulti,
                              int32_t iFactorCount, int32_t iExcludedFactorCount,
                              std::vector<int32_t>& dicResult) const;
    bool SplitDivisors2(int32_t dividend, const DivisorList& colDivisors,
                        int32_t iExcludedDivisorBest);

    // List k (1..32) of the numbers by factor count.
    const CLongArray& NumbersWithFactorCount(int32_t k) const;
    // The distinct products of k of the prime factors of n (1..10000) for k =
    // kFirst..kLast, by k and for each k as CombineFactors adds them without
    // bounds; counts outside 1..n's factor count have none.
    std::span<const int32_t> ProductsOf(int32_t n, int32_t kFirst, int32_t kLast) const;

private:
    bool PickSplittableValue(int32_t& iResultValue, int32_t lo, int32_t hi, const CLongArray& list,
                             int32_t m, const DivisorList& colDivisors,
                             int32_t iExcludedDivisorBest);
    bool FindSplit(int32_t dividend, COperand& a, COperand& b, int32_t iExcludedDivisorBest);

    bool FindFreeSplit(int32_t dividend, COperand& a, COperand& b, int32_t iExcludedDivisorBest);
    bool FindSplitByGivenSecond(int32_t dividend, COperand& a, const COperand& b);

    // A value of the first list of a split, and whether the second list
    // holds its partner.
    struct CSplitCandidate {
        int16_t value;
        bool hasPartner;
    };
    // What a split of a dividend between two free operands finds: its first
    // list (count candidates from position first of the kept candidates; -1
    // before the first search), the size of the second, and whether a pair of
    // them gives the dividend. Small, as the splits of random dividends are
    // looked up in memory no cache holds for long.
    struct CKnownSplit {
        int32_t first = -1;
        uint8_t count = 0;
        uint8_t partnerCount = 0;
        bool splittable = false;
    };
    // The ranges of the two operands, which alone decide the lists.
    struct CSplitRanges {
        std::array<int32_t, 8> bounds;
        // Element by element: every split compares its ranges, and the
        // library's comparison of the array is a call of memcmp.
        friend bool operator==(const CSplitRanges& x, const CSplitRanges& y) {
            for (size_t k = 0; k < x.bounds.size(); ++k) {
                if (x.bounds[k] != y.bounds[k]) {
                    return false;
                }
            }
            return true;
        }
    };
    struct CKnownSplits {
        CSplitRanges ranges;
        std::vector<CKnownSplit> byDividend;
        std::vector<CSplitCandidate> candidates;
    };
    CKnownSplits& KnownSplitsOf(const COperand& a, const COperand& b);
    // A dividend's split between the operands and its kept candidates.
    struct CKnownLists {
        CKnownSplit split;
        const CSplitCandidate* candidates;
    };
    CKnownLists KnownListsOf(int32_t dividend, const COperand& a, const COperand& b);
    // Makes the random draws of the shuffle of count values without shuffling.
    void DiscardShuffle(size_t count) const;
    void BuildCounts();
    void BuildProducts();
    // How many numbers of list k are at most value.
    int32_t CountUpTo(int32_t k, int32_t value) const;

    CLongArray m_primes;
    std::array<CLongArray, ListCount> m_numbersByFactorCount;
    // For each list, how many of its numbers are at most v (v = 0 … 10000), so
    // that a draw finds its range in the list at once.
    std::array<std::vector<int32_t>, ListCount> m_countUpTo;
    std::vector<CLongArray> m_factorTable;
    // Every split needs the products of a dividend's factors, so they are made
    // once: group g = m_firstGroup[n - 1] + k - 1 holds those of n and k in
    // m_products[m_groupStart[g] .. m_groupStart[g + 1]); the groups of one n
    // follow each other.
    std::vector<int32_t> m_products;
    std::vector<int32_t> m_groupStart;
    std::vector<int32_t> m_firstGroup;
    std::vector<int32_t> m_scratchDictionary1;
    std::vector<int32_t> m_scratchDictionary2;
    // The candidate moved to a position by PickSplittableValue's exchanges
    // (0 = the list's own item), and the positions written in the last draw.
    std::vector<int32_t> m_pickExchanged;
    std::vector<int32_t> m_pickTouched;
    // By value, 1 for the partners of the split being found (CMarkedValues).
    std::vector<uint8_t> m_partnerMarks;
    // By the operands' ranges (a kind has few), the splits known so far of
    // every dividend up to the ceiling.
    std::vector<CKnownSplits> m_knownSplits;
    size_t m_lastKnown = 0;
};

// The one factorization of the program, built on first use.
CFactorization& SharedFactorization();

} // namespace kelvo
