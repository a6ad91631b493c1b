#pragma once

#include "output/CCellMaker.h"
#include "output/CSlotLengths.h"
#include "output/CStackedFractionCells.h"

namespace kelvo {

class CTextMeasure;

// Cells of a 听算 answer sheet: no question, only a box for the answer the
// pupil heard the question of, roomy enough to write in by hand. The box
// carries the answer (the blank operand in fill-in form, else the result)
// for the answer key. Its box is at least leastBox wide and high; a
// fraction's box holds the fraction stacked, and so does the key.
class CAnswerCellMaker : public CCellMaker {
public:
    CAnswerCellMaker(const CTextMeasure& measure, const CSlotLengths& lengths, double leastBox,
                     double pointSize);

    CCell Make(const CExprValue& question, int32_t blank) const override;

    // Answer cells at any size; the measure must outlive it.
    static CellMakerFactory Factory(const CTextMeasure& measure, const CSlotLengths& lengths,
                                    double leastBox);

private:
    CCell MakeFraction(int32_t value, int32_t unit) const;

    double m_width;
    double m_height;
    CStackedFractionCells m_fractions;
};

} // namespace kelvo
