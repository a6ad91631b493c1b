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
    const auto& units = expression.Units();
    for (size_t k = 0; k < expression.Operands().size(); ++k) {
        lengths.operands.push_back(
            ScaledTextLength(expression.Operands()[k]->UpperLimit(), units.Operand(k)));
    }
    lengths.result = ScaledTextLength(expression.ResultOperand()->UpperLimit(), units.result);
    const auto& operands = expression.Operands();
    if (operands.size() == 2 && operands[1]->CbrSetting() == Cbr::Remainder) {
        lengths.remainder = DecimalLength(std::max(operands[1]->UpperLimit() - 1, 1));
    }
    return lengths;
}

CSlotLengths CSlotLengths::Of(const std::vector<std::shared_ptr<CExpression>>& templates) {
    CSlotLengths longest;
    for (const auto& expression : templates) {
        const CSlotLengths lengths = Of(*expression);
        longest.operands.resize(std::max(longest.operands.size(), lengths.operands.size()), 0);
        for (size_t k = 0; k < lengths.operands.size(); ++k) {
            longest.operands[k] = std::max(longest.operands[k], lengths.operands[k]);
        }
        longest.result = std::max(longest.result, lengths.result);
        longest.remainder = std::max(longest.remainder, lengths.remainder);
    }
    return longest;
}

} // namespace kelvo
