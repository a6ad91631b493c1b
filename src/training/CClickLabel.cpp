#include "training/CClickLabel.h"

#include <QMouseEvent>

namespace kelvo {

void CClickLabel::SetBackColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    setAutoFillBackground(true);
}

QColor CClickLabel::BackColor() const {
    return palette().color(QPalette::Window);
}

void CClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace kelvo
