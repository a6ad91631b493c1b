#include "printing/PagePainting.h"

#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "output/CPageLayout.h"
#include "printing/QrCodePainting.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace kelvo {

namespace {

const std::u16string PaintingCaption = u"正在排版";
// A job of this many pages or more shows its progress.
constexpr int32_t ProgressThreshold = 10;
// Points of the box lines.
constexpr double BoxLineWidth = 0.6;
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignVCenter;
// Answers stand out from the questions as a teacher's red pen does, and stay
// dark enough for a black-and-white printer.
const QColor AnswerColour(0xB0, 0x00, 0x00);

QPageSize PageSizeOf(PaperSize size) {
    switch (size) {
    case PaperSize::A5:
        return QPageSize(QPageSize::A5);
    case PaperSize::B5:
        return QPageSize(QPageSize::B5);
    case PaperSize::Letter:
        return QPageSize(QPageSize::Letter);
    case PaperSize::A4:
        break;
    }
    return QPageSize(QPageSize::A4);
}

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// Draws in points from the paper's corner on a device of any resolution.
class CPointPainter {
public:
    CPointPainter(QPainter& painter, const QFont& font)
        : m_painter(painter), m_font(font), m_scale(painter.device()->logicalDpiX() / 72.0) {
        QPen pen(Qt::black);
        pen.setWidthF(BoxLineWidth * m_scale);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
    }

    void SetSize(double pointSize) {
        if (pointSize != m_pointSize) {
            m_pointSize = pointSize;
            m_font.setPointSizeF(pointSize);
            m_painter.setFont(m_font);
            m_metrics.emplace(m_font, m_painter.device());
        }
    }

    // Placed by its baseline: a sheet has tens of thousands of these, and
    // drawing at a point skips the painter's text formatting.
    void Text(QRectF rect, const std::u16string& text, int flags = TextFlags) {
        const QString shown = kelvo::Text(text);
        const QRectF scaled = Scaled(rect);
        double x = scaled.left();
        if ((flags & Qt::AlignHCenter) != 0) {
            x = scaled.center().x() - m_metrics->horizontalAdvance(shown) / 2;
        }
        double top = scaled.top();
        if ((flags & Qt::AlignVCenter) != 0) {
            top = scaled.center().y() - m_metrics->height() / 2;
        }
        m_painter.drawText(QPointF(x, top + m_metrics->ascent()), shown);
    }

    void Answer(QRectF rect, const std::u16string& text, int flags = TextFlags) {
        const QPen pen = m_painter.pen();
        m_painter.setPen(AnswerColour);
        Text(rect, text, flags);
        m_painter.setPen(pen);
    }

    void Fill(QRectF rect, const QColor& colour = Qt::black) {
        m_painter.fillRect(Scaled(rect), colour);
    }

    void Box(QRectF rect) { m_painter.drawRect(Scaled(rect)); }

    void Circle(QRectF rect) { m_painter.drawEllipse(Scaled(rect)); }

    void QrCode(const CPageQrCode& code) {
        PaintQrCode(m_painter, Scaled(QRectF(code.x, code.y, code.side, code.side)), code.text);
    }

private:
    QRectF Scaled(const QRectF& rect) const {
        return {rect.x() * m_scale, rect.y() * m_scale, rect.width() * m_scale,
                rect.height() * m_scale};
    }

    QPainter& m_painter;
    QFont m_font;
    double m_scale;
    double m_pointSize = 0;
    std::optional<QFontMetricsF> m_metrics;
};

void PaintCell(CPointPainter& painter, const CPlacedCell& placed, bool showsAnswers) {
    for (const CCellPiece& piece : placed.cell.pieces) {
        const QRectF rect(placed.x + piece.x, placed.y + piece.y, piece.width, piece.height);
        switch (piece.kind) {
        case CCellPiece::Kind::Text:
            painter.Text(rect, piece.text);
            break;
        case CCellPiece::Kind::Blank:
            painter.Box(rect.adjusted(0, CCellPiece::BoxInset * rect.height(), 0,
                                      -CCellPiece::BoxInset * rect.height()));
            if (showsAnswers) {
                painter.Answer(rect, piece.text, Qt::AlignCenter);
            }
            break;
        case CCellPiece::Kind::Result:
            if (showsAnswers) {
                painter.Answer(rect, piece.text);
            }
            break;
        case CCellPiece::Kind::Rule:
            painter.Fill(rect);
            break;
        case CCellPiece::Kind::ResultRule:
            if (showsAnswers) {
                painter.Fill(rect, AnswerColour);
            }
            break;
        case CCellPiece::Kind::Circle:
            painter.Circle(rect.adjusted(0, CCellPiece::BoxInset * rect.height(), 0,
                                         -CCellPiece::BoxInset * rect.height()));
            if (showsAnswers) {
                painter.Answer(rect, piece.text, Qt::AlignCenter);
            }
            break;
        }
    }
}

// Level with the cell's first line, for a cell of several lines (column form).
QRectF NumberRect(const CPlacedCell& placed) {
    const auto& pieces = placed.cell.pieces;
    const auto first = std::find_if(pieces.begin(), pieces.end(), [](const CCellPiece& piece) {
        return piece.kind != CCellPiece::Kind::Rule;
    });
    if (first == pieces.end()) {
        return {placed.numberX, placed.y, 0, placed.cell.height};
    }
    if (placed.cell.numberLevel) {
        return {placed.numberX, placed.y + *placed.cell.numberLevel - first->height / 2, 0,
                first->height};
    }
    return {placed.numberX, placed.y + first->y, 0, first->height};
}

} // namespace

QPageLayout PaperPageLayout(const CPaper& paper) {
    const auto orientation = paper.Orientation() == PageOrientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait;
    return {PageSizeOf(paper.Size()), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point};
}

void PaintPage(QPainter& painter, const CPage& page, const QFont& font) {
    CPointPainter points(painter, font);
    for (const CPageLine& line : page.lines) {
        points.SetSize(line.pointSize);
        points.Text(QRectF(line.x, line.y, 0, 0), line.text, Qt::AlignLeft | Qt::AlignTop);
    }
    for (const CPageRule& rule : page.rules) {
        points.Fill(QRectF(rule.x, rule.y - BoxLineWidth / 2, rule.width, BoxLineWidth));
    }
    points.SetSize(page.pointSize);
    for (const CPlacedCell& placed : page.cells) {
        if (!placed.number.empty()) {
            points.Text(NumberRect(placed), placed.number);
        }
        PaintCell(points, placed, page.showsAnswers);
    }
    if (!page.qrCode.text.empty()) {
        points.QrCode(page.qrCode);
    }
}

bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const CPageLayout& pages,
                const QFont& font, CInfoReceiver* receiver) {
    bool completed = true;
    RunBracketed(receiver, pages.PageCount() >= ProgressThreshold, PaintingCaption, [&] {
        for (int32_t index = 1; index <= pages.PageCount(); ++index) {
            if (index > 1) {
                device.newPage();
            }
            PaintPage(painter, pages.Page(index), font);
            if (receiver != nullptr) {
                receiver->ProcessPages(index, pages.PageCount());
                YieldToUserInterface();
                if (receiver->IsCancelled()) {
                    completed = false;
                    return;
                }
            }
        }
    });
    return completed;
}

} // namespace kelvo
