#include "printing/QrCodePainting.h"

#include <QPainter>
#include <QPainterPath>

#include <memory>

#include <qrencode.h>

namespace kelvo {

namespace {

// Modules of white on each side: a reader finds the code by its border.
constexpr int QuietModules = 2;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

// The dark modules as one filled outline of each row's runs: squares filled
// one by one would show hairline seams in a PDF viewer.
void PaintQrCode(QPainter& painter, const QRectF& square, const std::string& text) {
    const std::unique_ptr<QRcode, QrCodeFree> code(
        QRcode_encodeData(static_cast<int>(text.size()),
                          reinterpret_cast<const unsigned char*>(text.data()), 0, QR_ECLEVEL_M));
    if (!code) {
        return;
    }
    const int width = code->width;
    const double module = square.width() / (width + 2 * QuietModules);
    const double left = square.left() + QuietModules * module;
    const double top = square.top() + QuietModules * module;
    const auto isDark = [&](int row, int column) {
        return (code->data[row * width + column] & 1U) != 0;
    };
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int row = 0; row < width; ++row) {
        for (int column = 0; column < width;) {
            if (!isDark(row, column)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < width && isDark(row, column)) {
                ++column;
            }
            dark.addRect(left + start * module, top + row * module, (column - start) * module,
                         module);
        }
    }
    painter.fillPath(dark, Qt::black);
}

} // namespace kelvo
