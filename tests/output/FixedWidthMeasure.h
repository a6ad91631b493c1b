#pragma once

#include "output/CTextMeasure.h"

namespace kelvo {

// Latin text half an em wide a character, everything else a whole em.
class CFixedWidthMeasure : public CTextMeasure {
public:
    double TextWidth(std::u16string_view text, double pointSize) const override {
        double ems = 0;
        for (char16_t unit : text) {
            ems += unit < 0x80 ? 0.5 : 1.0;
        }
        return ems * pointSize;
    }
    double LineHeight(double pointSize) const override { return 1.25 * pointSize; }
};

} // namespace kelvo
