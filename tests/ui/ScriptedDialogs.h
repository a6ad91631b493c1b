#pragma once

#include "ui/CUserDialogs.h"

#include <functional>
#include <vector>

namespace kelvo {

// The user of the main window, played by a test: it answers every file and
// text question with the answer set for it (empty: the user cancels), records
// what it was told and asked, and acts on the preview and the page options.
class CScriptedDialogs : public CUserDialogs {
public:
    void Tell(const QString& strText) override { told.push_back(strText); }
    QString ChooseFile(const CFileQuestion& question) override {
        fileQuestions.push_back(question);
        return fileAnswer;
    }
    QString AskText(const QString&, const QString&, const QString& strSuggestion) override {
        textSuggestions.push_back(strSuggestion);
        return textAnswer;
    }
    void RunPreview(CPagePreview& preview) override {
        if (onPreview) {
            onPreview(preview);
        }
    }
    bool RunPageOptions(frmPageOptions& dialog) override {
        return onPageOptions && onPageOptions(dialog);
    }
    bool RunSheetCodes(frmSheetCodes& dialog) override {
        return onSheetCodes && onSheetCodes(dialog);
    }
    bool OpenUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return urlsOpen;
    }

    QString fileAnswer;
    QString textAnswer;
    std::function<void(CPagePreview&)> onPreview;
    // True: the user took the options.
    std::function<bool(frmPageOptions&)> onPageOptions;
    // True: the user chose what to do with the code.
    std::function<bool(frmSheetCodes&)> onSheetCodes;
    bool urlsOpen = true;

    std::vector<QString> told;
    std::vector<CFileQuestion> fileQuestions;
    std::vector<QString> textSuggestions;
    std::vector<QUrl> openedUrls;
};

} // namespace kelvo
