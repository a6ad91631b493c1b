#include "output/CSlotLengths.h"

#include "foundation/TextNumber.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"

#include <algorithm>

namespace kelvo {

namespace {

int32_t DecimalLength(int32_t value) {
    return static_cast<int32_t>(DecimalText(value).size());
}

} // namespace

CSlotLengths CSlotLengths::Of(const CExpression& expression) {
    CSlotLengths lengths;
    for (const auto& operand : expression.Operands()) {
        lengths.operands.push_back(DecimalLength(operand->UpperLimit()));
    }
    lengths.result = DecimalLength(expression.ResultOperand()->UpperLimit());
    const auto& operands = expression.Operands();
    if (operands.size() == 2 && operands[1]->CbrSetting() == Cbr::Remainder) {
        lengths.remainder = DecimalLength(std::max(operands[1]->UpperLimit() - 1, 1));
    }
    return lengths;
}

} // namespace kelvo
