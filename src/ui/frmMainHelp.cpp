#include "ui/frmMainHelp.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelvo {

frmMainHelp::frmMainHelp(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmMainHelp"));
    setWindowTitle(QString::fromUtf16(u"Kelvo帮助"));
    // The user guide as it is installed beside the program, built in so that
    // the window never stands empty.
    auto* guide = new QTextBrowser(this);
    guide->setObjectName(QStringLiteral("txtHelp"));
    guide->setAccessibleName(QString::fromUtf16(u"使用说明"));
    guide->setOpenExternalLinks(true);
    guide->setSource(QUrl(QStringLiteral("qrc:/KelvoGuide.html")));
    auto* close = new QPushButton(QString::fromUtf16(u"关闭"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(guide);
    column->addWidget(close, 0, Qt::AlignRight);
    resize(760, 560);
}

} // namespace kelvo
