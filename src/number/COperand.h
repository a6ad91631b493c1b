#pragma once

#include "number/CValueLimit.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kelvo {

// One operand slot of a question template, or its result slot. ResultValue -1
// means "no value chosen yet"; the solvers choose values only for such slots and
// treat the others as fixed.
class COperand {
public:
    COperand();

    int32_t LowerLimit() const { return m_limit->LowerLimit(); }
    void SetLowerLimit(int32_t value) { m_limit->SetLowerLimit(value); }
    int32_t UpperLimit() const { return m_limit->UpperLimit(); }
    void SetUpperLimit(int32_t value) { m_limit->SetUpperLimit(value); }
    int32_t MultipleOf() const { return m_limit->MultipleOf(); }
    void SetMultipleOf(int32_t value) { m_limit->SetMultipleOf(value); }
    int32_t LeftOperator() const { return m_leftOperator; }
    void SetLeftOperator(int32_t value) { m_leftOperator = value; }
    int32_t ResultValue() const { return m_resultValue; }
    void SetResultValue(int32_t value) { m_resultValue = value; }
    int32_t RemainderValue() const { return m_remainderValue; }
    void SetRemainderValue(int32_t value) { m_remainderValue = value; }
    // The owned limit itself, shared.
    const std::shared_ptr<CValueLimit>& Limit() const { return m_limit; }
    void SetLimit(std::shared_ptr<CValueLimit> limit) { m_limit = std::move(limit); }

    void InitLimits(int32_t iLower, int32_t iUpper, int32_t iMulti);
    void ClearResults();
    void ReverseOperator();
    // A new operand with a cloned limit and the same values; the Id is not copied.
    std::shared_ptr<COperand> Clone() const;

    std::shared_ptr<COperand> Plus(const COperand& rightSide) const;
    std::shared_ptr<COperand> Subtract(const COperand& rightSide) const;
    std::shared_ptr<COperand> Multiply(const COperand& rightSide) const;
    std::shared_ptr<COperand> Divide(const COperand& rightSide) const;

    const std::u16string& Id() const { return m_id; }
    void SetId(std::u16string id) { m_id = std::move(id); }
    // A clone of the limit, narrowed to the chosen value when there is one.
    std::shared_ptr<CValueLimit> ValueBasedLimit() const;
    bool Include(int32_t v) const { return m_limit->Include(v); }
    int32_t FactorCount() const { return m_limit->FactorCount(); }
    void SetFactorCount(int32_t value) { m_limit->SetFactorCount(value); }

    // this + rightSide = ResultOperand, and so on; false when no admissible
    // values exist. Values chosen before a failing step stay chosen.
    bool CreateInstancePlus(COperand& rightSide, COperand& ResultOperand);
    bool CreateInstanceSubtract(COperand& rightSide, COperand& ResultOperand);
    bool CreateInstanceMultiply(COperand& rightSide, COperand& ResultOperand,
                                int32_t iExcludedDivisorBest);
    bool CreateInstanceDivide(COperand& rightSide, COperand& ResultOperand,
                              int32_t iExcludedDivisorBest);
    // this ÷ rightSide = ResultOperand with a remainder in 1 .. divisor - 1,
    // kept as ResultOperand's RemainderValue; the quotient is at least 1, so
    // that a blank divisor has one answer.
    bool CreateInstanceDivideWithRemainder(COperand& rightSide, COperand& ResultOperand);
    bool CreateInstance();
    // The range of this operand combined with rightSide by rightSide's operator.
    std::shared_ptr<COperand> Operate(const COperand& rightSide) const;
    // result becomes what Operate returns, in place: it keeps its own limit
    // object. For temporaries made again and again; result is neither this
    // operand nor rightSide.
    void OperateInto(const COperand& rightSide, COperand& result) const;
    void SetTotalDivisorCount(int32_t n);
    void AddFactorCount(int32_t n) { m_limit->AddFactorCount(n); }

    int32_t CbrSetting() const { return m_cbrSetting; }
    void SetCbrSetting(int32_t value) { m_cbrSetting = value; }

private:
    // ValueBasedLimit as a plain value, for the solvers' working limits.
    CValueLimit ValueLimit() const;
    // What Clone gives, written into target, whose limit object stays its own.
    void CloneInto(COperand& target) const;

    std::u16string m_id;
    std::shared_ptr<CValueLimit> m_limit;
    int32_t m_resultValue = -1;
    int32_t m_remainderValue = -1;
    int32_t m_leftOperator = 0;
    int32_t m_cbrSetting = 0;
};

// An operator code and a value.
class COperandValue {
public:
    int32_t Operator() const { return m_operator; }
    void SetOperator(int32_t value) { m_operator = value; }
    int32_t Value() const { return m_value; }
    void SetValue(int32_t value) { m_value = value; }

private:
    int32_t m_operator = 0;
    int32_t m_value = -1;
};

} // namespace kelvo
