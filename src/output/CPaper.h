#pragma once

#include <cstdint>

namespace kelvo {

enum class PaperSize : int32_t { A4, A5, B5, Letter };
enum class PageOrientation : int32_t { Portrait, Landscape };

// A sheet of paper as the pages are laid out on it: its size, which way up,
// and one margin on every side. Lengths come out in points (1/72 inch).
class CPaper {
public:
    static constexpr double PointsPerMillimetre = 72.0 / 25.4;
    static constexpr double DefaultMarginMillimetres = 15;
    static constexpr double MinMarginMillimetres = 5;
    static constexpr double MaxMarginMillimetres = 40;

    PaperSize Size() const { return m_size; }
    void SetSize(PaperSize value) { m_size = value; }
    PageOrientation Orientation() const { return m_orientation; }
    void SetOrientation(PageOrientation value) { m_orientation = value; }
    double MarginMillimetres() const { return m_marginMillimetres; }
    void SetMarginMillimetres(double value) { m_marginMillimetres = value; }

    // Turned as the orientation says.
    double Width() const;
    double Height() const;
    double Margin() const { return m_marginMillimetres * PointsPerMillimetre; }
    double PrintableWidth() const { return Width() - 2 * Margin(); }
    double PrintableHeight() const { return Height() - 2 * Margin(); }

    bool operator==(const CPaper&) const = default;

private:
    PaperSize m_size = PaperSize::A4;
    PageOrientation m_orientation = PageOrientation::Portrait;
    double m_marginMillimetres = DefaultMarginMillimetres;
};

} // namespace kelvo
