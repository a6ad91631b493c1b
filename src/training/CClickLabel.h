#pragma once

#include <QLabel>

namespace kelvo {

// A label that reports a click (press and release on it) like a button does.
class CClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Paints the area behind the text.
    void SetBackColor(const QColor& color);
    QColor BackColor() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kelvo
