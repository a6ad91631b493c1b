#pragma once

#include <string_view>

namespace kelvo {

// How wide text comes out in the font the pages are drawn in. The side that
// draws supplies it, so the page layout measures exactly what is painted.
class CTextMeasure {
public:
    virtual ~CTextMeasure() = default;

    // In points, for the font at pointSize.
    virtual double TextWidth(std::u16string_view text, double pointSize) const = 0;
    // From one line's top to the next's, in points.
    virtual double LineHeight(double pointSize) const = 0;
};

} // namespace kelvo
