#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace kelvo {

// The folder the program runs from, and where Kelvo finds the files it ships
// and keeps the files it writes. Run from a folder of its own (the build
// folder, a copy on a memory stick) everything stands beside the program.
// Installed (share/kelvo/ beside the program's bin/), shipped files come from
// share/kelvo/ and written files go to the user's folders, even where the
// program's folder happens to be writable (run by root, or installed into the
// home folder).
class CProgramFolder {
public:
    explicit CProgramFolder(const QString& strPath = QCoreApplication::applicationDirPath());

    // A file shipped with the program.
    QString ShippedFilePath(const QString& strFileName) const;
    // Where a file Kelvo writes is kept: beside the program when it runs from
    // a writable folder of its own, else in the user's folder of the given
    // kind (configuration for settings, data for the drill history), which is
    // created so that the first write succeeds.
    QString WritableFilePath(const QString& strFileName,
                             QStandardPaths::StandardLocation userFolder) const;

private:
    bool IsInstalled() const;

    QDir m_folder;
};

} // namespace kelvo
