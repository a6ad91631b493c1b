#pragma once

#include "output/CPaper.h"

#include <cstdint>

namespace kelvo {

// How a worksheet goes onto paper, beside its layout: the paper, whether an
// answer key follows on pages of its own, whether the questions are numbered,
// how many copies (each with questions of its own) are made, whether
// questions are written in column form, and whether they are printed large
// for the first school years.
class CPageOptions {
public:
    static constexpr int32_t MinCopies = 1, MaxCopies = 50;
    // Large print sets the questions at this size or larger, and every box a
    // pupil writes in at least this wide and high.
    static constexpr double LargePrintPointSize = 16;
    static constexpr double LargePrintBoxMillimetres = 8;

    const CPaper& Paper() const { return m_paper; }
    CPaper& Paper() { return m_paper; }
    void SetPaper(const CPaper& value) { m_paper = value; }
    bool IsAnswerKey() const { return m_isAnswerKey; }
    void SetIsAnswerKey(bool value) { m_isAnswerKey = value; }
    bool IsNumbered() const { return m_isNumbered; }
    void SetIsNumbered(bool value) { m_isNumbered = value; }
    int32_t Copies() const { return m_copies; }
    void SetCopies(int32_t value) { m_copies = value; }
    // "竖式": two-operand questions in column form.
    bool IsColumnForm() const { return m_isColumnForm; }
    void SetIsColumnForm(bool value) { m_isColumnForm = value; }
    // "大字（一二年级）".
    bool IsLargePrint() const { return m_isLargePrint; }
    void SetIsLargePrint(bool value) { m_isLargePrint = value; }
    // The least side of a box a pupil writes in, in points; 0 leaves the
    // boxes as large as the font makes them.
    double LeastBoxSide() const {
        return m_isLargePrint ? LargePrintBoxMillimetres * CPaper::PointsPerMillimetre : 0;
    }

    bool operator==(const CPageOptions&) const = default;

private:
    CPaper m_paper;
    bool m_isAnswerKey = true;
    bool m_isNumbered = true;
    int32_t m_copies = 1;
    bool m_isColumnForm = false;
    bool m_isLargePrint = false;
};

} // namespace kelvo
