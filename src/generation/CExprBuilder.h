#pragma once

#include "generation/CExpression.h"
#include "number/COperand.h"

#include <array>
#include <cstdint>

namespace kelvo {

// Builds one random question of a large template per call. The expression is
// split by operator precedence into two-operand steps x op y = z; a
// sub-expression stands in as a temporary operand (COperand::Operate) whose
// limits are the values it can take. Solving the outer step fixes the
// temporary's value, which becomes the target of the inner step. Values fixed by
// an earlier step are never changed by a later one; a step without an
// admissible value fails the attempt.
class CExprBuilder {
public:
    bool Build(const OperandList& colOperands, COperand& ResultOperand);
    // op1 (operator of op2) op2 = res; iExcludedDivisorBest is a divisor
    // chosen earlier (-1 for none) that a split avoids when it can.
    bool Build2(COperand& op1, COperand& op2, COperand& res, int32_t iExcludedDivisorBest);
    bool Build3(COperand& a, COperand& b, COperand& c, COperand& r);
    bool Build4(COperand& a, COperand& b, COperand& c, COperand& d, COperand& r);
    // With parentheses around two operands the pair stands in as a temporary
    // operand: the question without it is solved first, then the pair to the
    // temporary's value. Around three operands every operand takes a random
    // value of its range. Either way the attempt fails unless each step, the
    // group first, and the result are admissible.
    bool BuildGrouped(const OperandList& colOperands, COperand& ResultOperand, Parentheses group);

private:
    // Where a temporary operand lives: Build4 needs two at a time, the Build3
    // it calls one more.
    // BuildGrouped's pair lives beside them.
    enum class Slot { Build4First, Build4Second, Build3, Pair };

    // x.Operate(y) in the storage of the slot: every attempt makes its
    // temporaries again, so their storage is kept.
    COperand& Temporary(Slot slot, const COperand& x, const COperand& y);
    // The range x op' y where op' is the inverse of y's operator: what the left
    // part must be so that (left part) op y = x.
    COperand& InverseTemporary(Slot slot, const COperand& x, COperand& y);

    bool BuildAroundPair(const OperandList& colOperands, COperand& ResultOperand, size_t first);
    static bool DrawValues(const OperandList& colOperands);

    std::array<COperand, 4> m_temporaries;
};

} // namespace kelvo
