#include "output/CStackedFractionCells.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "generation/FormQuestionText.h"
#include "number/OperatorCodes.h"
#include "output/CTextMeasure.h"

#include <algorithm>

namespace kelvo {

namespace {

// Between a numerator or denominator and the bar, and the bar's overhang on
// either side; in parts of the point size.
constexpr double GapPerPoint = 0.12;
constexpr double BarThicknessPerPoint = 0.06;
// Between a comparison's circle and the numbers beside it, in gaps.
constexpr double CircleSpaceInGaps = 3;
// The answer's room holds a fraction of this many digits over as many.
constexpr int32_t AnswerRoomDigits = 3;

} // namespace

CStackedFractionCells::CStackedFractionCells(const CTextMeasure& measure, double pointSize,
                                             double leastBox)
    : m_measure(measure), m_pointSize(pointSize), m_leastBox(leastBox),
      m_lineHeight(measure.LineHeight(pointSize)), m_gap(GapPerPoint * pointSize),
      m_barThickness(BarThicknessPerPoint * pointSize), m_barLevel(m_lineHeight + m_gap),
      m_height(2 * m_barLevel) {}

bool CStackedFractionCells::HasFractions(const CExprValue& question) {
    return question.Units().HasFraction();
}

CCell CStackedFractionCells::Make(const CExprValue& question, int32_t blank, bool isFill) const {
    if (question.Form() == QuestionForm::CompareNumbers) {
        return MakeComparison(question);
    }
    CCell cell = EmptyCell();
    const auto operands = question.OperandValues();
    for (size_t k = 0; k < operands.size(); ++k) {
        if (k > 0) {
            AppendLevelText(cell, std::u16string(OperatorText(operands[k][0])), false);
        }
        if (isFill && static_cast<int32_t>(k + 1) == blank) {
            AppendBlank(cell, question, k);
        } else {
            AppendValue(cell, operands[k][1], question.Units().Operand(k), false);
        }
    }
    // "=" stands apart from the bars on either side.
    cell.width += m_gap;
    AppendLevelText(cell, u"=", false);
    cell.width += m_gap;
    const double roomStart = cell.width;
    AppendValue(cell, question.ResultValue(), question.Units().result, !isFill);
    if (!isFill) {
        cell.width = std::max(cell.width, roomStart + AnswerRoomWidth());
    }
    return cell;
}

// "3/4 ○ 2/3": the circle as large as a box between the numbers, its sign
// shown where answers are.
CCell CStackedFractionCells::MakeComparison(const CExprValue& question) const {
    CCell cell = EmptyCell();
    const auto operands = question.OperandValues();
    AppendValue(cell, operands[0][1], question.Units().Operand(0), false);
    // Clear of the bars on either side, so that the sign reads on its own.
    const double space = CircleSpaceInGaps * m_gap;
    cell.width += space;
    const double circle = m_lineHeight * (1 - 2 * CCellPiece::BoxInset);
    cell.pieces.push_back({CCellPiece::Kind::Circle, cell.width, m_barLevel - m_lineHeight / 2,
                           circle, m_lineHeight, FormAnswerText(question)});
    cell.width += circle + space;
    AppendValue(cell, operands[1][1], question.Units().Operand(1), false);
    return cell;
}

double CStackedFractionCells::AnswerRoomWidth() const {
    return std::max(m_leastBox, Width(std::u16string(AnswerRoomDigits, u'0')) + 2 * m_gap);
}

CCell CStackedFractionCells::MakeAnswer(int32_t value, int32_t unit) const {
    CCell cell = EmptyCell();
    AppendValue(cell, value, unit, true);
    return cell;
}

CCell CStackedFractionCells::EmptyCell() const {
    CCell cell;
    cell.height = m_height;
    cell.numberLevel = m_barLevel;
    return cell;
}

void CStackedFractionCells::AppendValue(CCell& cell, int32_t value, int32_t unit,
                                        bool isAnswer) const {
    if (!IsFractionUnit(unit)) {
        std::u16string text;
        AppendScaledText(text, value, unit);
        AppendLevelText(cell, text, isAnswer);
        return;
    }
    const int32_t denominator = UnitDenominator(unit);
    if (unit > MixedFractionUnitBase && value > denominator) {
        AppendLevelText(cell, DecimalText(value / denominator), isAnswer);
        value %= denominator;
    }
    AppendStacked(cell, value, denominator, isAnswer);
}

void CStackedFractionCells::AppendLevelText(CCell& cell, const std::u16string& text,
                                            bool isAnswer) const {
    const double width = Width(text);
    const CCellPiece::Kind kind = isAnswer ? CCellPiece::Kind::Result : CCellPiece::Kind::Text;
    cell.pieces.push_back(
        {kind, cell.width, m_barLevel - m_lineHeight / 2, width, m_lineHeight, text});
    cell.width += width;
}

void CStackedFractionCells::AppendStacked(CCell& cell, int32_t numerator, int32_t denominator,
                                          bool isAnswer) const {
    const std::u16string top = DecimalText(numerator);
    const std::u16string bottom = DecimalText(denominator);
    const double bar = std::max(Width(top), Width(bottom)) + 2 * m_gap;
    const CCellPiece::Kind kind = isAnswer ? CCellPiece::Kind::Result : CCellPiece::Kind::Text;
    const CCellPiece::Kind rule = isAnswer ? CCellPiece::Kind::ResultRule : CCellPiece::Kind::Rule;
    cell.pieces.push_back(
        {kind, cell.width + (bar - Width(top)) / 2, 0, Width(top), m_lineHeight, top});
    cell.pieces.push_back(
        {rule, cell.width, m_barLevel - m_barThickness / 2, bar, m_barThickness, {}});
    cell.pieces.push_back({kind, cell.width + (bar - Width(bottom)) / 2, m_barLevel + m_gap,
                           Width(bottom), m_lineHeight, bottom});
    cell.width += bar;
}

// The box spans the cell's height, the answer written on one line inside it.
void CStackedFractionCells::AppendBlank(CCell& cell, const CExprValue& question, size_t k) const {
    std::u16string answer;
    question.AppendOperandText(answer, k);
    const double width = std::max(m_leastBox, Width(answer) + 2 * m_gap);
    cell.width += m_gap;
    cell.pieces.push_back({CCellPiece::Kind::Blank, cell.width, 0, width, m_height, answer});
    cell.width += width + m_gap;
}

double CStackedFractionCells::Width(const std::u16string& text) const {
    return m_measure.TextWidth(text, m_pointSize);
}

} // namespace kelvo
