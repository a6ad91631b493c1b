#pragma once

#include "printing/CFontMeasure.h"
#include "worksheet/CSheetPrint.h"

#include <QFont>

#include <vector>

namespace kelvo {

// The copies of a sheet on their way to paper in the output font: the font
// the pages are measured and painted in, and the core's print of them.
class CPrintJob {
public:
    CPrintJob(std::vector<CSheet> copies, const COutputSettings& layout, const QFont& font,
              PrintedPages printed);

    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    CSheetPrint& Print() { return m_print; }
    const std::vector<CSheet>& Copies() const { return m_print.Copies(); }
    const QFont& Font() const { return m_font; }

private:
    QFont m_font;
    CFontMeasure m_measure;
    CSheetPrint m_print;
};

} // namespace kelvo
