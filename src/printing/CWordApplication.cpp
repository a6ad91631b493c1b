#include "printing/CWordApplication.h"

#include "printing/RtfDocument.h"

#include <QDir>
#include <QTemporaryFile>

#include <utility>

namespace kelvo {

namespace {

// The path of the written file; empty when it could not be written. A temporary folder
// that does not exist is reported as an empty path, never as the root folder.
QString WriteToTemporaryFolder(const QByteArray& document) {
    const QString strFolder = QDir::tempPath();
    if (strFolder.isEmpty())
        return {};
    QTemporaryFile file(strFolder + QStringLiteral("/Kelvo-XXXXXX.rtf"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    if (file.write(document) != document.size() || !file.flush()) {
        file.remove();
        return {};
    }
    return file.fileName();
}

} // namespace

CWordApplication::CWordApplication(QString strProgram, CWordProcessorHost host)
    : m_strProgram(std::move(strProgram)), m_host(std::move(host)) {}

CWordDocument* CWordApplication::ActiveDocument() {
    return m_documents.Count() == 0 ? nullptr : &m_documents.Item(m_documents.Count());
}

void CWordApplication::SetVisible(bool bVisible) {
    m_bVisible = bVisible;
    if (!bVisible)
        return;
    for (; m_iShownCount < m_documents.Count(); ++m_iShownCount) {
        const QString strPath =
            WriteToTemporaryFolder(RtfDocument(m_documents.Item(m_iShownCount + 1).Content()));
        if (!strPath.isEmpty())
            m_host.StartProgram(m_strProgram, strPath);
    }
}

std::unique_ptr<CWordApplication> CreateWordApplication(const QString& strProgId,
                                                        const CWordProcessorHost& host) {
    QString strProgram = host.FindProgram(strProgId);
    if (strProgram.isEmpty())
        return nullptr;
    return std::make_unique<CWordApplication>(std::move(strProgram), host);
}

} // namespace kelvo
