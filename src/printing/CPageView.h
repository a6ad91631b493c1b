#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QSizeF>

#include <cstdint>
#include <functional>

namespace kelvo {

class CPageLayout;

// The pages of a layout one under another, as on a desk. Only the pages in
// view are painted, when they come into view, so that a sheet of hundreds of
// pages shows its first page at once.
class CPageView : public QAbstractScrollArea {
public:
    explicit CPageView(QWidget* parent = nullptr);

    // The layout lives as long as the view shows it; the paper is in points.
    void SetPages(const CPageLayout& pages, QSizeF paper, const QFont& font);
    // Screen pixels per point of paper.
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom);
    // The zoom that fits a whole page into the view (the first zoom), or its
    // width; either is kept as the view changes size.
    void FitWholePage();
    void FitWidth();
    // The page (from 1) at the middle of the view.
    int32_t CurrentPage() const;
    // Told whenever the page in view or the page count may have changed.
    void OnPageChanged(std::function<void()> pageChanged) {
        m_pageChanged = std::move(pageChanged);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int32_t PageCount() const;
    double Pitch() const;
    QRectF PageRect(int32_t index) const;
    void UpdateScrollBars();
    void PaintPageAt(QPainter& painter, int32_t index) const;

    const CPageLayout* m_pages = nullptr;
    QSizeF m_paper;
    QFont m_font;
    enum class EFit { WholePage, Width, None };

    void Fit(EFit fit);

    double m_zoom = 1;
    EFit m_fit = EFit::WholePage;
    std::function<void()> m_pageChanged;
};

} // namespace kelvo
