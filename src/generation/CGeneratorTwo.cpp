#include "generation/CGeneratorTwo.h"

#include "foundation/RuntimeError.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"

namespace kelvo {

namespace {

int32_t UnitsDigit(int32_t value) {
    return value % 10;
}

} // namespace

void CGeneratorTwo::Init(CExpression& expr) {
    m_first = expr.Operands().at(0);
    m_second = expr.Operands().at(1);
    m_result = expr.ResultOperand();
    m_cbrCode = m_second->CbrSetting();
    m_size = expr.GetPermCombineTimes();
    m_table = Table();
    switch (m_cbrCode) {
    case Cbr::None:
        BuildPlainTable();
        break;
    case Cbr::Carry:
    case Cbr::NoCarry:
        BuildCarryTable();
        break;
    case Cbr::Borrow:
    case Cbr::NoBorrow:
        BuildBorrowTable();
        break;
    case Cbr::Remainder:
    case Cbr::NoRemainder:
        BuildRemainderTable();
        break;
    default:
        break;
    }
}

bool CGeneratorTwo::CreateInstance() {
    const Table::Candidate* candidate = m_table.Draw();
    if (candidate == nullptr) {
        return false;
    }
    m_first->SetResultValue((*candidate)[0]);
    m_second->SetResultValue((*candidate)[1]);
    m_result->SetResultValue((*candidate)[2]);
    return true;
}

// Walks every pair of admitted values, operand 1 outermost; rule(a, b, r) says
// whether the pair makes a question and computes its result r.
template <class Rule>
void CGeneratorTwo::BuildTable(Rule&& rule) {
    m_table.Reserve(m_size);
    const CValueProgression first(*m_first);
    const CValueProgression second(*m_second);
    const CResultFilter filter(*m_result);
    for (int32_t i = 0; i < first.Count(); ++i) {
        const int32_t a = first.Value(i);
        for (int32_t j = 0; j < second.Count(); ++j) {
            const int32_t b = second.Value(j);
            int32_t r = 0;
            if (rule(a, b, r) && filter.Admits(r)) {
                m_table.Add({a, b, r});
            }
        }
    }
}

void CGeneratorTwo::BuildPlainTable() {
    const int32_t op = m_second->LeftOperator();
    BuildTable([op](int32_t a, int32_t b, int32_t& r) { return ApplyOperator(r, a, op, b); });
}

void CGeneratorTwo::BuildCarryTable() {
    const bool carry = m_cbrCode == Cbr::Carry;
    BuildTable([carry](int32_t a, int32_t b, int32_t& r) {
        r = CheckedAdd(a, b);
        return (UnitsDigit(a) + UnitsDigit(b) >= 10) == carry;
    });
}

void CGeneratorTwo::BuildBorrowTable() {
    const bool borrow = m_cbrCode == Cbr::Borrow;
    BuildTable([borrow](int32_t a, int32_t b, int32_t& r) {
        r = CheckedSubtract(a, b);
        return (UnitsDigit(a) < UnitsDigit(b)) == borrow;
    });
}

void CGeneratorTwo::BuildRemainderTable() {
    const bool remainder = m_cbrCode == Cbr::Remainder;
    BuildTable([remainder](int32_t a, int32_t b, int32_t& r) {
        if (b == 0) {
            return false;
        }
        r = a / b;
        return (a % b != 0) == remainder;
    });
}

} // namespace kelvo
