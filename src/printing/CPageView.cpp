#include "printing/CPageView.h"

#include "output/CPageLayout.h"
#include "printing/PagePainting.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace kelvo {

namespace {

// Room around and between the pages, in screen pixels.
constexpr double Gap = 12;
constexpr double SmallestZoom = 0.2;
constexpr double LargestZoom = 6;
constexpr double WheelZoomStep = 1.15;

} // namespace

CPageView::CPageView(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void CPageView::SetPages(const CPageLayout& pages, QSizeF paper, const QFont& font) {
    m_pages = &pages;
    m_paper = paper;
    m_font = font;
    Fit(m_fit);
}

void CPageView::SetZoom(double zoom) {
    const int32_t current = CurrentPage();
    m_fit = EFit::None;
    m_zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
    UpdateScrollBars();
    if (current > 0) {
        verticalScrollBar()->setValue(static_cast<int>(PageRect(current).top() - Gap));
    }
    viewport()->update();
}

void CPageView::FitWholePage() {
    Fit(EFit::WholePage);
}

void CPageView::FitWidth() {
    Fit(EFit::Width);
}

void CPageView::Fit(EFit fit) {
    m_fit = fit;
    if (fit != EFit::None && !m_paper.isEmpty()) {
        const double widthZoom = (viewport()->width() - 2 * Gap) / m_paper.width();
        const double heightZoom = (viewport()->height() - 2 * Gap) / m_paper.height();
        const double zoom = fit == EFit::Width ? widthZoom : std::min(widthZoom, heightZoom);
        m_zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
    }
    UpdateScrollBars();
    viewport()->update();
}

int32_t CPageView::CurrentPage() const {
    if (PageCount() == 0) {
        return 0;
    }
    const double middle = verticalScrollBar()->value() + viewport()->height() / 2.0;
    const auto index = static_cast<int32_t>(std::floor((middle - Gap / 2) / Pitch())) + 1;
    return std::clamp(index, 1, PageCount());
}

void CPageView::paintEvent(QPaintEvent* event) {
    if (PageCount() == 0) {
        return;
    }
    QPainter painter(viewport());
    const QRectF exposed =
        QRectF(event->rect())
            .translated(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int32_t first = std::max(static_cast<int32_t>((exposed.top() - Gap) / Pitch()) + 1, 1);
    const int32_t last =
        std::min(static_cast<int32_t>((exposed.bottom() - Gap) / Pitch()) + 1, PageCount());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    for (int32_t index = first; index <= last; ++index) {
        PaintPageAt(painter, index);
    }
}

void CPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Fit(m_fit);
}

void CPageView::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
    if (m_pageChanged) {
        m_pageChanged();
    }
}

// The wheel with Ctrl zooms, as in every document viewer.
void CPageView::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    SetZoom(event->angleDelta().y() > 0 ? m_zoom * WheelZoomStep : m_zoom / WheelZoomStep);
    event->accept();
}

int32_t CPageView::PageCount() const {
    return m_pages != nullptr ? m_pages->PageCount() : 0;
}

double CPageView::Pitch() const {
    return m_paper.height() * m_zoom + Gap;
}

QRectF CPageView::PageRect(int32_t index) const {
    const double width = m_paper.width() * m_zoom;
    const double left = std::max(Gap, (viewport()->width() - width) / 2);
    return {left, Gap + (index - 1) * Pitch(), width, m_paper.height() * m_zoom};
}

void CPageView::UpdateScrollBars() {
    const double width = m_paper.width() * m_zoom + 2 * Gap;
    const double height = PageCount() * Pitch() + Gap;
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(width) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(height) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(static_cast<int>(Pitch() / 20) + 1);
    if (m_pageChanged) {
        m_pageChanged();
    }
}

// The page's points become screen pixels at the zoom; the page painter
// turns points into the device's pixels, so its scale is taken back first.
void CPageView::PaintPageAt(QPainter& painter, int32_t index) const {
    const QRectF rect = PageRect(index);
    painter.fillRect(rect, Qt::white);
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(m_zoom * 72.0 / viewport()->logicalDpiX(),
                  m_zoom * 72.0 / viewport()->logicalDpiY());
    PaintPage(painter, m_pages->Page(index), m_font);
    painter.restore();
}

} // namespace kelvo
