#pragma once

#include "foundation/TextNumber.h"
#include "generation/CExpression.h"
#include "number/COperand.h"
#include "number/OperatorCodes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::testing {

struct Range {
    int32_t lower;
    int32_t upper;
    int32_t multipleOf = 1;
};

inline std::shared_ptr<COperand> MakeOperand(Range range, int32_t leftOperator = Op::None) {
    auto operand = std::make_shared<COperand>();
    operand->InitLimits(range.lower, range.upper, range.multipleOf);
    operand->SetLeftOperator(leftOperator);
    return operand;
}

// operators[k] joins operand k + 1 to what stands before it; cbr goes on
// operand 2, as the operand panel puts it.
inline std::shared_ptr<CExpression> MakeTemplate(const std::vector<Range>& operands,
                                                 const std::vector<int32_t>& operators,
                                                 Range result, int32_t cbr = Cbr::None) {
    OperandList list;
    for (size_t k = 0; k < operands.size(); ++k) {
        list.push_back(MakeOperand(operands[k], k == 0 ? Op::None : operators.at(k - 1)));
    }
    if (list.size() >= 2) {
        list[1]->SetCbrSetting(cbr);
    }
    auto expression = std::make_shared<CExpression>();
    expression->Init(std::move(list), MakeOperand(result));
    return expression;
}

// The question as text with its answer, for example "12＋5=17".
inline std::u16string QuestionText(const CExprValue& question) {
    return question.LeftPartToString().ToString() + DecimalText(question.ResultValue());
}

// The template in plain ASCII for failure messages: "[0..20/1] +[0..20/1] =[0..20/1] cbr 1".
inline std::string Describe(const CExpression& expression) {
    const auto range = [](const COperand& operand) {
        return "[" + std::to_string(operand.LowerLimit()) + ".." +
               std::to_string(operand.UpperLimit()) + "/" + std::to_string(operand.MultipleOf()) +
               "]";
    };
    static const char* const symbols[] = {"?", "+", "-", "*", "/"};
    std::string text;
    for (const auto& operand : expression.Operands()) {
        const int32_t code = operand->LeftOperator();
        text += (code >= 1 && code <= 4) ? symbols[code] : (text.empty() ? "" : "?");
        text += range(*operand) + " ";
    }
    text += "=" + range(*expression.ResultOperand());
    if (expression.Operands().size() >= 2) {
        text += " cbr " + std::to_string(expression.Operands()[1]->CbrSetting());
    }
    return text;
}

} // namespace kelvo::testing
