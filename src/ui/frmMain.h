// ui/ is the main window's side (kelvo_gui). frmMain (its controls built by
// frmMainUi) forwards each event to a controller: the operand panel
// (CtrlsOperand), the print settings (CtrlsSettings), the question-type list
// with the kinds saved by name (CtrlsQuestionTypes) and the sheet plan
// (CtrlsPlan). What the user set goes to the model's worksheet use case; the
// sheet it makes is shown, printed through printing/ and read aloud by 听算,
// and the training window drills the panel's kind. The files of the run come
// from the store (CStore); MainConfigBinding moves Kelvo.ini's values into the
// panels and back.
#pragma once

#include "dialogs/ControlFont.h"
#include "listeningui/CtrlsListening.h"
#include "listeningui/frmListening.h"
#include "output/CPageOptions.h"
#include "printing/WordProcessorHost.h"
#include "question/CPreCreatedQuestions.h"
#include "store/CStore.h"
#include "training/frmTraining.h"
#include "ui/CProgressFrame.h"
#include "ui/CUserDialogs.h"
#include "ui/CtrlsOperand.h"
#include "ui/CtrlsPaper.h"
#include "ui/CtrlsPlan.h"
#include "ui/CtrlsQuestionTypes.h"
#include "ui/CtrlsSettings.h"
#include "ui/CtrlsSheetCodes.h"
#include "ui/frmMainUi.h"
#include "widgets/ErrorBoundary.h"
#include "worksheet/CSheetDocument.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

namespace kelvo {

// The start-up window. It owns the long-lived objects of a run (operand and
// settings controllers, preset list, the store of its files, the sheet
// document) and forwards its control events to the controllers; the sheet is
// made, copied and laid out by the core's CSheetDocument, and what the user is
// asked goes through one CUserDialogs.
// Work that yields to the event loop (Create and every display of the
// worksheet) runs as one job: while it runs no second job starts, user input
// waits, and a close asked for meanwhile is carried out when it ends.
class frmMain : public QWidget {
public:
    explicit frmMain(QString strSettingsPath = CStore::DefaultSettingsPath(),
                     QString strHistoryPath = CStore::DefaultHistoryPath(),
                     QWidget* parent = nullptr);
    ~frmMain() override;

    // The user guide shipped with the program.
    static QString GuidePath();

    // Tests answer in place of the user; the dialogs must outlive the window.
    void SetDialogs(CUserDialogs& dialogs) { m_dialogs = &dialogs; }
    // Tests give 听算 a voice and a clock of their own.
    void SetSpeakerOpener(SpeakerOpener opener) { m_openSpeaker = std::move(opener); }
    void SetListeningClock(CtrlsListening::Clock clock) { m_listeningClock = std::move(clock); }
    // Tests replace where "输出打印" looks for the word processor and how it starts it.
    void SetWordProcessorHost(CWordProcessorHost host) { m_wordProcessor = std::move(host); }

    int32_t OperandCount() const { return m_ctrlsOperand->OperandCount(); }
    std::u16string GetOperators(int32_t indexOperand) const;
    // Formats the sheet of the last Create into the worksheet box; a long
    // worksheet is announced unless silent.
    void ShowQuestions(bool silent);
    // Sets the operand panel and the operand count from a question description.
    void ShowQuestionData(const CQuestionData& qd);

    CtrlsOperand& OperandController() { return *m_ctrlsOperand; }
    const CtrlsSettings& SettingsController() const { return *m_ctrlsSettings; }
    const CtrlsPlan& PlanController() const { return *m_ctrlsPlan; }
    // Paper, answer key, numbers and copies of the printed sheet, kept in the store.
    const CPageOptions& PageOptions() const { return m_paper->Options(); }
    const frmMainUi& Controls() const { return m_ui; }
    // The whole worksheet of the last display; the box may show only its start.
    const QString& Worksheet() const { return m_strWorksheet; }
    // The character set kept with the worksheet font; the output box carries it.
    int32_t OutputCharset() const { return ControlCharset(*m_ui.txtOutput); }
    void SetOutputCharset(int32_t value) { SetControlCharset(*m_ui.txtOutput, value); }
    bool IsBusy() const { return m_busy; }
    // The open training window, or none.
    frmTraining* TrainingWindow() const { return m_training; }
    // The open 听算 window, or none.
    frmListening* ListeningWindow() const { return m_listening; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitIntoScreen();
    void LoadPresets();
    void ConnectPanel();
    void ConnectCommands();
    void ConnectPlan();
    void ConnectLinks();

    void OnQuestionTypeSelected(int index);
    void OnOperandCountSelected(int index);
    void Create();
    void ShowWorksheet(const CShownSheet& shown, bool silent);
    void ShowStatus(const std::u16string& strText);
    void ShowExported(const CExportedPdf& exported);
    void OpenExported(bool isFolder);
    void ShowOutput(const QString& strText);
    void ChooseOutputFont();
    void Print();
    void OnOperatorChanged(int index);
    void ShowHelp();
    void OpenTraining();
    void OpenListening();
    void CloseListening();
    void OpenGuide(int index);

    // The kind the panel shows, under the name of the entry it came from while
    // it still shows that entry.
    std::shared_ptr<const CQuestionData> CurrentKind() const;
    void AddSection();
    void SaveKind();
    QString RestoreLastPlan();
    // The counts of a restored or opened plan: one kind per turn of the event
    // loop once the window shows, never during a job.
    void CountNextAdmitted();

    // Runs an event handler through the error boundary.
    template <class F>
    void Handle(F&& handler);
    // The button's click runs the handler through the error boundary, or
    // the job as RunJob does.
    template <class F>
    void OnClicked(QAbstractButton* button, F handler);
    template <class F>
    void OnClickedRunJob(QAbstractButton* button, F job);
    // Runs a job unless one is running; see the class comment.
    template <class F>
    void RunJob(F&& job);
    void ShowMessage(const QString& strText);

    frmMainUi m_ui;
    std::unique_ptr<CProgressFrame> m_progress;
    std::unique_ptr<CtrlsOperand> m_ctrlsOperand;
    std::unique_ptr<CtrlsSettings> m_ctrlsSettings;
    CPreCreatedQuestions m_precreatedQuestions;
    std::unique_ptr<CStore> m_store;
    std::unique_ptr<CtrlsPlan> m_ctrlsPlan;
    std::unique_ptr<CtrlsQuestionTypes> m_ctrlsQuestionTypes;
    QTimer m_admittedCounter;
    // The sheet of the last Create: of the panel's kind, or of the plan.
    CSheetDocument m_document;
    std::unique_ptr<CtrlsPaper> m_paper;
    std::unique_ptr<CtrlsSheetCodes> m_sheetCodes;
    QString m_strWorksheet;
    // The PDF file the status line offers to open.
    QString m_strExportedPath;
    CSystemDialogs m_systemDialogs{this};
    CUserDialogs* m_dialogs = &m_systemDialogs;
    CErrorBoundary m_errors{[this](const QString& strText) { ShowMessage(strText); }};
    SpeakerOpener m_openSpeaker;
    CtrlsListening::Clock m_listeningClock;
    CWordProcessorHost m_wordProcessor = SystemWordProcessorHost();
    bool m_busy = false;
    bool m_closePending = false;
    QPointer<frmTraining> m_training;
    QPointer<frmListening> m_listening;
};

} // namespace kelvo
