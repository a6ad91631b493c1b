// The number domain: a value limit (CValueLimit) is the set of whole numbers an
// operand or a result may take; an operand (COperand) owns one limit, combines
// limits arithmetically to narrow one operand from the others, and solves one
// two-operand step (sum, difference, product, exact quotient, with or without
// carry/borrow) by drawing values from limits. Products and dividends are drawn
// with enough prime factors and split into fitting factors by the shared
// factorization (CFactorization).
#pragma once

#include "foundation/CTypedArray.h"

#include <array>
#include <cstdint>
#include <memory>

namespace kelvo {

class COperand;
// The two operands a dividend is split into, the divisor, then the quotient,
// null where not given; they live for the duration of the call that lists
// them. A value, as every division question makes one.
using DivisorList = std::array<COperand*, 2>;

class CValueLimit {
public:
    std::shared_ptr<CValueLimit> Clone() const;

    int32_t LowerLimit() const { return m_lowerLimit; }
    void SetLowerLimit(int32_t value);
    int32_t UpperLimit() const { return m_upperLimit; }
    void SetUpperLimit(int32_t value) { m_upperLimit = value; }
    int32_t MultipleOf() const { return m_multipleOf; }
    void SetMultipleOf(int32_t value);
    int32_t FactorCount() const { return m_factorCount; }
    void SetFactorCount(int32_t value);

    int32_t Count() const;
    bool IsValid() const { return m_upperLimit >= m_lowerLimit; }
    void Init(int32_t iLower, int32_t iUpper, int32_t iMultipleOf, int32_t iFactorCount);

    void Plus(const CValueLimit& lim);
    void Subtract(const CValueLimit& lim);
    void Multiply(const CValueLimit& lim);
    void Divide(const CValueLimit& lim);
    void Intersect(const CValueLimit& lim);

    // The draws write iResultValue only when they return true.
    bool GetRandomValue(int32_t& iResultValue);
    bool GetRandomValueWithModulo(int32_t& iResultValue, int32_t iLowerModulo,
                                  int32_t iUpperModulo);
    bool GetRandomValueWithLimits(int32_t& iResultValue, const DivisorList& colDivisors,
                                  int32_t iExcludedDivisorBest);

    // -1 / -1 when no multiple is admitted.
    void GetFirstLastValue(int32_t& iFirst, int32_t& iLast) const;
    void EnsureLargerThan(int32_t v);
    void EnsureLessThan(int32_t v);
    bool Include(int32_t v) const;
    void AddFactorCount(int32_t n);
    void Reset();

private:
    bool ResetUnlessBothValid(const CValueLimit& lim);
    bool PickValueWithLastDigit(int32_t& iResultValue, int32_t iLowerModulo, int32_t iUpperModulo);
    int32_t FirstValueWithLastDigit(int32_t digit) const;
    int32_t LastValueWithLastDigit(int32_t digit) const;

    int32_t m_lowerLimit = 0;
    int32_t m_upperLimit = -1;
    int32_t m_multipleOf = 1;
    int32_t m_factorCount = 1;
};

} // namespace kelvo
