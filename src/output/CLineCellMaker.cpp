#include "output/CLineCellMaker.h"

#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "generation/FormQuestionText.h"
#include "number/OperatorCodes.h"
#include "output/CTextMeasure.h"

#include <algorithm>

namespace kelvo {

namespace {

constexpr double BlankGapPerPoint = 0.25;

} // namespace

CLineCellMaker::CLineCellMaker(const CTextMeasure& measure, const CSlotLengths& lengths,
                               bool isFill, double leastBox, double pointSize)
    : m_measure(measure), m_isFill(isFill), m_pointSize(pointSize), m_leastBox(leastBox),
      m_height(std::max(measure.LineHeight(pointSize), CCellPiece::BlankHeight(leastBox))),
      m_blankGap(BlankGapPerPoint * pointSize), m_resultWidth(DigitsWidth(lengths.result)),
      m_remainderWidth(DigitsWidth(lengths.remainder)), m_fractions(measure, pointSize, leastBox) {
    for (int32_t digits : lengths.operands) {
        m_blankWidths.push_back(DigitsWidth(digits));
    }
}

CellMakerFactory CLineCellMaker::Factory(const CTextMeasure& measure, const CSlotLengths& lengths,
                                         bool isFill, double leastBox) {
    return [&measure, lengths, isFill, leastBox](double pointSize) {
        return std::make_unique<const CLineCellMaker>(measure, lengths, isFill, leastBox,
                                                      pointSize);
    };
}

CCell CLineCellMaker::Make(const CExprValue& question, int32_t blank) const {
    if (CStackedFractionCells::HasFractions(question)) {
        return m_fractions.Make(question, blank, m_isFill);
    }
    if (question.Form() != QuestionForm::Calculate) {
        return MakeFormCell(question);
    }
    CCell cell;
    cell.height = m_height;
    std::u16string run;
    const auto operands = question.OperandValues();
    for (size_t k = 0; k < operands.size(); ++k) {
        const int32_t code = operands[k][0];
        if (k > 0) {
            run += OperatorText(code);
        }
        if (question.Grouping().Opens(k)) {
            run += ParenthesisText(Op::LeftParenthesis);
        }
        if (m_isFill && static_cast<int32_t>(k + 1) == blank) {
            AppendRun(cell, run);
            const double reserved = k < m_blankWidths.size() ? m_blankWidths[k] : 0;
            std::u16string answer;
            question.AppendOperandText(answer, k);
            cell.width += m_blankGap;
            const double width = std::max(SlotWidth(reserved, answer) + 2 * m_blankGap, m_leastBox);
            AppendSlot(cell, CCellPiece::Kind::Blank, width, std::move(answer));
            cell.width += m_blankGap;
        } else {
            question.AppendOperandText(run, k);
        }
        if (question.Grouping().Closes(k)) {
            run += ParenthesisText(Op::RightParenthesis);
        }
    }
    run += u'=';
    if (m_isFill) {
        run += question.ResultText();
        AppendRun(cell, run);
        return cell;
    }
    AppendRun(cell, run);
    std::u16string result;
    AppendScaledText(result, question.ResultValue(), question.Units().result);
    AppendResult(cell, m_resultWidth, std::move(result));
    if (question.HasRemainder()) {
        run += RemainderMark;
        AppendRun(cell, run);
        AppendResult(cell, m_remainderWidth, DecimalText(question.RemainderValue()));
    }
    return cell;
}

// The text with its answers has the sign in place of each circle, and an
// estimate's rounded calculation after the text without them.
CCell CLineCellMaker::MakeFormCell(const CExprValue& question) const {
    std::u16string asked;
    std::u16string answered;
    AppendFormQuestion(question, false, asked);
    AppendFormQuestion(question, true, answered);
    CCell cell;
    cell.height = m_height;
    const double circle = m_height * (1 - 2 * CCellPiece::BoxInset);
    std::u16string run;
    for (size_t k = 0; k < asked.size(); ++k) {
        if (asked.substr(k, FormCircle.size()) != FormCircle) {
            run += asked[k];
            continue;
        }
        AppendRun(cell, run);
        cell.width += m_blankGap;
        AppendSlot(cell, CCellPiece::Kind::Circle, circle, answered.substr(k, FormCircle.size()));
        cell.width += m_blankGap;
        k += FormCircle.size() - 1;
    }
    AppendRun(cell, run);
    if (answered.size() > asked.size()) {
        std::u16string estimate = answered.substr(asked.size());
        const double width = SlotWidth(m_leastBox, estimate);
        AppendSlot(cell, CCellPiece::Kind::Result, width, std::move(estimate));
    }
    return cell;
}

// Digits are as wide as each other in nearly every font; zeros stand for any.
double CLineCellMaker::DigitsWidth(int32_t digits) const {
    return m_measure.TextWidth(std::u16string(static_cast<size_t>(std::max(digits, 0)), u'0'),
                               m_pointSize);
}

double CLineCellMaker::SlotWidth(double reserved, const std::u16string& answer) const {
    return std::max(reserved, m_measure.TextWidth(answer, m_pointSize));
}

void CLineCellMaker::AppendResult(CCell& cell, double reserved, std::u16string answer) const {
    const double width = std::max(SlotWidth(reserved, answer), m_leastBox);
    AppendSlot(cell, CCellPiece::Kind::Result, width, std::move(answer));
}

void CLineCellMaker::AppendRun(CCell& cell, std::u16string& run) const {
    if (run.empty()) {
        return;
    }
    const double width = m_measure.TextWidth(run, m_pointSize);
    cell.pieces.push_back({CCellPiece::Kind::Text, cell.width, 0, width, m_height, run});
    cell.width += width;
    run.clear();
}

void CLineCellMaker::AppendSlot(CCell& cell, CCellPiece::Kind kind, double width,
                                std::u16string text) const {
    cell.pieces.push_back({kind, cell.width, 0, width, m_height, std::move(text)});
    cell.width += width;
}

} // namespace kelvo
