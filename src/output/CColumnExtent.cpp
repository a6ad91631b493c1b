#include "output/CColumnExtent.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

#include <algorithm>

namespace kelvo {

CColumnTexts CColumnTexts::Of(const CExprValue& question) {
    CColumnTexts texts;
    question.AppendOperandText(texts.upper, 0);
    question.AppendOperandText(texts.lower, 1);
    AppendScaledText(texts.result, question.ResultValue(), question.Units().result);
    texts.fractionPlaces = std::max<int32_t>(question.Units().result, 0);
    return texts;
}

int32_t CColumnTexts::ShiftOf(const std::u16string& text) const {
    if (fractionPlaces == 0) {
        return 0;
    }
    const size_t point = text.find(u'.');
    if (point == std::u16string::npos) {
        return fractionPlaces + 1;
    }
    return fractionPlaces - static_cast<int32_t>(text.size() - point - 1);
}

namespace {

CColumnDigits WithoutPoint(std::u16string text) {
    CColumnDigits number;
    const size_t point = text.find(u'.');
    if (point != std::u16string::npos) {
        number.fractionDigits = static_cast<int32_t>(text.size() - point - 1);
        text.erase(point, 1);
    }
    number.digits = std::move(text);
    return number;
}

} // namespace

CProductColumn CProductColumn::Of(const CExprValue& question) {
    const CColumnTexts texts = CColumnTexts::Of(question);
    CProductColumn product{WithoutPoint(texts.upper), WithoutPoint(texts.lower),
                           WithoutPoint(texts.result)};
    const int32_t productPlaces = product.upper.fractionDigits + product.lower.fractionDigits;
    product.result.shift = std::max(productPlaces - product.result.fractionDigits, 0);
    return product;
}

int32_t CProductColumn::PartialLines() const {
    const size_t first = lower.digits.find_first_not_of(u'0');
    const auto significant =
        first == std::u16string::npos ? 0 : static_cast<int32_t>(lower.digits.size() - first);
    return significant > 1 ? significant : 0;
}

bool CColumnExtent::IsColumnQuestion(const CExprValue& question) {
    // A comparison, an operator to find or an estimate is read along its line,
    // and so is a decimal quotient, whose working would shift its points.
    const auto operands = question.OperandValues();
    if (question.Form() != QuestionForm::Calculate || operands.size() != 2) {
        return false;
    }
    const int32_t code = operands[1][0];
    return question.Units().IsWhole() ? code >= Op::Plus && code <= Op::Divide
                                      : code >= Op::Plus && code <= Op::Times;
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
        const int32_t code = question.OperandValues()[1][0];
        if (code == Op::Times) {
            const CProductColumn product = CProductColumn::Of(question);
            places = std::max(
                {places, product.upper.Places(), product.lower.Places(), product.result.Places()});
            partialLines = std::max(partialLines, product.PartialLines());
            continue;
        }
        const CColumnTexts texts = CColumnTexts::Of(question);
        const int32_t upper = texts.PlacesOf(texts.upper);
        const int32_t lower = texts.PlacesOf(texts.lower);
        const int32_t result = texts.PlacesOf(texts.result);
        if (code == Op::Divide) {
            dividendPlaces = std::max(dividendPlaces, upper);
            divisorPlaces = std::max(divisorPlaces, lower);
            quotientPlaces = std::max(quotientPlaces, result);
            continue;
        }
        places = std::max({places, upper, lower, result});
    }
}

} // namespace kelvo
