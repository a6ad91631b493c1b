#pragma once

#include <QObject>

class QWidget;

namespace kelvo {

struct frmMainUi;

// "详细>>" below the guide's links: a tip saying where the user guide lies on
// this machine, under the link, until the mouse moves over the window, its
// settings frame or the worksheet box.
class CSiteTips : public QObject {
public:
    CSiteTips(QWidget& window, const frmMainUi& ui, const QString& strGuidePath);

    void Show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    const frmMainUi& m_ui;
};

} // namespace kelvo
