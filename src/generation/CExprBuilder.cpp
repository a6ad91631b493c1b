#include "generation/CExprBuilder.h"

#include "foundation/TextNumber.h"
#include "generation/CandidateTable.h"
#include "number/OperatorCodes.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

namespace kelvo {

namespace {

bool IsPlusOrMinus(int32_t code) {
    return code == Op::Plus || code == Op::Minus;
}

bool IsArithmetic(int32_t code) {
    return IsPlusOrMinus(code) || IsTimesOrDivide(code);
}

// Turns an operand's operator round for as long as it lives.
class CReversedOperator {
public:
    explicit CReversedOperator(COperand& operand) : m_operand(operand) {
        m_operand.ReverseOperator();
    }
    ~CReversedOperator() { m_operand.ReverseOperator(); }
    CReversedOperator(const CReversedOperator&) = delete;
    CReversedOperator& operator=(const CReversedOperator&) = delete;

private:
    COperand& m_operand;
};

// Gives an operand another operator for as long as it lives.
class CBorrowedOperator {
public:
    CBorrowedOperator(COperand& operand, int32_t code)
        : m_operand(operand), m_saved(operand.LeftOperator()) {
        m_operand.SetLeftOperator(code);
    }
    ~CBorrowedOperator() { m_operand.SetLeftOperator(m_saved); }
    CBorrowedOperator(const CBorrowedOperator&) = delete;
    CBorrowedOperator& operator=(const CBorrowedOperator&) = delete;

private:
    COperand& m_operand;
    int32_t m_saved;
};

// Raises the number of prime factors an operand's value must offer for as long
// as it lives.
class CRaisedFactorCount {
public:
    CRaisedFactorCount(COperand& operand, int32_t n) : m_operand(operand), m_n(n) {
        m_operand.AddFactorCount(n);
    }
    ~CRaisedFactorCount() { m_operand.AddFactorCount(-m_n); }
    CRaisedFactorCount(const CRaisedFactorCount&) = delete;
    CRaisedFactorCount& operator=(const CRaisedFactorCount&) = delete;

private:
    COperand& m_operand;
    int32_t m_n;
};

// Every attempt labels the operands again; an unchanged label is not rewritten.
// The labels are short and of known length, so they are compared as bytes in
// place, without a call.
template <size_t N>
void Label(COperand& operand, const char16_t (&label)[N]) {
    constexpr size_t length = N - 1;
    const std::u16string& id = operand.Id();
    if (id.size() != length || std::memcmp(id.data(), label, length * sizeof(char16_t)) != 0) {
        operand.SetId(std::u16string(label, length));
    }
}

// "操作数" and the operand's 1-based position.
void LabelOperand(COperand& operand, size_t index) {
    static constexpr char16_t common[][5] = {u"操作数1", u"操作数2", u"操作数3", u"操作数4"};
    if (index < std::size(common)) {
        Label(operand, common[index]);
        return;
    }
    std::u16string label = u"操作数" + DecimalText(static_cast<int32_t>(index + 1));
    if (operand.Id() != label) {
        operand.SetId(std::move(label));
    }
}

} // namespace

bool CExprBuilder::Build(const OperandList& colOperands, COperand& ResultOperand) {
    const size_t n = colOperands.size();
    if (n < 2) {
        return false;
    }
    for (size_t i = 0; i < n; ++i) {
        LabelOperand(*colOperands[i], i);
    }
    Label(ResultOperand, u"最终结果操作数");
    switch (n) {
    case 2:
        return Build2(*colOperands[0], *colOperands[1], ResultOperand, -1);
    case 3:
        return Build3(*colOperands[0], *colOperands[1], *colOperands[2], ResultOperand);
    case 4:
        return Build4(*colOperands[0], *colOperands[1], *colOperands[2], *colOperands[3],
                      ResultOperand);
    default:
        return false;
    }
}

bool CExprBuilder::Build2(COperand& op1, COperand& op2, COperand& res,
                          int32_t iExcludedDivisorBest) {
    switch (op2.LeftOperator()) {
    case Op::Plus:
        return op1.CreateInstancePlus(op2, res);
    case Op::Minus:
        return op1.CreateInstanceSubtract(op2, res);
    case Op::Times:
        return op1.CreateInstanceMultiply(op2, res, iExcludedDivisorBest);
    case Op::Divide:
        if (op2.CbrSetting() == Cbr::Remainder) {
            return op1.CreateInstanceDivideWithRemainder(op2, res);
        }
        return op1.CreateInstanceDivide(op2, res, iExcludedDivisorBest);
    default:
        return false;
    }
}

COperand& CExprBuilder::Temporary(Slot slot, const COperand& x, const COperand& y) {
    COperand& temporary = m_temporaries[static_cast<size_t>(slot)];
    x.OperateInto(y, temporary);
    return temporary;
}

COperand& CExprBuilder::InverseTemporary(Slot slot, const COperand& x, COperand& y) {
    const CReversedOperator reversed(y);
    return Temporary(slot, x, y);
}

bool CExprBuilder::Build3(COperand& a, COperand& b, COperand& c, COperand& r) {
    const int32_t o2 = b.LeftOperator();
    const int32_t o3 = c.LeftOperator();
    if (!IsArithmetic(o2) || !IsArithmetic(o3)) {
        return false;
    }
    if (o2 == Op::Times && o3 == Op::Times) {
        COperand& t = Temporary(Slot::Build3, a, b);
        return Build2(t, c, r, -1) && Build2(a, b, t, -1);
    }
    if (o2 == Op::Times && o3 == Op::Divide) {
        // The product is divided next, so it must offer one more prime factor.
        COperand& t = Temporary(Slot::Build3, a, b);
        t.AddFactorCount(1);
        return Build2(t, c, r, -1) && Build2(a, b, t, c.ResultValue());
    }
    if (o2 == Op::Divide && o3 == Op::Times) {
        COperand& t = InverseTemporary(Slot::Build3, r, c);
        return Build2(a, b, t, -1) && Build2(t, c, r, b.ResultValue());
    }
    if (o2 == Op::Divide && o3 == Op::Divide) {
        COperand& t = InverseTemporary(Slot::Build3, r, c);
        bool solved = false;
        {
            const CRaisedFactorCount raised(a, 1);
            solved = Build2(a, b, t, -1);
        }
        return solved && Build2(t, c, r, -1);
    }
    if (IsTimesOrDivide(o2)) {
        COperand& t = InverseTemporary(Slot::Build3, r, c);
        return Build2(a, b, t, -1) && Build2(t, c, r, -1);
    }
    if (IsTimesOrDivide(o3)) {
        COperand& u = Temporary(Slot::Build3, b, c);
        u.SetLeftOperator(o2);
        return Build2(a, u, r, -1) && Build2(b, c, u, -1);
    }
    COperand& t = Temporary(Slot::Build3, a, b);
    return Build2(t, c, r, -1) && Build2(a, b, t, -1);
}

bool CExprBuilder::Build4(COperand& a, COperand& b, COperand& c, COperand& d, COperand& r) {
    const int32_t o2 = b.LeftOperator();
    const int32_t o3 = c.LeftOperator();
    const int32_t o4 = d.LeftOperator();
    if (!IsArithmetic(o2) || !IsArithmetic(o3) || !IsArithmetic(o4)) {
        return false;
    }
    if (IsPlusOrMinus(o4)) {
        // Peel off the trailing term: a o2 b o3 c = r -/+ d.
        COperand* t = nullptr;
        bool solved = false;
        {
            const CReversedOperator reversed(d);
            t = &Temporary(Slot::Build4First, r, d);
            solved = Build3(a, b, c, *t);
        }
        return solved && Build2(*t, d, r, -1);
    }
    if (IsPlusOrMinus(o3)) {
        COperand& left = Temporary(Slot::Build4First, a, b);
        COperand& right = Temporary(Slot::Build4Second, c, d);
        right.SetLeftOperator(o3);
        return Build2(left, right, r, -1) && Build2(a, b, left, -1) && Build2(c, d, right, -1);
    }
    if (o2 == Op::Plus) {
        // a + (b c d) = r is solved as r - a = (b c d).
        const CBorrowedOperator minus(a, Op::Minus);
        COperand& t = Temporary(Slot::Build4First, r, a);
        return Build3(b, c, d, t) && Build2(r, a, t, -1);
    }
    if (o2 == Op::Minus) {
        // a - (b c d) = r is solved as a - r = (b c d).
        const CBorrowedOperator minus(r, Op::Minus);
        COperand& t = Temporary(Slot::Build4First, a, r);
        return Build3(b, c, d, t) && Build2(a, r, t, -1);
    }
    if (o2 == Op::Divide) {
        COperand& t = InverseTemporary(Slot::Build4First, r, d);
        return Build3(a, b, c, t) && Build2(t, d, r, c.ResultValue());
    }
    // o2 is times: collapse a x b, which must offer a prime factor for each
    // following division.
    COperand& t = Temporary(Slot::Build4First, a, b);
    if (o3 == Op::Divide) {
        t.AddFactorCount(o4 == Op::Divide ? 2 : 1);
    }
    return Build3(t, c, d, r) && Build2(a, b, t, c.ResultValue());
}

bool CExprBuilder::BuildGrouped(const OperandList& colOperands, COperand& ResultOperand,
                                Parentheses group) {
    const size_t n = colOperands.size();
    if (n < 3 || n > 4 || group.IsNone() || static_cast<size_t>(group.last) >= n) {
        return false;
    }
    const bool isPair = group.last - group.first == 1;
    const bool built =
        isPair ? BuildAroundPair(colOperands, ResultOperand, static_cast<size_t>(group.first))
               : DrawValues(colOperands);
    if (!built) {
        return false;
    }
    std::array<int32_t, 4> values{};
    std::array<int32_t, 4> codes{};
    for (size_t k = 0; k < n; ++k) {
        values[k] = colOperands[k]->ResultValue();
        codes[k] = colOperands[k]->LeftOperator();
    }
    int32_t result = 0;
    if (!EvaluateGrouped(result, std::span(values).first(n), std::span(codes).first(n), group) ||
        !CResultFilter(ResultOperand).Admits(result) ||
        (isPair && result != ResultOperand.ResultValue())) {
        return false;
    }
    ResultOperand.SetResultValue(result);
    return true;
}

bool CExprBuilder::BuildAroundPair(const OperandList& colOperands, COperand& ResultOperand,
                                   size_t first) {
    COperand& left = *colOperands[first];
    COperand& right = *colOperands[first + 1];
    // The temporary keeps the operator that joins the pair to what stands before.
    COperand& pair = Temporary(Slot::Pair, left, right);
    std::array<COperand*, 3> outer{};
    size_t count = 0;
    for (size_t k = 0; k < colOperands.size(); ++k) {
        if (k == first) {
            outer[count++] = &pair;
        } else if (k != first + 1) {
            outer[count++] = colOperands[k].get();
        }
    }
    const bool solved = count == 2 ? Build2(*outer[0], *outer[1], ResultOperand, -1)
                                   : Build3(*outer[0], *outer[1], *outer[2], ResultOperand);
    return solved && Build2(left, right, pair, -1);
}

bool CExprBuilder::DrawValues(const OperandList& colOperands) {
    for (const auto& operand : colOperands) {
        int32_t value = 0;
        if (!operand->Limit()->GetRandomValue(value)) {
            return false;
        }
        operand->SetResultValue(value);
    }
    return true;
}

} // namespace kelvo
