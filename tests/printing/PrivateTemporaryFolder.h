#pragma once

#include <QDir>
#include <QTemporaryDir>

// Points the user's temporary folder at a private, self-removing one while it lives.
class CPrivateTemporaryFolder {
public:
    CPrivateTemporaryFolder()
        : m_bHadOld(qEnvironmentVariableIsSet("TMPDIR")), m_old(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", m_folder.path().toLocal8Bit());
    }
    ~CPrivateTemporaryFolder() {
        if (m_bHadOld)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }
    CPrivateTemporaryFolder(const CPrivateTemporaryFolder&) = delete;
    CPrivateTemporaryFolder& operator=(const CPrivateTemporaryFolder&) = delete;

    QString Path() const { return m_folder.path(); }
    QString FilePath(const QString& strName) const { return m_folder.filePath(strName); }
    QStringList Files() const { return QDir(Path()).entryList(QDir::Files); }

private:
    QTemporaryDir m_folder;
    bool m_bHadOld;
    QByteArray m_old;
};
