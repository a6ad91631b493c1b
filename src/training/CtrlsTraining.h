#pragma once

#include "history/DrillRecord.h"
#include "training/CDrillReader.h"
#include "training/CtrlsTimer.h"
#include "training/QuestionSource.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <vector>

namespace kelvo {

class CDrillHistory;
class frmTraining;

// Runs the drill on the training window: creates 30 questions of the main
// window's kind, records the clicked choices, and grades the drill on Finish
// (button, F key or the end of the countdown). The mode options are locked
// during a drill. Every graded drill goes into the drill history; a review
// drill takes its questions from the history's mistake book instead.
class CtrlsTraining {
public:
    static constexpr int32_t kTimed = 1;
    static constexpr int32_t kTimeLimited = 2;
    static constexpr int32_t kScoreOnly = 3;

    CtrlsTraining(frmTraining& form, QuestionSource questions, CDrillHistory& history);

    void DoFormLoad();
    void DoCreateClicked();
    // "错题重练": up to 30 questions of the mistake book, ready to start.
    void DoReviewClicked();
    void DoStartClicked();
    void DoFinishClicked();
    void DoQuestionsClicked(int32_t index);
    void DoModesClicked(int32_t index);
    void DoTimered();
    void DoKeyDown(int32_t keyCode);
    bool IsDoingtraining() const { return m_bIsDoingTraining; }
    // Tests give "读题" a voice of their own.
    CDrillReader& Reader() { return m_reader; }

private:
    struct QuestionSlot {
        int32_t iAnswer = 0;
        bool bWrong = true;
        int32_t iAnswerLabel = 0;
        std::array<int32_t, 2> iChoices{};
        // 0 or 1; -1 before the first click.
        int32_t iChosen = -1;
    };
    struct DrillQuestion {
        CKeptQuestion kept;
        // The mistake-book entry of a review question; 0 for others.
        int64_t iBookId = 0;
    };
    // The questions on screen, in slot order, and the kind they are recorded under.
    struct Drill {
        QString kind;
        std::vector<DrillQuestion> questions;
    };

    bool CreateQuestions();
    bool CreateReviewQuestions();
    void PrepareQuestionArea();
    bool ShowDrill(const QString& strFailure);
    Drill ReviewDrill();
    void ShowReady();
    void ClearQuestionLabels();
    void ShowQuestion(const DrillQuestion& question, int32_t k);
    void ClearResultLabels();
    // The number of wrong questions.
    int32_t ShowResults();
    void RecordDrill(int32_t iWrong);
    void ShowHistoryMessage();
    void EnableModes(bool bEnabled);
    void StartReading();
    QColor BackColor() const;

    frmTraining& m_form;
    QuestionSource m_questions;
    CDrillHistory& m_history;
    Drill m_drill;
    bool m_bIsDoingTraining = false;
    bool m_bQuestionsReady = false;
    int32_t m_iMode = kTimeLimited;
    CtrlsTimer m_ctrlsTimer;
    CDrillReader m_reader;
    std::array<QuestionSlot, 30> m_arrSlots{};
};

// "状元" … "婴儿" for a drill with iWrong wrong questions out of 30.
QString GradeName(int32_t iWrong);
// "等级：" and the grade.
QString GradeCaption(int32_t iWrong);

} // namespace kelvo
