#include "number/COperand.h"

#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "number/CFactorization.h"
#include "number/OperatorCodes.h"

#include <algorithm>

namespace kelvo {

COperand::COperand() : m_limit(std::make_shared<CValueLimit>()) {}

void COperand::InitLimits(int32_t iLower, int32_t iUpper, int32_t iMulti) {
    m_limit->Init(iLower, iUpper, iMulti, 1);
}

void COperand::ClearResults() {
    m_resultValue = -1;
    m_remainderValue = -1;
}

void COperand::ReverseOperator() {
    switch (m_leftOperator) {
    case Op::Plus:
        m_leftOperator = Op::Minus;
        break;
    case Op::Minus:
        m_leftOperator = Op::Plus;
        break;
    case Op::Times:
        m_leftOperator = Op::Divide;
        break;
    case Op::Divide:
        m_leftOperator = Op::Times;
        break;
    default:
        break;
    }
}

std::shared_ptr<COperand> COperand::Clone() const {
    auto clone = std::make_shared<COperand>();
    CloneInto(*clone);
    return clone;
}

void COperand::CloneInto(COperand& target) const {
    // A plain copy of the fields equals a Clone of the limit: they always
    // satisfy the setters' rules.
    *target.m_limit = *m_limit;
    target.m_id.clear();
    target.m_resultValue = m_resultValue;
    target.m_remainderValue = m_remainderValue;
    target.m_leftOperator = m_leftOperator;
    target.m_cbrSetting = m_cbrSetting;
}

std::shared_ptr<COperand> COperand::Plus(const COperand& rightSide) const {
    auto result = Clone();
    result->m_limit->Plus(*rightSide.m_limit);
    return result;
}

std::shared_ptr<COperand> COperand::Subtract(const COperand& rightSide) const {
    auto result = Clone();
    result->m_limit->Subtract(*rightSide.m_limit);
    return result;
}

std::shared_ptr<COperand> COperand::Multiply(const COperand& rightSide) const {
    auto result = Clone();
    result->m_limit->Multiply(*rightSide.m_limit);
    return result;
}

std::shared_ptr<COperand> COperand::Divide(const COperand& rightSide) const {
    auto result = Clone();
    result->m_limit->Divide(*rightSide.m_limit);
    return result;
}

std::shared_ptr<CValueLimit> COperand::ValueBasedLimit() const {
    return std::make_shared<CValueLimit>(ValueLimit());
}

CValueLimit COperand::ValueLimit() const {
    // A plain copy equals a Clone: the fields always satisfy the setters' rules.
    CValueLimit limit = *m_limit;
    if (m_resultValue != -1) {
        limit.Init(m_resultValue, m_resultValue, limit.MultipleOf(), 1);
    }
    return limit;
}

namespace {

// Whole numbers in steps of 1 drawn one by one: what the range operations
// below come to for them, without building the ranges.
bool IsPlain(const CValueLimit& limit) {
    return limit.IsValid() && limit.MultipleOf() == 1 && limit.FactorCount() < 2;
}

// A uniform value of lower..upper, as CValueLimit::GetRandomValue draws it.
bool DrawBetween(int32_t lower, int32_t upper, int32_t& value) {
    if (lower > upper) {
        return false;
    }
    ReseedRandomFromClock();
    value = RandomFloor(upper - lower + 1, lower);
    return true;
}

} // namespace

bool COperand::CreateInstancePlus(COperand& rightSide, COperand& ResultOperand) {
    COperand& a = *this;
    COperand& b = rightSide;
    COperand& sum = ResultOperand;
    const int32_t aValue = a.m_resultValue;
    const int32_t bValue = b.m_resultValue;
    int32_t sumValue = sum.m_resultValue;
    const bool carry = a.m_cbrSetting == Cbr::Carry || b.m_cbrSetting == Cbr::Carry;
    const bool noCarry = a.m_cbrSetting == Cbr::NoCarry || b.m_cbrSetting == Cbr::NoCarry;

    // The most common question, a free sum of plain ranges, drawn straight.
    if (aValue == -1 && bValue == -1 && sumValue == -1 && !carry && !noCarry &&
        IsPlain(*a.m_limit) && IsPlain(*b.m_limit) && IsPlain(*sum.m_limit)) {
        const CValueLimit& as = *a.m_limit;
        const CValueLimit& bs = *b.m_limit;
        const CValueLimit& sums = *sum.m_limit;
        if (!DrawBetween(std::max({0, sums.LowerLimit() - bs.UpperLimit(), as.LowerLimit()}),
                         std::min(sums.UpperLimit() - bs.LowerLimit(), as.UpperLimit()),
                         a.m_resultValue) ||
            !DrawBetween(std::max({0, sums.LowerLimit() - a.m_resultValue, bs.LowerLimit()}),
                         std::min(sums.UpperLimit() - a.m_resultValue, bs.UpperLimit()),
                         b.m_resultValue)) {
            return false;
        }
        sum.m_resultValue = a.m_resultValue + b.m_resultValue;
        return true;
    }

    // A sum that must be a multiple is drawn first; the operands follow from it.
    if (sum.MultipleOf() != 1 && sumValue == -1) {
        CValueLimit sums = a.ValueLimit();
        sums.Plus(b.ValueLimit());
        sums.Intersect(sum.ValueLimit());
        if (!sums.GetRandomValue(sumValue)) {
            return false;
        }
        sum.m_resultValue = sumValue;
    }
    if (aValue == -1) {
        CValueLimit lefts = sum.ValueLimit();
        lefts.Subtract(b.ValueLimit());
        lefts.Intersect(a.ValueLimit());
        // A units digit of 0 cannot carry.
        const bool drawn = carry ? lefts.GetRandomValueWithModulo(a.m_resultValue, 1, 9)
                                 : lefts.GetRandomValue(a.m_resultValue);
        if (!drawn) {
            return false;
        }
    }
    const int32_t leftDigit = a.m_resultValue % 10;
    if (bValue == -1) {
        CValueLimit rights = sum.ValueLimit();
        rights.Subtract(a.ValueLimit());
        rights.Intersect(b.ValueLimit());
        int32_t drawnValue = -1;
        bool drawn = false;
        if (carry) {
            drawn = rights.GetRandomValueWithModulo(drawnValue, 10 - leftDigit, 9);
        } else if (!noCarry) {
            drawn = rights.GetRandomValue(drawnValue);
        } else {
            drawn = rights.GetRandomValueWithModulo(drawnValue, 0, 9 - leftDigit);
        }
        if (!drawn) {
            return false;
        }
        b.m_resultValue = drawnValue;
    }
    if (sumValue == -1) {
        sum.m_resultValue = CheckedAdd(a.m_resultValue, b.m_resultValue);
    }
    return true;
}

bool COperand::CreateInstanceSubtract(COperand& rightSide, COperand& ResultOperand) {
    // A subtraction borrows in the units exactly when difference + subtrahend
    // carries there, so it is solved as that addition.
    const int32_t setting = rightSide.m_cbrSetting;
    if (setting == Cbr::Borrow) {
        rightSide.m_cbrSetting = Cbr::Carry;
    } else if (setting == Cbr::NoBorrow) {
        rightSide.m_cbrSetting = Cbr::NoCarry;
    }
    bool result = false;
    try {
        result = ResultOperand.CreateInstancePlus(rightSide, *this);
    } catch (...) {
        rightSide.m_cbrSetting = setting;
        throw;
    }
    rightSide.m_cbrSetting = setting;
    return result;
}

bool COperand::CreateInstanceMultiply(COperand& rightSide, COperand& ResultOperand,
                                      int32_t iExcludedDivisorBest) {
    return ResultOperand.CreateInstanceDivide(rightSide, *this, iExcludedDivisorBest);
}

bool COperand::CreateInstanceDivide(COperand& rightSide, COperand& ResultOperand,
                                    int32_t iExcludedDivisorBest) {
    const DivisorList divisors{&rightSide, &ResultOperand};
    if (m_resultValue != -1) {
        return SharedFactorization().SplitDivisors2(m_resultValue, divisors, iExcludedDivisorBest);
    }
    CValueLimit dividends = ResultOperand.ValueLimit();
    dividends.Multiply(rightSide.ValueLimit());
    dividends.Intersect(*m_limit);
    // A fixed divisor or quotient must divide the dividend. A step beyond the
    // ceiling leaves no dividend; capped, it would admit one of another step.
    for (const COperand* fixed : divisors) {
        if (fixed->m_resultValue != -1) {
            const int64_t step =
                static_cast<int64_t>(dividends.MultipleOf()) * fixed->m_resultValue;
            if (step > ValueCeiling) {
                return false;
            }
            dividends.SetMultipleOf(static_cast<int32_t>(std::max<int64_t>(step, 0)));
        }
    }
    return dividends.GetRandomValueWithLimits(m_resultValue, divisors, iExcludedDivisorBest);
}

bool COperand::CreateInstanceDivideWithRemainder(COperand& rightSide, COperand& ResultOperand) {
    CValueLimit divisors = rightSide.ValueLimit();
    divisors.SetLowerLimit(std::max(divisors.LowerLimit(), 2));
    int32_t divisor = -1;
    if (!divisors.GetRandomValue(divisor)) {
        return false;
    }
    const CValueLimit dividends = ValueLimit();
    // dividend = divisor × quotient + remainder with the remainder in
    // 1 .. divisor - 1 bounds the quotient by the dividends' range.
    CValueLimit quotients = ResultOperand.ValueLimit();
    quotients.SetLowerLimit(
        std::max({quotients.LowerLimit(), 1, dividends.LowerLimit() / divisor}));
    quotients.SetUpperLimit(
        std::min(quotients.UpperLimit(), (dividends.UpperLimit() - 1) / divisor));
    int32_t quotient = -1;
    if (!quotients.GetRandomValue(quotient)) {
        return false;
    }
    const int32_t product = CheckedMultiply(divisor, quotient);
    const int32_t step = dividends.MultipleOf();
    const int32_t lowest = std::max(1, dividends.LowerLimit() - product);
    const int32_t highest = std::min(divisor - 1, dividends.UpperLimit() - product);
    // The first remainder that makes the dividend a multiple of its step.
    const int32_t first = lowest + (step - (product + lowest) % step) % step;
    if (first > highest) {
        return false;
    }
    ReseedRandomFromClock();
    const int32_t remainder = first + step * RandomFloor((highest - first) / step + 1, 0);
    m_resultValue = product + remainder;
    rightSide.m_resultValue = divisor;
    ResultOperand.m_resultValue = quotient;
    ResultOperand.m_remainderValue = remainder;
    return true;
}

bool COperand::CreateInstance() {
    if (m_resultValue < 0) {
        return m_limit->GetRandomValue(m_resultValue);
    }
    return true;
}

std::shared_ptr<COperand> COperand::Operate(const COperand& rightSide) const {
    auto result = std::make_shared<COperand>();
    OperateInto(rightSide, *result);
    return result;
}

void COperand::OperateInto(const COperand& rightSide, COperand& result) const {
    CloneInto(result);
    CValueLimit& range = *result.m_limit;
    const CValueLimit& other = *rightSide.m_limit;
    switch (rightSide.m_leftOperator) {
    case Op::Plus:
        range.Plus(other);
        break;
    case Op::Minus:
        range.Subtract(other);
        break;
    case Op::Times:
        range.Multiply(other);
        break;
    case Op::Divide:
        range.Divide(other);
        break;
    default:
        break;
    }
}

void COperand::SetTotalDivisorCount(int32_t n) {
    if (n >= 1) {
        m_limit->SetFactorCount(n);
    }
}

} // namespace kelvo
