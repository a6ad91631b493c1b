#pragma once

#include "ui/CtrlsOperand.h"
#include "ui/frmMainUi.h"

#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace kelvo {

// The start-up window. It owns the long-lived objects of a run (operand and
// settings controllers, preset list, settings file, the templates, questions
// and worksheet of the last Create) and forwards its control events to the
// controllers. Work that yields to the event loop (Create and every display
// of the worksheet) runs as one job: while it runs no second job starts, user
// input waits, and a close asked for meanwhile is carried out when it ends.
class frmMain : public QWidget {
public:
    using MessageBoxHook = std::function<void(const QString& strText)>;
    using UrlOpener = std::function<void(const QUrl& url)>;

    explicit frmMain(QString strSettingsPath = DefaultSettingsPath(), QWidget* parent = nullptr);
    ~frmMain() override;

    static QString DefaultSettingsPath();
    // The user guide shipped beside the program.
    static QString GuidePath();

    // Tests replace the modal message box and the desktop's URL handler.
    void SetMessageBox(MessageBoxHook hook) { m_messageBox = std::move(hook); }
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    int32_t OperandCount() const { return m_ctrlsOperand->OperandCount(); }
    std::u16string GetOperators(int32_t indexOperand) const;

    CtrlsOperand& OperandController() { return *m_ctrlsOperand; }
    const frmMainUi& Controls() const { return m_ui; }
    bool IsBusy() const { return m_busy; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectPanel();
    void ConnectCommands();
    void ConnectLinks();

    void OnOperandCountSelected(int index);
    void OnOperatorChanged(int index);
    void ShowHelp();
    void OpenGuide(int index);
    void ShowSiteTips();
    void HideSiteTips();
    void PlaceOverlays();

    void BeginProgress(const QString& strTitle);
    void ShowProgress(const QString& strCount);
    void EndProgress();

    // Runs an event handler; a runtime error becomes a message box and the
    // window goes on working.
    template <class F>
    void Handle(F&& handler);
    // Runs a job unless one is running; see the class comment.
    template <class F>
    void RunJob(F&& job);
    void ShowErrorMessage(const std::exception& error);
    void ShowMessage(const QString& strText);

    frmMainUi m_ui;
    std::unique_ptr<CtrlsOperand> m_ctrlsOperand;
    QString m_strSettingsPath;
    MessageBoxHook m_messageBox;
    UrlOpener m_openUrl;
    bool m_busy = false;
    bool m_closePending = false;
};

} // namespace kelvo
