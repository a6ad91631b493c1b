#pragma once

#include "training/CtrlsTimer.h"
#include "training/QuestionSource.h"

#include <QColor>

#include <array>
#include <cstdint>

namespace kelvo {

class CExprValue;
class CValueLimit;
class frmTraining;

// Runs the drill on the training window: creates 30 questions of the main
// window's kind, records the clicked choices, and grades the drill on Finish
// (button, F key or the end of the countdown). The mode options are locked
// during a drill.
class CtrlsTraining {
public:
    static constexpr int32_t kTimed = 1;
    static constexpr int32_t kTimeLimited = 2;
    static constexpr int32_t kScoreOnly = 3;

    CtrlsTraining(frmTraining& form, QuestionSource questions);

    void DoFormLoad();
    void DoCreateClicked();
    void DoStartClicked();
    void DoFinishClicked();
    void DoQuestionsClicked(int32_t index);
    void DoModesClicked(int32_t index);
    void DoTimered();
    void DoKeyDown(int32_t keyCode);
    bool IsDoingtraining() const { return m_bIsDoingTraining; }

private:
    struct QuestionSlot {
        int32_t iAnswer = 0;
        bool bWrong = true;
        int32_t iAnswerLabel = 0;
    };

    bool CreateQuestions();
    void ClearQuestionLabels();
    void ShowQuestion(const CExprValue& value, int32_t k, const CValueLimit& limit);
    void ClearResultLabels();
    void ShowResults();
    void EnableModes(bool bEnabled);
    QColor BackColor() const;

    frmTraining& m_form;
    QuestionSource m_questions;
    bool m_bIsDoingTraining = false;
    bool m_bQuestionsReady = false;
    int32_t m_iMode = kTimeLimited;
    CtrlsTimer m_ctrlsTimer;
    std::array<QuestionSlot, 30> m_arrSlots{};
};

// "等级：…" for a drill with iWrong wrong questions out of 30.
QString GradeCaption(int32_t iWrong);

} // namespace kelvo
