#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace kelvo {

class CPagePreview;
class frmPageOptions;
class frmSheetCodes;

// A file the user is asked for.
struct CFileQuestion {
    bool isSaving = false;
    QString caption;
    // The folder to start in, or the file suggested.
    QString start;
    QString filter;
};

// Everything the main window asks the user or tells them. In a run the
// system's dialogs answer; tests give the answers instead.
class CUserDialogs {
public:
    virtual ~CUserDialogs() = default;

    virtual void Tell(const QString& strText) = 0;
    // The file chosen; empty when the user cancels.
    virtual QString ChooseFile(const CFileQuestion& question) = 0;
    // The text entered; empty when the user cancels.
    virtual QString AskText(const QString& strCaption, const QString& strLabel,
                            const QString& strSuggestion) = 0;
    virtual void RunPreview(CPagePreview& preview) = 0;
    // True when the user took the options.
    virtual bool RunPageOptions(frmPageOptions& dialog) = 0;
    // True when the user chose what to do with the code.
    virtual bool RunSheetCodes(frmSheetCodes& dialog) = 0;
    // False when no program could open the address.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// The system's message box, file and input dialogs over the window, and the
// desktop's handler of addresses.
class CSystemDialogs : public CUserDialogs {
public:
    explicit CSystemDialogs(QWidget* window) : m_window(window) {}

    void Tell(const QString& strText) override;
    // A saved file without a suffix takes the filter's.
    QString ChooseFile(const CFileQuestion& question) override;
    QString AskText(const QString& strCaption, const QString& strLabel,
                    const QString& strSuggestion) override;
    void RunPreview(CPagePreview& preview) override;
    bool RunPageOptions(frmPageOptions& dialog) override;
    bool RunSheetCodes(frmSheetCodes& dialog) override;
    bool OpenUrl(const QUrl& url) override;

private:
    QWidget* m_window;
};

} // namespace kelvo
