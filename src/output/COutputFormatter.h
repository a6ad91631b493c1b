#pragma once

#include "foundation/CStringBuilder.h"
#include "foundation/CTypedArray.h"
#include "generation/CExpression.h"
#include "output/BlankPositions.h"
#include "output/COutputSettings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;

// Lays generated questions out as the worksheet text: CR LF lines, rows of
// cells padded on the left to the widest cell, a title every so many rows,
// optionally with one operand blanked per question (the one drawn for it with
// the questions) and optionally with the answers. One formatter serves one display: its widths only
// ever grow.
class COutputFormatter {
public:
    const std::shared_ptr<const COutputSettings>& Settings() const { return m_settings; }
    void SetSettings(std::shared_ptr<const COutputSettings> settings) {
        m_settings = std::move(settings);
    }
    // The questions in display order; released by the next Format that finds
    // any. The list must outlive that call.
    const QuestionList* ExprValues() const { return m_exprValues; }
    void SetExprValues(const QuestionList* values) { m_exprValues = values; }
    // The blanked operand of every question, needed in fill-in form; the
    // positions must outlive the next Format.
    void SetBlanks(const BlankPositions* blanks) { m_blanks = blanks; }

    // Takes the widths of the blanks and of the hidden result from the upper
    // limits of the expression's operands and of its result operand.
    void RepresentativeExpression(const CExpression& expression);
    int32_t ResultLength() const { return m_resultLength; }
    void SetResultLength(int32_t value) { m_resultLength = value; }
    // The width of operand `index` (1-based).
    int32_t OperandLength(int32_t index) const;

    // The worksheet text; empty without questions. When the layout has more
    // cells than there are questions, the text stops after the last question.
    CStringBuilder Format(CInfoReceiver* receiver);

private:
    // Every cell's text, unpadded, one after another.
    struct Cells {
        std::u16string text;
        std::vector<int32_t> ends;
    };

    Cells FormatExpressions(int32_t count);
    void FormatExpression(const CExprValue& value, int32_t blank, std::u16string& cell) const;
    int32_t Blank(int32_t index) const;
    void AppendBlank(int32_t value, int32_t position, int32_t exponent, std::u16string& cell) const;
    void AppendTitle(CStringBuilder& text, int32_t row) const;
    void AppendRow(CStringBuilder& text, const Cells& cells, int32_t row) const;
    int32_t TextLength(const Cells& cells, int32_t rowCount) const;

    std::shared_ptr<const COutputSettings> m_settings;
    const QuestionList* m_exprValues = nullptr;
    const BlankPositions* m_blanks = nullptr;
    CLongArray m_colOperandLengths;
    int32_t m_resultLength = 0;
    int32_t m_iMaxLength = 0;
};

} // namespace kelvo
