#pragma once

#include <QRectF>

#include <string>

class QPainter;

namespace kelvo {

// The QR code of the text in the square, in device units, with a quiet zone
// inside it; nothing for a text too long for any QR code.
void PaintQrCode(QPainter& painter, const QRectF& square, const std::string& text);

} // namespace kelvo
