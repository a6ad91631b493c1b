#include "output/CAnswerCellMaker.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "generation/FormQuestionText.h"
#include "output/CTextMeasure.h"

#include <algorithm>

namespace kelvo {

namespace {

// Handwriting is larger than print: the box holds two digits more than the
// longest answer, at least five, and is half a line taller than the text.
constexpr int32_t SpareDigits = 2;
constexpr int32_t MinDigits = 5;
constexpr double HeightPerLine = 1.5;

// "……" is as wide as about four digits.
constexpr int32_t RemainderMarkDigits = 4;

int32_t LongestAnswer(const CSlotLengths& lengths) {
    int32_t longest = lengths.result;
    if (lengths.remainder > 0) {
        longest += RemainderMarkDigits + lengths.remainder;
    }
    for (int32_t digits : lengths.operands) {
        longest = std::max(longest, digits);
    }
    return longest;
}

} // namespace

CAnswerCellMaker::CAnswerCellMaker(const CTextMeasure& measure, const CSlotLengths& lengths,
                                   double leastBox, double pointSize)
    : m_width(std::max(
          measure.TextWidth(std::u16string(static_cast<size_t>(std::max(
                                               LongestAnswer(lengths) + SpareDigits, MinDigits)),
                                           u'0'),
                            pointSize),
          leastBox)),
      m_height(std::max(HeightPerLine * measure.LineHeight(pointSize),
                        CCellPiece::BlankHeight(leastBox))) {}

CellMakerFactory CAnswerCellMaker::Factory(const CTextMeasure& measure, const CSlotLengths& lengths,
                                           double leastBox) {
    return [&measure, lengths, leastBox](double pointSize) {
        return std::make_unique<const CAnswerCellMaker>(measure, lengths, leastBox, pointSize);
    };
}

CCell CAnswerCellMaker::Make(const CExprValue& question, int32_t blank) const {
    const auto operands = question.OperandValues();
    const bool isBlank = blank > 0 && static_cast<size_t>(blank) <= operands.size();
    std::u16string answer;
    if (isBlank) {
        question.AppendOperandText(answer, static_cast<size_t>(blank - 1));
    } else {
        answer = question.Form() == QuestionForm::Calculate ? question.ResultText()
                                                            : FormAnswerText(question);
    }
    return {m_width,
            m_height,
            {{CCellPiece::Kind::Blank, 0, 0, m_width, m_height, std::move(answer)}},
            {}};
}

} // namespace kelvo
