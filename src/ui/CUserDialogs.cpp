#include "ui/CUserDialogs.h"

#include "printing/CPagePreview.h"
#include "ui/frmPageOptions.h"
#include "ui/frmSheetCodes.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace kelvo {

namespace {

// "(*.pdf)" in the filter gives ".pdf".
QString FilterSuffix(const QString& strFilter) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(strFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

void CSystemDialogs::Tell(const QString& strText) {
    QMessageBox::warning(m_window, QStringLiteral("Kelvo"), strText);
}

QString CSystemDialogs::ChooseFile(const CFileQuestion& question) {
    if (!question.isSaving) {
        return QFileDialog::getOpenFileName(m_window, question.caption, question.start,
                                            question.filter);
    }
    QString strPath =
        QFileDialog::getSaveFileName(m_window, question.caption, question.start, question.filter);
    if (!strPath.isEmpty() && QFileInfo(strPath).suffix().isEmpty()) {
        strPath += FilterSuffix(question.filter);
    }
    return strPath;
}

QString CSystemDialogs::AskText(const QString& strCaption, const QString& strLabel,
                                const QString& strSuggestion) {
    return QInputDialog::getText(m_window, strCaption, strLabel, QLineEdit::Normal, strSuggestion);
}

void CSystemDialogs::RunPreview(CPagePreview& preview) {
    preview.Dialog().exec();
}

bool CSystemDialogs::RunPageOptions(frmPageOptions& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

bool CSystemDialogs::RunSheetCodes(frmSheetCodes& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

bool CSystemDialogs::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace kelvo
