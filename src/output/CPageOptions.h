#pragma once

#include "output/CPaper.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace kelvo {

// How a worksheet goes onto paper, beside its layout: the paper, whether an
// answer key follows on pages of its own, whether the questions are numbered,
// how many copies (each with questions of its own) are made, whether
// questions are written in column form, and whether they are printed large
// for the first school years, which fields the header of every sheet page
// has a line to write on for, and whether every page carries the QR code its
// sheet is made again from.
class CPageOptions {
public:
    // The header's fields, in the order they stand on the page.
    static constexpr std::array<std::u16string_view, 6> HeaderFieldNames{
        u"班级", u"姓名", u"日期", u"用时", u"得分", u"家长签字"};

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

    // "二维码": a QR code beside the page's code.
    bool IsQrCode() const { return m_isQrCode; }
    void SetIsQrCode(bool value) { m_isQrCode = value; }

    // field: an index into HeaderFieldNames.
    bool HasHeaderField(size_t field) const { return m_headerFields.at(field); }
    void SetHasHeaderField(size_t field, bool value) { m_headerFields.at(field) = value; }
    int32_t HeaderFieldCount() const;
    bool HasHeader() const { return HeaderFieldCount() > 0; }
    // No header: the pages open with the title line alone.
    void ClearHeaderFields() { m_headerFields.fill(false); }

    bool operator==(const CPageOptions&) const = default;

private:
    CPaper m_paper;
    bool m_isAnswerKey = true;
    bool m_isNumbered = true;
    int32_t m_copies = 1;
    bool m_isColumnForm = false;
    bool m_isLargePrint = false;
    bool m_isQrCode = true;
    // 姓名, 日期, 用时 and 得分.
    std::array<bool, HeaderFieldNames.size()> m_headerFields{false, true, true, true, true, false};
};

inline int32_t CPageOptions::HeaderFieldCount() const {
    return static_cast<int32_t>(std::count(m_headerFields.begin(), m_headerFields.end(), true));
}

} // namespace kelvo
