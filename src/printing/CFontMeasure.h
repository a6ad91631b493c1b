#pragma once

#include "output/CTextMeasure.h"

#include <QFont>
#include <QFontMetricsF>

#include <string>
#include <unordered_map>

namespace kelvo {

// Text measured in a Qt font, the one the pages are painted in. It measures at
// a large pixel size and scales, so that no screen's resolution or hinting
// enters the layout. A sheet's cells repeat the same few texts (numbers,
// signs, blanks) by the thousand, so each text is shaped once.
class CFontMeasure : public CTextMeasure {
public:
    explicit CFontMeasure(const QFont& font);

    double TextWidth(std::u16string_view text, double pointSize) const override;
    double LineHeight(double pointSize) const override;

private:
    static QFont Sized(QFont font);

    // Looks texts up by view, without making a string of each.
    struct CTextHash {
        using is_transparent = void;
        size_t operator()(std::u16string_view text) const {
            return std::hash<std::u16string_view>{}(text);
        }
    };

    QFontMetricsF m_metrics;
    // The width of each text measured so far, at the measured size.
    mutable std::unordered_map<std::u16string, double, CTextHash, std::equal_to<>> m_widths;
};

} // namespace kelvo
