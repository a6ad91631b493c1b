#pragma once

#include "generation/CExpression.h"
#include "number/COperand.h"

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
    bool Build3(COperand& op1, COperand& op2, COperand& op3, COperand& res);
    bool Build4(COperand& op1, COperand& op2, COperand& op3, COperand& op4, COperand& res);
};

} // namespace kelvo
