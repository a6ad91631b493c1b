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
// A handwritten fraction is wider and a little taller than a printed one.
constexpr double HandwrittenFractionWidth = 2;
constexpr double HandwrittenFractionHeight = 1.25;

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
                        CCellPiece::BlankHeight(leastBox))),
      m_fractions(measure, pointSize, leastBox) {}

CellMakerFactory CAnswerCellMaker::Factory(const CTextMeasure& measure, const CSlotLengths& lengths,
                                           double leastBox) {
    return [&measure, lengths, leastBox](double pointSize) {
        return std::make_unique<const CAnswerCellMaker>(measure, lengths, leastBox, pointSize);
    };
}

CCell CAnswerCellMaker::Make(const CExprValue& question, int32_t blank) const {
    const auto operands = question.OperandValues();
    const bool isBlank = blank > 0 && static_cast<size_t>(blank) <= operands.size();
    const bool isResult = !isBlank && question.Form() == QuestionForm::Calculate;
    const auto k = static_cast<size_t>(blank - 1);
    const int32_t unit = isBlank ? question.Units().Operand(k) : question.Units().result;
    if ((isBlank || isResult) && IsFractionUnit(unit)) {
        return MakeFraction(isBlank ? operands[k][1] : question.ResultValue(), unit);
    }
    std::u16string answer;
    if (isBlank) {
        question.AppendOperandText(answer, k);
    } else {
        answer = question.Form() == QuestionForm::Calculate ? question.ResultText()
                                                            : FormAnswerText(question);
    }
    return {m_width,
            m_height,
            {{CCellPiece::Kind::Blank, 0, 0, m_width, m_height, std::move(answer)}},
            {}};
}

// The stacked answer in the middle of a box with room around it for the
// pupil's own numerator, bar and denominator.
CCell CAnswerCellMaker::MakeFraction(int32_t value, int32_t unit) const {
    const CCell answer = m_fractions.MakeAnswer(value, unit);
    // Every box of the sheet is as large, so that none tells its answer's size.
    const double width =
        std::max({m_width, HandwrittenFractionWidth * m_fractions.AnswerRoomWidth(), answer.width});
    const double height = std::max(
        m_height, CCellPiece::BlankHeight(HandwrittenFractionHeight * m_fractions.Height()));
    const double left = (width - answer.width) / 2;
    const double top = (height - answer.height) / 2;
    CCell cell{width, height, {{CCellPiece::Kind::Blank, 0, 0, width, height, {}}}, {}};
    for (CCellPiece piece : answer.pieces) {
        piece.x += left;
        piece.y += top;
        cell.pieces.push_back(std::move(piece));
    }
    cell.numberLevel = top + *answer.numberLevel;
    return cell;
}

} // namespace kelvo
