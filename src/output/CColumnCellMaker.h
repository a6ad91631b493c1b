#pragma once

#include "output/CCellMaker.h"
#include "output/CColumnExtent.h"
#include "output/CLineCellMaker.h"
#include "output/CSlotLengths.h"

#include <cstdint>
#include <string>

namespace kelvo {

class CExprValue;
class CTextMeasure;

// Cells of two-operand questions written in column form (竖式). Every digit
// stands in a place of its own, units under units, a place a little wider
// than a digit so that a pupil's handwriting fits:
//
//        4 7                [2 1]   the 商
//    ×   2 3             ┌──────
//    ───────          6  │ 1 2 6
//    [partial]              working, two lines
//    [partial]              a digit of the 商
//    ───────
//    [1 0 8 1]
//
// The operator stands left of the lower operand, a rule under it, and the
// room for the answer under the rule; a product whose second factor has more
// than one digit has a line for each partial product and a second rule above
// its own line. A decimal sum or difference gives its point a place of its
// own, points under points; a decimal product lines its factors up by their
// last digits and sets each point between two places, the product's where the
// places of both factors' fractions put it. A division has its divisor left of the bracket, the
// dividend under its top line, the room for the 商 above and the room for a remainder at the foot
// of the working. The answer (the product, the 商, the remainder) comes as Result pieces, or as
// Blank boxes over every place of the room in fill-in form: there the blank is always the answer,
// since a column is worked from its operands. Every cell of a sheet is as large as the sheet's
// largest question needs, and every place at least leastBox wide and its rows tall enough for a box
// that high. Questions of three or four operands stay on one line, as CLineCellMaker writes them.
class CColumnCellMaker : public CCellMaker {
public:
    CColumnCellMaker(const CTextMeasure& measure, const CColumnExtent& extent,
                     const CSlotLengths& lengths, bool isFill, double leastBox, double pointSize);

    // Of the column cells.
    double CellWidth() const { return m_cellWidth; }
    double CellHeight() const { return m_cellHeight; }
    // blank: the operand left blank in fill-in form, for a question on one line.
    CCell Make(const CExprValue& question, int32_t blank) const override;

    // Column cells of the extent at any size; the measure must outlive it.
    static CellMakerFactory Factory(const CTextMeasure& measure, const CColumnExtent& extent,
                                    const CSlotLengths& lengths, bool isFill, double leastBox);

private:
    double RowTop(double rows, int32_t rules) const;
    double PlaceLeft(double right, int32_t place) const;
    void AppendColumn(CCell& cell, const CColumnTexts& texts, int32_t code) const;
    void AppendProduct(CCell& cell, const CProductColumn& product) const;
    double OperatorLeft() const;
    void AppendOperator(CCell& cell, int32_t code) const;
    double AppendRules(CCell& cell, int32_t partialLines) const;
    void AppendDivision(CCell& cell, int32_t dividend, int32_t divisor,
                        const CExprValue& question) const;
    void AppendDigits(CCell& cell, const std::u16string& digits, double right, double top,
                      CCellPiece::Kind kind) const;
    void AppendNumber(CCell& cell, const CColumnDigits& number, double right, double top,
                      CCellPiece::Kind kind) const;
    void AppendPoint(CCell& cell, const CColumnDigits& number, double right, double top,
                     CCellPiece::Kind kind) const;
    void AppendAnswer(CCell& cell, const std::u16string& digits, int32_t places, int32_t shift,
                      double right, double top) const;
    void AppendText(CCell& cell, CCellPiece::Kind kind, double centre, double top,
                    std::u16string text) const;
    void AppendLine(CCell& cell, double left, double right, double y) const;

    const CTextMeasure& m_measure;
    CColumnExtent m_extent;
    bool m_isFill;
    double m_pointSize;
    double m_lineHeight;
    double m_rowHeight;
    double m_ruleGap;
    double m_ruleThickness;
    double m_pitch;
    double m_operatorSlot;
    double m_cellWidth = 0;
    double m_cellHeight = 0;
    CLineCellMaker m_lineCells;
};

} // namespace kelvo
