#include "generation/CGeneratorTwo.h"

#include "foundation/RuntimeError.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"

#include <array>

namespace kelvo {

namespace {

int32_t UnitsDigit(int32_t value) {
    return value % 10;
}

} // namespace

void CGeneratorTwo::Init(CExpression& expr) {
    Bind(expr);
    m_table = Table();
    m_table.Reserve(expr.GetPermCombineTimes());
    Walk walk(m_table);
    WalkSpace(walk);
}

CWalkCount CGeneratorTwo::CountQuestions(const CExpression& expr, int64_t maxQuestions,
                                         int64_t maxCombinations) {
    Bind(expr);
    Walk walk(maxQuestions, maxCombinations);
    WalkSpace(walk);
    return walk.Count();
}

void CGeneratorTwo::Bind(const CExpression& expr) {
    m_first = expr.Operands().at(0);
    m_second = expr.Operands().at(1);
    m_result = expr.ResultOperand();
    m_cbrCode = m_second->CbrSetting();
    m_rules = expr.RuleFilter();
}

void CGeneratorTwo::WalkSpace(Walk& walk) const {
    switch (m_cbrCode) {
    case Cbr::None:
        WalkPlain(walk);
        break;
    case Cbr::Carry:
    case Cbr::NoCarry:
        WalkCarry(walk);
        break;
    case Cbr::Borrow:
    case Cbr::NoBorrow:
        WalkBorrow(walk);
        break;
    case Cbr::Remainder:
    case Cbr::NoRemainder:
        WalkRemainder(walk);
        break;
    default:
        walk.Complete();
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
    if (m_cbrCode == Cbr::Remainder) {
        m_result->SetRemainderValue((*candidate)[0] % (*candidate)[1]);
    }
    return true;
}

// Walks every pair of admitted values, operand 1 outermost; rule(a, b, r) says
// whether the pair makes a question and computes its result r.
template <class Rule>
void CGeneratorTwo::WalkPairs(Walk& walk, Rule&& rule) const {
    const CValueProgression first(*m_first);
    const CValueProgression second(*m_second);
    const CResultFilter filter(*m_result);
    for (int32_t i = 0; i < first.Count(); ++i) {
        const int32_t a = first.Value(i);
        if (!walk.BeginRun(second.Count())) {
            return;
        }
        for (int32_t j = 0; j < second.Count(); ++j) {
            const int32_t b = second.Value(j);
            int32_t r = 0;
            if (rule(a, b, r) && filter.Admits(r) && m_rules.Admits(std::array{a, b}) &&
                !walk.Admit({a, b, r})) {
                return;
            }
        }
    }
    walk.Complete();
}

void CGeneratorTwo::WalkPlain(Walk& walk) const {
    const int32_t op = m_second->LeftOperator();
    WalkPairs(walk, [op](int32_t a, int32_t b, int32_t& r) { return ApplyOperator(r, a, op, b); });
}

void CGeneratorTwo::WalkCarry(Walk& walk) const {
    const bool carry = m_cbrCode == Cbr::Carry;
    WalkPairs(walk, [carry](int32_t a, int32_t b, int32_t& r) {
        r = CheckedAdd(a, b);
        return (UnitsDigit(a) + UnitsDigit(b) >= 10) == carry;
    });
}

void CGeneratorTwo::WalkBorrow(Walk& walk) const {
    const bool borrow = m_cbrCode == Cbr::Borrow;
    WalkPairs(walk, [borrow](int32_t a, int32_t b, int32_t& r) {
        r = CheckedSubtract(a, b);
        return (UnitsDigit(a) < UnitsDigit(b)) == borrow;
    });
}

void CGeneratorTwo::WalkRemainder(Walk& walk) const {
    const bool remainder = m_cbrCode == Cbr::Remainder;
    // A quotient of 0 would leave a blank divisor with many answers
    // (3÷(  )=0……3), so a question with a remainder has a quotient of 1 or more.
    WalkPairs(walk, [remainder](int32_t a, int32_t b, int32_t& r) {
        if (b == 0) {
            return false;
        }
        r = a / b;
        return remainder ? a % b != 0 && r >= 1 : a % b == 0;
    });
}

} // namespace kelvo
