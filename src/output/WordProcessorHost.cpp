#include "output/WordProcessorHost.h"

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

} // namespace

QString FindWordProcessor(const QString& strProgId, const QStringList& searchPaths) {
    for (const QString& strName : ProgramNames(strProgId)) {
        QString strProgram = QStandardPaths::findExecutable(strName, searchPaths);
        if (!strProgram.isEmpty())
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
