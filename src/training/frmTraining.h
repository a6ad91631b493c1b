// The on-screen drill. frmTraining shows 30 questions with two answer choices
// each and forwards every user event to its controller CtrlsTraining, which
// takes its questions from the main window's kind (through QuestionSource),
// grades the drill and runs the clock CtrlsTimer on the
// window's timTimer. The training font and time limit come from the main
// window's configuration when the window opens and go back to it when it closes.
// Every graded drill is recorded in the drill history, which the windows
// 错题本 and 成绩记录 show; a review drill comes from the mistake book.
#pragma once

#include "training/QuestionSource.h"
#include "widgets/ErrorBoundary.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QGroupBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;

namespace kelvo {

class CClickLabel;
class CConfig;
class CDrillHistory;
class CNumberBox;
class CtrlsTraining;

class frmTraining : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSlotCount = 30;
    static constexpr int kLabelCount = 3 * kSlotCount;

    // Opens as a window of its own, owned by `owner`, deleted when closed.
    // Closing it (also through close() from the owner) stores its training font
    // and time limit in `config`. Graded drills go into `history`.
    frmTraining(QWidget* owner, QuestionSource questions, CConfig& config, CDrillHistory& history);
    ~frmTraining() override;

    QPushButton* cmdExit = nullptr;
    QPushButton* cmdShowHelp = nullptr;
    QPushButton* cmdFont = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 3> optModes{};
    CNumberBox* txtTime = nullptr;
    QLabel* lblSecond = nullptr;
    QTimer* timTimer = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblCorrect = nullptr;
    QLabel* lblWrong = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblSeconds = nullptr;
    QLabel* lblGrade = nullptr;
    QPushButton* cmdCreate = nullptr;
    QPushButton* cmdFinish = nullptr;
    QPushButton* cmdStart = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<QFrame*, kSlotCount> fraQuestions{};
    std::array<CClickLabel*, kLabelCount> lblQuestions{};
    QLabel* Label1 = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblCountdownProgress = nullptr;
    QLabel* lblProgress2 = nullptr;
    QLabel* lblTimerCounter = nullptr;
    QCheckBox* chkTeachingChoices = nullptr;
    QCheckBox* chkReadAloud = nullptr;
    QPushButton* cmdMistakeBook = nullptr;
    QPushButton* cmdScoreHistory = nullptr;

    CtrlsTraining& Controller() { return *m_ctrls; }
    // Tests record the error messages instead of showing them.
    void SetMessageBox(CErrorBoundary::MessageBox messageBox) {
        m_errors.SetMessageBox(std::move(messageBox));
    }
    void ShowMessage(const QString& strText) const { m_errors.Show(strText); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateQuestionArea();
    QWidget* CreateSidePanel();
    QWidget* CreateCountdownBar();
    // The question frames follow the font and the texts: gaps of the font's size,
    // all frames as wide as the widest.
    void FitQuestionFrames();
    // The question area takes at most what the screen leaves; beyond, it scrolls.
    void BoundQuestionArea();
    void ConnectEvents();
    void OnModesClicked(int index);
    void ShowHelp();
    void ChooseFont();
    void ShowMistakeBook();
    void ShowScoreHistory();
    // Runs one event of the controller through the error boundary.
    template <class Action>
    void Forward(Action action);

    CConfig& m_config;
    CDrillHistory& m_history;
    std::unique_ptr<CtrlsTraining> m_ctrls;
    CErrorBoundary m_errors;
    QScrollArea* m_questionArea = nullptr;
    QWidget* m_countdownBar = nullptr;
};

} // namespace kelvo
