#include "store/CKeptDocument.h"

#include "foundation/KeptFile.h"

#include <QDateTime>
#include <QDir>

namespace kelvo {

namespace {

QString Shown(const QString& strPath) {
    return QDir::toNativeSeparators(strPath);
}

} // namespace

CKeptDocument::CKeptDocument(QString strPath, bool isUsedElsewhere)
    : m_strPath(std::move(strPath)) {
    if (isUsedElsewhere) {
        m_strRefusal = QString::fromUtf16(u"另一个Kelvo正在使用同样的文件，这次不会改写文件“%1”。")
                           .arg(Shown(m_strPath));
    }
}

QString CKeptDocument::HandleFault(EReadFault fault) {
    if (fault == EReadFault::Newer && m_strRefusal.isEmpty()) {
        m_strRefusal = QString::fromUtf16(u"文件“%1”是较新版本的Kelvo保存的，这次不会改写它。")
                           .arg(Shown(m_strPath));
    }
    // A file the other Kelvo keeps is its to set aside.
    if (fault != EReadFault::Unusable || !m_strRefusal.isEmpty()) {
        return {};
    }
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const auto aside = SetAsideKeptFile(std::filesystem::path(m_strPath.toStdU16String()), stamp);
    if (!aside) {
        m_strRefusal =
            QString::fromUtf16(u"文件“%1”无法改名保留，这次不会改写它。").arg(Shown(m_strPath));
        return m_strRefusal;
    }
    return QString::fromUtf16(u"原文件已改名保留为“%1”。")
        .arg(Shown(QString::fromStdU16String(aside->u16string())));
}

} // namespace kelvo
