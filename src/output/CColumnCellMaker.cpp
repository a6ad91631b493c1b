#include "output/CColumnCellMaker.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "output/CTextMeasure.h"

#include <algorithm>

namespace kelvo {

namespace {

// A place is half as wide again as a digit, a row a fifth taller than a line.
constexpr double PitchPerDigit = 1.5;
constexpr double RowPerLine = 1.2;
// The room a rule takes between two rows, and its thickness.
constexpr double RuleGapPerRow = 0.4;
constexpr double RuleThicknessPerPoint = 0.05;
// A long division works each digit of the 商 in two lines: the product taken
// away, and what is left with the next digit brought down.
constexpr int32_t WorkingLinesPerDigit = 2;

} // namespace

CColumnCellMaker::CColumnCellMaker(const CTextMeasure& measure, const CColumnExtent& extent,
                                   const CSlotLengths& lengths, bool isFill, double leastBox,
                                   double pointSize)
    : m_measure(measure), m_extent(extent), m_isFill(isFill), m_pointSize(pointSize),
      m_lineHeight(measure.LineHeight(pointSize)),
      m_rowHeight(std::max(RowPerLine * m_lineHeight, CCellPiece::BlankHeight(leastBox))),
      m_ruleGap(RuleGapPerRow * m_rowHeight), m_ruleThickness(RuleThicknessPerPoint * pointSize),
      m_pitch(std::max(PitchPerDigit * measure.TextWidth(u"0", pointSize), leastBox)),
      m_lineCells(measure, lengths, isFill, leastBox, pointSize) {
    double operatorWidth = 0;
    for (int32_t code : {Op::Plus, Op::Minus, Op::Times}) {
        operatorWidth = std::max(operatorWidth, measure.TextWidth(OperatorText(code), pointSize));
    }
    m_operatorSlot = operatorWidth + m_pitch / 2;
    if (extent.places > 0) {
        m_cellWidth = m_operatorSlot + extent.places * m_pitch;
        m_cellHeight = extent.partialLines > 0 ? RowTop(3 + extent.partialLines, 2) : RowTop(3, 1);
    }
    if (extent.dividendPlaces > 0) {
        const int32_t places = extent.divisorPlaces + 1 + extent.dividendPlaces;
        m_cellWidth = std::max(m_cellWidth, places * m_pitch);
        m_cellHeight =
            std::max(m_cellHeight, RowTop(2 + WorkingLinesPerDigit * extent.quotientPlaces, 1));
    }
}

CellMakerFactory CColumnCellMaker::Factory(const CTextMeasure& measure, const CColumnExtent& extent,
                                           const CSlotLengths& lengths, bool isFill,
                                           double leastBox) {
    return [&measure, extent, lengths, isFill, leastBox](double pointSize) {
        return std::make_unique<const CColumnCellMaker>(measure, extent, lengths, isFill, leastBox,
                                                        pointSize);
    };
}

CCell CColumnCellMaker::Make(const CExprValue& question, int32_t blank) const {
    if (!CColumnExtent::IsColumnQuestion(question)) {
        return m_lineCells.Make(question, blank);
    }
    CCell cell;
    cell.width = m_cellWidth;
    cell.height = m_cellHeight;
    const auto operands = question.OperandValues();
    const int32_t code = operands[1][0];
    if (code == Op::Divide) {
        AppendDivision(cell, operands[0][1], operands[1][1], question);
    } else if (code == Op::Times) {
        AppendProduct(cell, CProductColumn::Of(question));
    } else {
        AppendColumn(cell, CColumnTexts::Of(question), code);
    }
    return cell;
}

// The top of a row below so many rows and rules.
double CColumnCellMaker::RowTop(double rows, int32_t rules) const {
    return rows * m_rowHeight + rules * m_ruleGap;
}

// Places count from 0 for the units, leftwards from the right edge.
double CColumnCellMaker::PlaceLeft(double right, int32_t place) const {
    return right - (place + 1) * m_pitch;
}

void CColumnCellMaker::AppendColumn(CCell& cell, const CColumnTexts& texts, int32_t code) const {
    const double right = m_cellWidth;
    const auto rightOf = [&](const std::u16string& text) {
        return right - texts.ShiftOf(text) * m_pitch;
    };
    AppendDigits(cell, texts.upper, rightOf(texts.upper), RowTop(0, 0), CCellPiece::Kind::Text);
    AppendOperator(cell, code);
    AppendDigits(cell, texts.lower, rightOf(texts.lower), RowTop(1, 0), CCellPiece::Kind::Text);
    const double answerTop = AppendRules(cell, 0);
    AppendAnswer(cell, texts.result, m_extent.places - texts.ShiftOf(texts.result), 0,
                 rightOf(texts.result), answerTop);
}

void CColumnCellMaker::AppendProduct(CCell& cell, const CProductColumn& product) const {
    const double right = m_cellWidth;
    AppendNumber(cell, product.upper, right, RowTop(0, 0), CCellPiece::Kind::Text);
    AppendOperator(cell, Op::Times);
    AppendNumber(cell, product.lower, right, RowTop(1, 0), CCellPiece::Kind::Text);
    const double answerTop = AppendRules(cell, product.PartialLines());
    // In fill-in form the boxes run to the right edge, so that the empty
    // places do not give the point away; the point is the pupil's to set.
    AppendAnswer(cell, product.result.digits, m_extent.places, product.result.shift, right,
                 answerTop);
    AppendPoint(cell, product.result, right, answerTop, CCellPiece::Kind::Result);
}

double CColumnCellMaker::OperatorLeft() const {
    return m_cellWidth - m_extent.places * m_pitch - m_operatorSlot;
}

// The operator at the left of the second row.
void CColumnCellMaker::AppendOperator(CCell& cell, int32_t code) const {
    const std::u16string_view operatorText = OperatorText(code);
    const double operatorWidth = m_measure.TextWidth(operatorText, m_pointSize);
    AppendText(cell, CCellPiece::Kind::Text, OperatorLeft() + operatorWidth / 2, RowTop(1, 0),
               std::u16string(operatorText));
}

// The rule under the second row and, below the partial products' lines, a
// second rule; returns the top of the answer's row.
double CColumnCellMaker::AppendRules(CCell& cell, int32_t partialLines) const {
    const double left = OperatorLeft();
    AppendLine(cell, left, m_cellWidth, RowTop(2, 0) + m_ruleGap / 2);
    if (partialLines == 0) {
        return RowTop(2, 1);
    }
    AppendLine(cell, left, m_cellWidth, RowTop(2 + partialLines, 1) + m_ruleGap / 2);
    return RowTop(2 + partialLines, 2);
}

void CColumnCellMaker::AppendDivision(CCell& cell, int32_t dividend, int32_t divisor,
                                      const CExprValue& question) const {
    const double right = m_cellWidth;
    const double dividendLeft = right - m_extent.dividendPlaces * m_pitch;
    const double bracket = dividendLeft - m_pitch / 2;
    const double topLine = RowTop(1, 0) + m_ruleGap / 2;
    AppendAnswer(cell, DecimalText(question.ResultValue()), m_extent.dividendPlaces, 0, right,
                 RowTop(0, 0));
    AppendLine(cell, bracket - m_ruleThickness / 2, right, topLine);
    cell.pieces.push_back({CCellPiece::Kind::Rule,
                           bracket - m_ruleThickness / 2,
                           topLine,
                           m_ruleThickness,
                           RowTop(2, 1) - topLine,
                           {}});
    AppendDigits(cell, DecimalText(divisor), dividendLeft - m_pitch, RowTop(1, 1),
                 CCellPiece::Kind::Text);
    AppendDigits(cell, DecimalText(dividend), right, RowTop(1, 1), CCellPiece::Kind::Text);
    if (question.HasRemainder()) {
        // What is left after the last digit of the 商: the working's last line.
        const double footTop = RowTop(1 + WorkingLinesPerDigit * m_extent.quotientPlaces, 1);
        AppendAnswer(cell, DecimalText(question.RemainderValue()), m_extent.divisorPlaces, 0, right,
                     footTop);
    }
}

// One piece a digit, the last one in the place that ends at right.
void CColumnCellMaker::AppendDigits(CCell& cell, const std::u16string& digits, double right,
                                    double top, CCellPiece::Kind kind) const {
    const auto count = static_cast<int32_t>(digits.size());
    for (int32_t i = 0; i < count; ++i) {
        const double centre = PlaceLeft(right, count - 1 - i) + m_pitch / 2;
        AppendText(cell, kind, centre, top, std::u16string(1, digits[static_cast<size_t>(i)]));
    }
}

// A number of a product with its last digit shift places short of right.
void CColumnCellMaker::AppendNumber(CCell& cell, const CColumnDigits& number, double right,
                                    double top, CCellPiece::Kind kind) const {
    AppendDigits(cell, number.digits, right - number.shift * m_pitch, top, kind);
    AppendPoint(cell, number, right, top, kind);
}

// The point of a product's number on the line between the places of its units
// and its tenths.
void CColumnCellMaker::AppendPoint(CCell& cell, const CColumnDigits& number, double right,
                                   double top, CCellPiece::Kind kind) const {
    if (number.fractionDigits > 0) {
        AppendText(cell, kind, right - (number.shift + number.fractionDigits) * m_pitch, top, u".");
    }
}

// The answer with its last digit shift places short of right. In fill-in form
// a box over every place of the room, each holding its digit of the answer (or
// nothing), so that the boxes do not tell how long the answer is.
void CColumnCellMaker::AppendAnswer(CCell& cell, const std::u16string& digits, int32_t places,
                                    int32_t shift, double right, double top) const {
    if (!m_isFill) {
        AppendDigits(cell, digits, right - shift * m_pitch, top, CCellPiece::Kind::Result);
        return;
    }
    const auto count = static_cast<int32_t>(digits.size());
    for (int32_t place = std::max(places, count + shift) - 1; place >= 0; --place) {
        std::u16string text;
        if (place >= shift && place < shift + count) {
            text = digits[static_cast<size_t>(count - 1 - (place - shift))];
        }
        cell.pieces.push_back({CCellPiece::Kind::Blank, PlaceLeft(right, place), top, m_pitch,
                               m_rowHeight, std::move(text)});
    }
}

// Text centred on a place, as wide as measured, in the middle of its row.
void CColumnCellMaker::AppendText(CCell& cell, CCellPiece::Kind kind, double centre, double top,
                                  std::u16string text) const {
    const double width = m_measure.TextWidth(text, m_pointSize);
    cell.pieces.push_back({kind, centre - width / 2, top + (m_rowHeight - m_lineHeight) / 2, width,
                           m_lineHeight, std::move(text)});
}

// A rule across, centred on y.
void CColumnCellMaker::AppendLine(CCell& cell, double left, double right, double y) const {
    cell.pieces.push_back(
        {CCellPiece::Kind::Rule, left, y - m_ruleThickness / 2, right - left, m_ruleThickness, {}});
}

} // namespace kelvo
