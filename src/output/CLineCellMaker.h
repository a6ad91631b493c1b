#pragma once

#include "output/CCellMaker.h"
#include "output/CSlotLengths.h"
#include "output/CStackedFractionCells.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class CTextMeasure;

// Cells of questions written on one line, "12＋5=17": the text runs placed one
// after another as measured, a blank as a box as wide as the widest value its
// operand position allows (or its own answer, if wider), the result after "="
// as room of the result's width, a remainder after "……" as room of its own.
// Boxes and rooms are at least leastBox wide, and the cell is as tall as a
// box that high needs (the text centred in it). A question of another form
// than "计算" is its worksheet text with a circle for each "○" and, for an
// estimate, room for the rounded calculation after "≈"; a question with
// fractions is set stacked (CStackedFractionCells).
class CLineCellMaker : public CCellMaker {
public:
    CLineCellMaker(const CTextMeasure& measure, const CSlotLengths& lengths, bool isFill,
                   double leastBox, double pointSize);

    CCell Make(const CExprValue& question, int32_t blank) const override;

    // Line cells of the slot lengths at any size; the measure must outlive it.
    static CellMakerFactory Factory(const CTextMeasure& measure, const CSlotLengths& lengths,
                                    bool isFill, double leastBox);

private:
    CCell MakeFormCell(const CExprValue& question) const;
    double DigitsWidth(int32_t digits) const;
    double SlotWidth(double reserved, const std::u16string& answer) const;
    // Room for one number of the answer, shown where answers are.
    void AppendResult(CCell& cell, double reserved, std::u16string answer) const;
    void AppendRun(CCell& cell, std::u16string& run) const;
    void AppendSlot(CCell& cell, CCellPiece::Kind kind, double width, std::u16string text) const;

    const CTextMeasure& m_measure;
    bool m_isFill;
    double m_pointSize;
    double m_leastBox;
    double m_height;
    // Between a box and the text beside it, and inside the box on either side.
    double m_blankGap;
    std::vector<double> m_blankWidths;
    double m_resultWidth;
    double m_remainderWidth;
    CStackedFractionCells m_fractions;
};

} // namespace kelvo
