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

// The dark modules of the text's QR code, one module a unit, as one outline
// of each row's runs: squares filled one by one would show hairline seams in
// a PDF viewer. It starts after the quiet zone; empty for a text too long.
QPainterPath ModulesOf(const std::string& text) {
    const std::unique_ptr<QRcode, QrCodeFree> code(
        QRcode_encodeData(static_cast<int>(text.size()),
                          reinterpret_cast<const unsigned char*>(text.data()), 0, QR_ECLEVEL_M));
    QPainterPath dark;
    if (!code) {
        return dark;
    }
    const int width = code->width;
    const auto isDark = [&](int row, int column) {
        return (code->data[row * width + column] & 1U) != 0;
    };
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
            dark.addRect(QuietModules + start, QuietModules + row, column - start, 1);
        }
    }
    return dark;
}

// The pages of a copy and of its key carry one code: it is encoded once for
// them (an export of many pages spends a third less on its QR codes).
const QPainterPath& CachedModulesOf(const std::string& text) {
    thread_local std::string lastText;
    thread_local QPainterPath lastModules;
    if (text != lastText) {
        lastModules = ModulesOf(text);
        lastText = text;
    }
    return lastModules;
}

} // namespace

void PaintQrCode(QPainter& painter, const QRectF& square, const std::string& text) {
    const QPainterPath& modules = CachedModulesOf(text);
    if (modules.isEmpty()) {
        return;
    }
    // The outline's far edge and the quiet zone beyond it span the square.
    const double modulesWide = modules.boundingRect().right() + QuietModules;
    const double scale = square.width() / modulesWide;
    painter.save();
    painter.translate(square.topLeft());
    painter.scale(scale, scale);
    painter.fillPath(modules, Qt::black);
    painter.restore();
}

} // namespace kelvo
