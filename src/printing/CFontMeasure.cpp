#include "printing/CFontMeasure.h"

#include <QString>

namespace kelvo {

namespace {

constexpr int MeasuredPixels = 1000;

} // namespace

CFontMeasure::CFontMeasure(const QFont& font) : m_metrics(Sized(font)) {}

QFont CFontMeasure::Sized(QFont font) {
    font.setPixelSize(MeasuredPixels);
    return font;
}

double CFontMeasure::TextWidth(std::u16string_view text, double pointSize) const {
    auto known = m_widths.find(text);
    if (known == m_widths.end()) {
        const QString string = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
        known = m_widths.emplace(text, m_metrics.horizontalAdvance(string)).first;
    }
    return known->second * pointSize / MeasuredPixels;
}

double CFontMeasure::LineHeight(double pointSize) const {
    return m_metrics.lineSpacing() * pointSize / MeasuredPixels;
}

} // namespace kelvo
