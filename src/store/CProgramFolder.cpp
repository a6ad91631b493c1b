#include "store/CProgramFolder.h"

#include <QFileInfo>

namespace kelvo {

namespace {

// The installed data folder seen from the installed program's folder; the
// build derives it from the installation's folders.
const QString InstalledDataFolder = QStringLiteral(KELVO_DATA_FROM_PROGRAM);

} // namespace

CProgramFolder::CProgramFolder(const QString& strPath) : m_folder(strPath) {}

QString CProgramFolder::ShippedFilePath(const QString& strFileName) const {
    if (IsInstalled()) {
        return QDir::cleanPath(m_folder.filePath(InstalledDataFolder + u'/' + strFileName));
    }
    return m_folder.filePath(strFileName);
}

QString CProgramFolder::WritableFilePath(const QString& strFileName,
                                         QStandardPaths::StandardLocation userFolder) const {
    if (!IsInstalled() && QFileInfo(m_folder.path()).isWritable()) {
        return m_folder.filePath(strFileName);
    }
    QDir folder(QStandardPaths::writableLocation(userFolder));
    folder.mkpath(QStringLiteral("."));
    return folder.filePath(strFileName);
}

bool CProgramFolder::IsInstalled() const {
    return QFileInfo(m_folder.filePath(InstalledDataFolder)).isDir();
}

} // namespace kelvo
