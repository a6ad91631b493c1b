// The word processor on Windows: an automation server started through COM
// (ActiveQt). "word.Application" is Microsoft Word ("Word.Application");
// "wps.Application" is WPS Office, registered as "KWPS.Application" or, in
// older versions, "WPS.Application". The program is the server's identifier.
#include "printing/WordProcessorHost.h"

#include <QAxObject>
#include <QDir>

#include <objbase.h>

namespace kelvo {

namespace {

QStringList ServerIds(const QString& strProgId) {
    if (strProgId.compare(u"word.Application", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Word.Application")};
    if (strProgId.compare(u"wps.Application", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("KWPS.Application"), QStringLiteral("WPS.Application")};
    return {};
}

bool IsRegistered(const QString& strServerId) {
    CLSID clsid;
    return SUCCEEDED(::CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(strServerId.utf16()), &clsid));
}

} // namespace

QString FindWordProcessor(const QString& strProgId, const QStringList& /*searchPaths*/) {
    for (const QString& strServerId : ServerIds(strProgId)) {
        if (IsRegistered(strServerId))
            return strServerId;
    }
    return {};
}

// The document opens in a window of the word processor, made visible, which
// stays open when Kelvo lets go of the server.
bool StartWordProcessor(const QString& strServerId, const QString& strDocument) {
    QAxObject application(strServerId);
    QAxObject* documents = application.isNull() ? nullptr : application.querySubObject("Documents");
    if (documents == nullptr)
        return false;
    const QAxObject* document =
        documents->querySubObject("Open(const QString&)", QDir::toNativeSeparators(strDocument));
    application.setProperty("Visible", true);
    return document != nullptr;
}

CWordProcessorHost SystemWordProcessorHost() {
    return {[](const QString& strProgId) { return FindWordProcessor(strProgId); },
            StartWordProcessor};
}

} // namespace kelvo
