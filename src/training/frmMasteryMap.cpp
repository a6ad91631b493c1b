#include "training/frmMasteryMap.h"

#include "training/MasteryMapPainting.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace kelvo {

CMasteryMapView::CMasteryMapView(CMasteryMap map, QString strTitle, QWidget* parent)
    : QWidget(parent), m_map(std::move(map)), m_strTitle(std::move(strTitle)) {
    setMinimumSize(480, 360);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

QRectF CMasteryMapView::Area() const {
    const double margin = 8;
    return QRectF(rect()).adjusted(margin, margin, -margin, -margin);
}

void CMasteryMapView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintMasteryMap(painter, Area(), m_map, m_strTitle);
}

bool CMasteryMapView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<size_t> fact = FactAt(Area(), m_map, help->pos());
    if (fact) {
        QToolTip::showText(help->globalPos(), FactDescription(m_map, *fact), this);
    } else {
        QToolTip::hideText();
    }
    return true;
}

void CMasteryMapView::Print(QPaintDevice& page) const {
    QPainter painter(&page);
    const QRectF whole(0, 0, page.width(), page.height());
    // A page keeps the map's proportions, as seen on the screen.
    const QSizeF fitted = QSizeF(width(), height()).scaled(whole.size(), Qt::KeepAspectRatio);
    PaintMasteryMap(painter, QRectF(whole.topLeft(), fitted), m_map, m_strTitle);
}

frmMasteryMap::frmMasteryMap(CMasteryMap map, const QString& strTitle, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("掌握情况"));
    picMap = new CMasteryMapView(std::move(map), strTitle);
    picMap->setObjectName(QStringLiteral("picMap"));
    cmdWeakSheet = new QPushButton(QStringLiteral("弱项练习卷"));
    cmdWeakSheet->setObjectName(QStringLiteral("cmdWeakSheet"));
    cmdWeakSheet->setToolTip(
        QStringLiteral("把做错的、做得慢的和该复习的题出成一张练习卷，放到主窗口"
                       "打印；四道题里有一道是已经熟练的题。"));
    cmdPaperAnswers = new QPushButton(QStringLiteral("录入纸上答题..."));
    cmdPaperAnswers->setObjectName(QStringLiteral("cmdPaperAnswers"));
    cmdPaperAnswers->setToolTip(
        QStringLiteral("弱项练习卷在纸上做完以后，勾出做错的题，纸上的答题也算进掌握情况。"));
    cmdPrint = new QPushButton(QStringLiteral("打印..."));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(QStringLiteral("关闭"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWeakSheet);
    buttons->addWidget(cmdPaperAnswers);
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picMap, 1);
    layout->addLayout(buttons);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMasteryMap::PrintMap);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 660);
}

void frmMasteryMap::PrintMap() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        picMap->Print(printer);
    }
}

} // namespace kelvo
