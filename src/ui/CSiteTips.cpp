#include "ui/CSiteTips.h"

#include "ui/frmMainUi.h"

#include <QDir>
#include <QEvent>

namespace kelvo {

CSiteTips::CSiteTips(QWidget& window, const frmMainUi& ui, const QString& strGuidePath)
    : QObject(&window), m_window(window), m_ui(ui) {
    m_ui.txtFilmSite->setText(QDir::toNativeSeparators(strGuidePath));
    for (QWidget* watched :
         {&m_window, static_cast<QWidget*>(m_ui.fraSetting), m_ui.txtOutput->viewport()}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

void CSiteTips::Show() {
    if (m_ui.fraSiteTips->isHidden()) {
        m_ui.fraSiteTips->move(
            m_ui.lblSiteDetail->mapTo(&m_window, QPoint(0, m_ui.lblSiteDetail->height())));
        m_ui.fraSiteTips->show();
        m_ui.fraSiteTips->raise();
    }
    m_ui.txtFilmSite->setFocus();
}

bool CSiteTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && !m_ui.fraSiteTips->isHidden()) {
        m_ui.fraSiteTips->hide();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvo
