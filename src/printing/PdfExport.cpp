#include "printing/PdfExport.h"

#include "foundation/KeptFile.h"
#include "generation/CInfoReceiver.h"
#include "output/CPageLayout.h"
#include "printing/PagePainting.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

namespace kelvo {

namespace {

constexpr int PdfResolution = 600;

// The system's reason of the failure just reported, in Chinese.
QString SystemReason() {
    const std::error_code error(errno, std::generic_category());
    return QString::fromStdU16String(FileErrorText(FileErrorOf(error), 0));
}

} // namespace

bool ExportPdf(const CPageLayout& pages, const QFont& font, const QString& strPath,
               CInfoReceiver* receiver, QString& strError) {
    const QString strShownPath = QDir::toNativeSeparators(strPath);
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly)) {
        strError = QStringLiteral("无法写入文件 %1：%2。").arg(strShownPath, SystemReason());
        return false;
    }
    bool completed = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setCreator(QStringLiteral("Kelvo"));
        writer.setPageLayout(PaperPageLayout(pages.Options().Paper()));
        QPainter painter;
        if (painter.begin(&writer)) {
            completed = PaintPages(painter, writer, pages, font, receiver);
            painter.end();
        }
    }
    if (!completed) {
        file.cancelWriting();
        strError = receiver != nullptr && receiver->IsCancelled()
                       ? QStringLiteral("已取消，没有保存 PDF 文件。")
                       : QStringLiteral("无法生成 PDF 文件 %1。").arg(strShownPath);
        return false;
    }
    if (!file.commit()) {
        strError = QStringLiteral("无法保存文件 %1：%2。").arg(strShownPath, SystemReason());
        return false;
    }
    return true;
}

} // namespace kelvo
