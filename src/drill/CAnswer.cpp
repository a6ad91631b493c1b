#include "drill/CAnswer.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

namespace kelvo {

CAnswer CAnswer::RightFor(const CExprValue& question) {
    return {question.ResultValue(),
            question.HasRemainder() ? std::optional(question.RemainderValue()) : std::nullopt};
}

std::u16string CAnswer::Text() const {
    std::u16string text = DecimalText(value);
    if (remainder) {
        text += RemainderMark;
        AppendDecimalText(text, *remainder);
    }
    return text;
}

} // namespace kelvo
