#pragma once

#include "output/CTextMeasure.h"

#include <QFont>
#include <QFontMetricsF>

namespace kelvo {

// Text measured in a Qt font, the one the pages are painted in. It measures at
// a large pixel size and scales, so that no screen's resolution or hinting
// enters the layout.
class CFontMeasure : public CTextMeasure {
public:
    explicit CFontMeasure(const QFont& font);

    double TextWidth(std::u16string_view text, double pointSize) const override;
    double LineHeight(double pointSize) const override;

private:
    static QFont Sized(QFont font);

    QFontMetricsF m_metrics;
};

} // namespace kelvo
