#include "printing/WordProcessorHost.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kelvo {

namespace {

QStringList ProgramNames(const QString& strProgId) {
    if (strProgId.compare(u"word.Application", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("soffice"), QStringLiteral("libreoffice"),
                QStringLiteral("lowriter")};
    if (strProgId.compare(u"wps.Application", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("wps")};
    return {};
}

// LibreOffice built without a desktop (Debian's libreoffice-core-nogui) converts
// documents but never shows one. Every desktop build keeps at least one window
// system plugin (libvclplug_gen, _gtk3, _kf5, _qt5 ...) in its program folder, the
// folder that holds soffice.bin; the desktop-free build keeps none. A program that
// is not in such a folder (a wrapper script, for instance) is taken as it is.
bool CanShowDocuments(const QString& strProgram) {
    const QDir folder = QFileInfo(QFileInfo(strProgram).canonicalFilePath()).dir();
    if (!folder.exists(QStringLiteral("soffice.bin")))
        return true;
    return !folder.entryList({QStringLiteral("libvclplug_*")}, QDir::Files).isEmpty();
}

} // namespace

QString FindWordProcessor(const QString& strProgId, const QStringList& searchPaths) {
    for (const QString& strName : ProgramNames(strProgId)) {
        QString strProgram = QStandardPaths::findExecutable(strName, searchPaths);
        if (!strProgram.isEmpty() && CanShowDocuments(strProgram))
            return strProgram;
    }
    return {};
}

bool StartWordProcessor(const QString& strProgram, const QString& strDocument) {
    return QProcess::startDetached(strProgram, {strDocument});
}

CWordProcessorHost SystemWordProcessorHost() {
    return {[](const QString& strProgId) { return FindWordProcessor(strProgId); },
            StartWordProcessor};
}

} // namespace kelvo
