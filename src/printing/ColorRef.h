// Colours as the settings file and the word processor count them: one 32-bit value
// with red in the low byte, then green, then blue.
#pragma once

#include <QColor>

#include <cstdint>

namespace kelvo {

inline int32_t ColorRefFromColor(const QColor& color) {
    const QRgb rgb = color.rgb();
    return static_cast<int32_t>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

// Only the three colour bytes count; the top byte carries no colour.
inline QColor ColorFromColorRef(int32_t iColor) {
    const auto value = static_cast<uint32_t>(iColor);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace kelvo
