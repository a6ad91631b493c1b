#include "output/CPaper.h"

namespace kelvo {

namespace {

struct Millimetres {
    double shortSide;
    double longSide;
};

// ISO 216 A4, A5 and B5; US Letter.
Millimetres Dimensions(PaperSize size) {
    switch (size) {
    case PaperSize::A5:
        return {148, 210};
    case PaperSize::B5:
        return {176, 250};
    case PaperSize::Letter:
        return {215.9, 279.4};
    case PaperSize::A4:
        break;
    }
    return {210, 297};
}

} // namespace

double CPaper::Width() const {
    const Millimetres sides = Dimensions(m_size);
    const double side =
        m_orientation == PageOrientation::Portrait ? sides.shortSide : sides.longSide;
    return side * PointsPerMillimetre;
}

double CPaper::Height() const {
    const Millimetres sides = Dimensions(m_size);
    const double side =
        m_orientation == PageOrientation::Portrait ? sides.longSide : sides.shortSide;
    return side * PointsPerMillimetre;
}

} // namespace kelvo
