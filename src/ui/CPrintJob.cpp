#include "ui/CPrintJob.h"

#include <QFontInfo>

namespace kelvo {

namespace {

double PointSize(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

CPrintJob::CPrintJob(std::vector<CSheet> copies, const COutputSettings& layout, const QFont& font,
                     PrintedPages printed)
    : m_font(font), m_measure(font),
      m_print(std::move(copies), layout, printed, m_measure, PointSize(font)) {}

} // namespace kelvo
