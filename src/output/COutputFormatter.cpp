#include "output/COutputFormatter.h"

#include "foundation/Prefetch.h"
#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "generation/FormQuestionText.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <cstdlib>

namespace kelvo {

namespace {

constexpr int32_t ProgressThreshold = 1000;
constexpr int32_t YieldInterval = 200;
const std::u16string FormattingCaption = u"格式化表达式";
constexpr std::u16string_view LineEnd = u"\r\n";
// A question with a remainder asks for both numbers: "17÷5=(  )……(  )".
constexpr std::u16string_view RemainderBlanks = u"(  )……(  )";

// A decimal question's values count in powers of ten; a whole one's do not.
void AppendNumber(std::u16string& text, int32_t value, int32_t exponent) {
    if (exponent == 0) {
        AppendDecimalText(text, value);
    } else {
        AppendScaledText(text, value, exponent);
    }
}

// The questions are separate objects in shuffled order, so reading them is
// bound by memory latency; fetching ahead hides most of it. The questions
// ahead of the one being formatted whose memory is fetched early.
constexpr int32_t PrefetchDistance = 16;
// The cells whose length sizes the text of all, and the characters a cell is
// allowed beyond their average.
constexpr int32_t SampledCells = 256;
constexpr size_t CellLengthMargin = 4;

} // namespace

void COutputFormatter::RepresentativeExpression(const CExpression& expression) {
    const OperandList& operands = expression.Operands();
    for (size_t k = 0; k < operands.size(); ++k) {
        m_colOperandLengths.Add(
            ScaledTextLength(operands[k]->UpperLimit(), expression.Units().Operand(k)));
    }
    m_resultLength =
        ScaledTextLength(expression.ResultOperand()->UpperLimit(), expression.Units().result);
}

int32_t COutputFormatter::OperandLength(int32_t index) const {
    if (index < 1 || index > m_colOperandLengths.Count()) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    return m_colOperandLengths.Item(index);
}

CStringBuilder COutputFormatter::Format(CInfoReceiver* receiver) {
    CStringBuilder text;
    if (m_exprValues == nullptr || m_exprValues->Count() == 0) {
        return text;
    }
    const int32_t columnCount = m_settings->ColumnCount();
    const int32_t total = CheckedMultiply(m_settings->RowCount(), columnCount);
    // The layout may have changed since the questions were made.
    const int32_t cellCount = std::min(total, m_exprValues->Count());
    if (cellCount > 0) {
        RunBracketed(receiver, cellCount >= ProgressThreshold, FormattingCaption, [&] {
            const Cells cells = FormatExpressions(cellCount);
            const int32_t rowCount = (cellCount + columnCount - 1) / columnCount;
            text.EnsureCapacity(TextLength(cells, rowCount));
            for (int32_t row = 1; row <= rowCount; ++row) {
                AppendTitle(text, row);
                text.Append(LineEnd, m_settings->RowSpacing());
                AppendRow(text, cells, row);
                text.Append(LineEnd);
                if (row % YieldInterval == 0) {
                    YieldToUserInterface();
                }
            }
        });
    }
    m_exprValues = nullptr;
    return text;
}

COutputFormatter::Cells COutputFormatter::FormatExpressions(int32_t count) {
    Cells cells;
    cells.text.reserve(static_cast<size_t>(std::min(count, SampledCells)) * 16);
    cells.ends.reserve(static_cast<size_t>(count));
    for (int32_t i = 1; i <= count; ++i) {
        if (i == SampledCells + 1) {
            // Sized once by the cells so far, with room to spare: growing
            // by doubling would copy the text and touch twice the memory.
            const size_t perCell = cells.text.size() / SampledCells + CellLengthMargin;
            cells.text.reserve(static_cast<size_t>(count) * perCell);
        }
        if (i + PrefetchDistance <= count) {
            // A question spans at most two cache lines; reading it here would
            // wait for the very miss the prefetch is meant to hide.
            const auto* ahead =
                reinterpret_cast<const char*>(m_exprValues->Item(i + PrefetchDistance).get());
            Prefetch(ahead);
            Prefetch(ahead + sizeof(CExprValue) - 1);
        }
        const size_t start = cells.text.size();
        FormatExpression(*m_exprValues->Item(i), Blank(i), cells.text);
        m_iMaxLength = std::max(m_iMaxLength, static_cast<int32_t>(cells.text.size() - start));
        cells.ends.push_back(CheckedNarrow(static_cast<int64_t>(cells.text.size())));
        if (i % YieldInterval == 0) {
            YieldToUserInterface();
        }
    }
    return cells;
}

// -1 outside fill-in form.
int32_t COutputFormatter::Blank(int32_t index) const {
    if (!m_settings->IsFillQuestions()) {
        return -1;
    }
    if (m_blanks == nullptr || index > static_cast<int32_t>(m_blanks->size())) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
    return (*m_blanks)[static_cast<size_t>(index - 1)];
}

void COutputFormatter::FormatExpression(const CExprValue& value, int32_t blank,
                                        std::u16string& cell) const {
    // Fill-in form blanks an operand of a question to calculate only.
    if (value.Form() != QuestionForm::Calculate) {
        AppendFormQuestion(value, m_settings->IsShowAnswer(), cell);
        return;
    }
    const auto& operands = value.OperandValues();
    const int32_t n = static_cast<int32_t>(operands.size());
    for (int32_t k = 1; k <= n; ++k) {
        const auto& [code, operandValue] = operands[static_cast<size_t>(k - 1)];
        if (k > 1) {
            cell += OperatorText(code);
        }
        const auto index = static_cast<size_t>(k - 1);
        if (value.Grouping().Opens(index)) {
            cell += ParenthesisText(Op::LeftParenthesis);
        }
        if (k == blank) {
            AppendBlank(operandValue, k, value.Units().Operand(index), cell);
        } else {
            AppendNumber(cell, operandValue, value.Units().Operand(index));
        }
        if (value.Grouping().Closes(index)) {
            cell += ParenthesisText(Op::RightParenthesis);
        }
    }
    cell += u'=';
    if (m_settings->IsShowAnswer() || blank >= 1) {
        AppendNumber(cell, value.ResultValue(), value.Units().result);
        if (value.HasRemainder()) {
            cell += RemainderMark;
            AppendDecimalText(cell, value.RemainderValue());
        }
    } else if (value.HasRemainder()) {
        cell += RemainderBlanks;
    } else {
        cell.append(static_cast<size_t>(std::max(m_resultLength, 0)), u' ');
    }
}

void COutputFormatter::AppendBlank(int32_t value, int32_t position, int32_t exponent,
                                   std::u16string& cell) const {
    cell += u'(';
    if (m_settings->IsShowAnswer()) {
        AppendNumber(cell, value, exponent);
    } else {
        cell.append(static_cast<size_t>(std::max(OperandLength(position) + 2, 0)), u' ');
    }
    cell += u')';
}

void COutputFormatter::AppendTitle(CStringBuilder& text, int32_t row) const {
    const int32_t perTitle = m_settings->RowCountPerTitle();
    if (perTitle == 0 || (row - 1) % perTitle != 0) {
        return;
    }
    if (row != 1) {
        text.Append(LineEnd, 2);
    }
    text.Append(m_settings->Title());
    text.Append(LineEnd);
}

// Cells are consumed row by row, left to right, each right-aligned to the
// widest cell of the whole worksheet.
void COutputFormatter::AppendRow(CStringBuilder& text, const Cells& cells, int32_t row) const {
    const int32_t columnCount = m_settings->ColumnCount();
    const int32_t first = (row - 1) * columnCount;
    const int32_t last = std::min(first + columnCount, static_cast<int32_t>(cells.ends.size()));
    const std::u16string_view all = cells.text;
    const int32_t spacing = std::max(m_settings->ColumnSpacing(), 0);
    for (int32_t cell = first; cell < last; ++cell) {
        const int32_t start = cell == 0 ? 0 : cells.ends[static_cast<size_t>(cell - 1)];
        const int32_t length = cells.ends[static_cast<size_t>(cell)] - start;
        // The spacing and the cell's alignment are one run of blanks.
        text.AppendAfterBlanks((cell != first ? spacing : 0) + m_iMaxLength - length,
                               all.substr(static_cast<size_t>(start), static_cast<size_t>(length)));
    }
}

// The exact length of the text, so the builder is sized once.
int32_t COutputFormatter::TextLength(const Cells& cells, int32_t rowCount) const {
    const int64_t perTitle = std::abs(static_cast<int64_t>(m_settings->RowCountPerTitle()));
    const int64_t titles = perTitle > 0 ? (rowCount + perTitle - 1) / perTitle : 0;
    const int64_t cellCount = static_cast<int64_t>(cells.ends.size());
    const int64_t titleLines = titles * (static_cast<int64_t>(m_settings->Title().size()) + 2) +
                               std::max<int64_t>(titles - 1, 0) * 4;
    const int64_t rowLines = rowCount * (2 * std::max<int64_t>(m_settings->RowSpacing(), 0) + 2);
    const int64_t cellText =
        cellCount * m_iMaxLength +
        (cellCount - rowCount) * std::max<int64_t>(m_settings->ColumnSpacing(), 0);
    return CheckedNarrow(titleLines + rowLines + cellText);
}

} // namespace kelvo
