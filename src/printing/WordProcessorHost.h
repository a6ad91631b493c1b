// Where the word processor's program is and how it is started: the only parts of the
// export that differ from one platform to the next. Here "word.Application" is
// LibreOffice Writer and "wps.Application" is WPS Office, both found on the PATH;
// WordProcessorHostWindows.cpp is Windows' side, through COM.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kelvo {

struct CWordProcessorHost {
    // The program registered under a programmatic identifier; empty when none is installed.
    std::function<QString(const QString& strProgId)> FindProgram;
    // Opens a document in the program, which keeps running after Kelvo exits.
    std::function<bool(const QString& strProgram, const QString& strDocument)> StartProgram;
};

// Looks in searchPaths, or on the PATH when it is empty. A LibreOffice that cannot
// show a document (the desktop-free build) does not count.
QString FindWordProcessor(const QString& strProgId, const QStringList& searchPaths = {});
bool StartWordProcessor(const QString& strProgram, const QString& strDocument);

CWordProcessorHost SystemWordProcessorHost();

} // namespace kelvo
