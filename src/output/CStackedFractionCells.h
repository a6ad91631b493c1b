#pragma once

#include "output/CCell.h"

#include <cstdint>
#include <string>

namespace kelvo {

class CExprValue;
class CTextMeasure;

// Cells of a question with fractions, set as the textbook sets them: each
// fraction's numerator centred over a bar over its denominator, the whole
// numbers, operators and "=" level with the bars, a mixed number's whole part
// before its fraction. The answer's room holds a stacked fraction, its
// numerator, bar and denominator shown where answers are; in fill-in form
// the blanked operand is a box as tall as the cell. A comparison of two
// numbers has a circle between them.
class CStackedFractionCells {
public:
    CStackedFractionCells(const CTextMeasure& measure, double pointSize, double leastBox);

    // True for a question with a fraction among its values.
    static bool HasFractions(const CExprValue& question);

    CCell Make(const CExprValue& question, int32_t blank, bool isFill) const;
    // A value alone, as the key writes an answer: shown where answers are.
    CCell MakeAnswer(int32_t value, int32_t unit) const;

    // From the cell's top to the middle of its bars.
    double BarLevel() const { return m_barLevel; }
    // The room an answer takes, whatever the answer: a fraction of three
    // digits over three, at least a box wide; as high as every cell.
    double AnswerRoomWidth() const;
    double Height() const { return m_height; }

private:
    CCell MakeComparison(const CExprValue& question) const;
    CCell EmptyCell() const;
    // A value written in the unit at the cell's right end; answers as a
    // result's pieces.
    void AppendValue(CCell& cell, int32_t value, int32_t unit, bool isAnswer) const;
    void AppendLevelText(CCell& cell, const std::u16string& text, bool isAnswer) const;
    void AppendStacked(CCell& cell, int32_t numerator, int32_t denominator, bool isAnswer) const;
    void AppendBlank(CCell& cell, const CExprValue& question, size_t k) const;
    double Width(const std::u16string& text) const;

    const CTextMeasure& m_measure;
    double m_pointSize;
    double m_leastBox;
    double m_lineHeight;
    double m_gap;
    double m_barThickness;
    double m_barLevel;
    double m_height;
};

} // namespace kelvo
