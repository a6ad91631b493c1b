#include "output/CColumnExtent.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <algorithm>

namespace kelvo {

namespace {

int32_t Places(int32_t value) {
    return static_cast<int32_t>(DecimalText(value).size());
}

} // namespace

bool CColumnExtent::IsColumnQuestion(const CExprValue& question) {
    // A comparison, an operator to find or an estimate is read along its line.
    const auto operands = question.OperandValues();
    return question.Form() == QuestionForm::Calculate && operands.size() == 2 &&
           operands[1][0] >= Op::Plus && operands[1][0] <= Op::Divide;
}

CColumnExtent CColumnExtent::Of(const QuestionList& questions) {
    CColumnExtent extent;
    extent.Include(questions, questions.Count());
    return extent;
}

void CColumnExtent::Include(const QuestionList& questions, int32_t count) {
    for (int32_t index = 1; index <= std::min(count, questions.Count()); ++index) {
        const CExprValue& question = *questions.Item(index);
        if (!IsColumnQuestion(question)) {
            continue;
        }
        const auto operands = question.OperandValues();
        const int32_t upper = Places(operands[0][1]);
        const int32_t code = operands[1][0];
        const int32_t lower = Places(operands[1][1]);
        const int32_t result = Places(question.ResultValue());
        if (code == Op::Divide) {
            dividendPlaces = std::max(dividendPlaces, upper);
            divisorPlaces = std::max(divisorPlaces, lower);
            quotientPlaces = std::max(quotientPlaces, result);
            continue;
        }
        places = std::max({places, upper, lower, result});
        if (code == Op::Times && lower > 1) {
            partialLines = std::max(partialLines, lower);
        }
    }
}

} // namespace kelvo
