// The on-screen drill. frmTraining shows 30 questions with two answer choices
// each, or in the typing mode the questions alone with a keypad beside them,
// and forwards every user event to its controller CtrlsTraining, which
// takes its questions from the main window's kind (through QuestionSource),
// leaves the drill's rules to CDrill, runs the clock CtrlsTimer on the
// window's ticks and tells the window what to show. Tests find the controls by
// their object names. The training font and time limit come from the main
// window's configuration when the window opens and go back to it when it closes.
// Every graded drill is recorded in the drill history, which the windows
// 错题本 and 成绩记录 show; a review drill comes from the mistake book.
#pragma once

#include "drill/MasteryMap.h"
#include "training/QuestionSource.h"
#include "widgets/ErrorBoundary.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTimer;

namespace kelvo {

class CClickLabel;
class CConfig;
class CFont;
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
    // Weak-spot sheets go to `takeSheet`.
    frmTraining(QWidget* owner, QuestionSource questions, SheetTaker takeSheet, CConfig& config,
                CDrillHistory& history);
    ~frmTraining() override;

    // What the controllers show. The window decides only how: colours, texts
    // around the numbers, which label holds what.
    void ClearQuestions();
    void ShowQuestion(int32_t slot, const QString& strQuestion,
                      const std::array<QString, 2>& choices);
    // The taken choice green, the other one plain.
    void ShowChoice(int32_t slot, int32_t choice);
    // The right choice of a missed question red.
    void ShowMissed(int32_t slot, int32_t rightChoice);
    // The typing mode: the question with an empty place for the answer, or
    // two, "□……□", for a quotient and a remainder.
    void ShowTypedQuestion(int32_t slot, const QString& strQuestion, bool bWithRemainder);
    // The question typed for stands out, and comes into view.
    void MarkCurrent(int32_t slot, bool bCurrent);
    // The digits typed so far in the question's answer place.
    void ShowTyped(int32_t slot, const QString& strTyped);
    // The digits of the quotient and the remainder typed so far; the place
    // typed into has the colour of the current question.
    void ShowTypedWithRemainder(int32_t slot, const QString& strQuotient,
                                const QString& strRemainder, bool bAtRemainder);
    // A typed answer right at once green.
    void ShowTypedRight(int32_t slot);
    // The right answer of a wrong or unanswered question red beside its answer place.
    void ShowRightAnswer(int32_t slot, const QString& strAnswer);
    void ShowKeypad(bool bShown);
    void EnableRemainderKey(bool bEnabled);
    // The key of a decimal point (".") or a fraction's bar ("/"); disabled
    // without a mark.
    void ShowPointKey(const QString& mark);
    // The keys of a comparison's or an operator question's signs below the
    // digits, one per sign given; none hides them.
    void ShowSignKeys(const QStringList& signs);
    // "选择" 0, "输入" 1.
    void ShowAnswerMode(int32_t index);
    void ShowChildren(const QStringList& names, int32_t current);
    // The name typed; none when the user cancels.
    std::optional<QString> AskChildName(const QString& strTitle, const QString& strName);
    bool ConfirmRemoval(const QString& strName);
    // One mark per question, true for a miss; none when the user cancels.
    std::optional<std::vector<bool>> AskPaperAnswers(const QStringList& questions);
    void ShowResults(int32_t right, int32_t wrong, int32_t score, const QString& strGrade);
    // "达标" or "未达标" with the right questions per minute.
    void ShowRate(double perMinute, bool bReached);
    void ShowSecondsUsed(int32_t seconds);
    // Empties the results, the clock's counter and the information line.
    void ClearResults();
    void ShowInfo(const QString& strText);
    // Opens 掌握情况 over the window.
    void ShowMasteryMap(CMasteryMap map, const QString& strTitle);
    void ShowCounter(const QString& strText);
    void ShowCountdownBar(int32_t width);
    // The countdown bar's full width.
    int32_t CountdownBarWidth() const;
    void StartTicks(int32_t milliseconds);
    void StopTicks();
    // "出题" and "今日练习".
    void EnableCreate(bool bEnabled);
    void EnableStart(bool bEnabled);
    void EnableFinish(bool bEnabled);
    void EnableModes(bool bEnabled);
    bool IsTeachingChoices() const;
    bool IsReadingAloud() const;
    // The time box, read as a whole number within its range.
    int32_t TimeLimit() const;
    void SetTimeLimit(int32_t seconds);
    // Right questions per minute.
    int32_t Target() const;
    void SetTarget(int32_t perMinute);
    static constexpr int32_t MinFluentSeconds = 1;
    static constexpr int32_t MaxFluentSeconds = 20;
    // The child's fluent time, within MinFluentSeconds … MaxFluentSeconds.
    int32_t FluentSeconds() const;
    void SetFluentSeconds(int32_t seconds);
    // The font of all 90 question labels.
    std::shared_ptr<CFont> QuestionFont() const;
    void ApplyQuestionFont(const CFont& font);

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
    QWidget* CreateModeOptions();
    QWidget* CreateAnswerModes();
    QWidget* CreateTargetOptions();
    QWidget* CreateFluentOptions();
    QWidget* CreateDrillOptions();
    QWidget* CreateChildOptions();
    QWidget* CreateKeypad();
    QWidget* CreateResultPanel();
    QWidget* CreateCountdownBar();
    // The question frames follow the font and the texts: gaps of the font's size,
    // all frames as wide as the widest.
    void FitQuestionFrames();
    // The question area takes at most what the screen leaves; beyond, it scrolls.
    void BoundQuestionArea();
    void ConnectEvents();
    void OnModesClicked(int index);
    // Digits, "余" (the space bar), backspace and Enter while a typing drill
    // waits for an answer.
    bool ForwardTypingKey(const QKeyEvent& key);
    void ShowHelp();
    void ChooseFont();
    void ShowMistakeBook();
    void ShowScoreHistory();
    // Runs one event of the controller through the error boundary.
    template <class Action>
    void Forward(Action action);

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
    QLabel* lblRate = nullptr;
    QGroupBox* fraAnswerModes = nullptr;
    std::array<QRadioButton*, 2> optAnswerModes{};
    QGroupBox* fraTarget = nullptr;
    QComboBox* cboSchoolYear = nullptr;
    CNumberBox* txtTarget = nullptr;
    QWidget* fraKeypad = nullptr;
    QGroupBox* fraChildren = nullptr;
    QComboBox* cboChildren = nullptr;
    QPushButton* cmdAddChild = nullptr;
    QPushButton* cmdRenameChild = nullptr;
    QPushButton* cmdRemoveChild = nullptr;
    std::array<QPushButton*, 10> cmdKeys{};
    QPushButton* cmdRemainder = nullptr;
    QPushButton* cmdPoint = nullptr;
    std::array<QPushButton*, 4> cmdSigns{};
    QPushButton* cmdBackspace = nullptr;
    QPushButton* cmdEnter = nullptr;
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
    QPushButton* cmdDailyPractice = nullptr;
    QPushButton* cmdMasteryMap = nullptr;
    QSpinBox* spnFluentSeconds = nullptr;

    CConfig& m_config;
    CDrillHistory& m_history;
    std::unique_ptr<CtrlsTraining> m_ctrls;
    CErrorBoundary m_errors;
    QScrollArea* m_questionArea = nullptr;
    QWidget* m_countdownBar = nullptr;
    QWidget* m_drillOptions = nullptr;
};

} // namespace kelvo
