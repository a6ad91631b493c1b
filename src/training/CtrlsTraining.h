#pragma once

#include "drill/CAnswerEntry.h"
#include "drill/CDrill.h"
#include "drill/FactMastery.h"
#include "generation/DecimalUnits.h"
#include "store/HistoryEntries.h"
#include "training/CDrillReader.h"
#include "training/CtrlsTimer.h"
#include "training/QuestionSource.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvo {

class CDrillHistory;
class frmTraining;

// Runs the drill on the training window: creates 30 questions of the main
// window's kind, forwards the clicked choices or the typed answers (keypad or
// keys, collected here until Enter; "余" between a quotient and its remainder;
// a comparison or an operator question answered by its sign keys once every
// circle has its sign) to the drill, and grades it on
// Finish (button, F key or the end of the countdown). The drill's rules are
// CDrill's; this class asks it for every decision and tells the window what to
// show. The mode options are locked during a drill. Every graded drill goes
// into the drill history; a review drill takes its questions from the
// history's mistake book instead.
class CtrlsTraining {
public:
    static constexpr int32_t kTimed = CDrill::kTimed;
    static constexpr int32_t kTimeLimited = CDrill::kTimeLimited;
    static constexpr int32_t kScoreOnly = CDrill::kScoreOnly;

    CtrlsTraining(frmTraining& form, QuestionSource questions, SheetTaker takeSheet,
                  CDrillHistory& history);

    void DoFormLoad();
    void DoCreateClicked();
    // "错题重练": up to 30 questions of the mistake book, ready to start.
    void DoReviewClicked();
    // "今日练习": 30 questions of the main window's kind chosen from what the
    // child knows of each of its facts, ready to start.
    void DoDailyPracticeClicked();
    // "掌握情况": the map of what the child knows of the kind's facts.
    void DoMasteryMapClicked();
    // "弱项练习卷": the child's weak and due facts of the kind, with a share of
    // fluent ones, as the main window's sheet.
    void DoWeakSheetClicked();
    // "录入纸上答题": the marks of the last weak-spot sheet of the current child
    // go into the history as a drill on paper.
    void DoPaperAnswersClicked();
    void DoStartClicked();
    void DoFinishClicked();
    void DoQuestionsClicked(int32_t index);
    void DoModesClicked(int32_t index);
    // "选择" 0, "输入" 1; questions ready to start are shown anew for the mode.
    void DoAnswerModesClicked(int32_t index);
    // 一年级 0 … 六年级 5: the year's proposed target into the target box.
    void DoSchoolYearChanged(int32_t index);
    // The child's own fluent time is kept for them.
    void DoFluentSecondsChanged(int32_t seconds);
    // The children of the history: the one chosen brings their answer mode and target.
    void DoChildChanged(int32_t index);
    void DoAddChildClicked();
    void DoRenameChildClicked();
    // Asks first: the child's drills and mistake book go with them.
    void DoRemoveChildClicked();
    void DoDigitClicked(int32_t digit);
    // From the quotient to the remainder of a question that has one.
    void DoRemainderClicked();
    // The decimal point, taken only for a question with decimals.
    void DoPointClicked();
    void DoBackspaceClicked();
    // The sign key `index` of the current question's signs (ShowSignKeys).
    void DoSignClicked(int32_t index);
    // A key of the keyboard that types a sign: < > = + - * /.
    void DoSignKeyDown(char16_t key);
    void DoEnterClicked();
    void DoTimered();
    void DoKeyDown(int32_t keyCode);
    bool IsDoingTraining() const { return m_drill.IsRunning(); }
    // A typing drill waits for an answer.
    bool IsTyping() const { return m_drill.Current().has_value(); }
    // Tests give "读题" a voice of their own.
    CDrillReader& Reader() { return m_reader; }

private:
    bool CreateQuestions();
    bool CreateReviewQuestions();
    struct CKnownFacts {
        CQuestionSet drawn;
        QuestionList facts;
        std::vector<CFactMastery> mastery;
    };
    std::optional<CKnownFacts> KnownFacts(const QString& strUse);
    bool CreateDailyPractice();
    void PrepareQuestionArea();
    bool ShowDrill(std::u16string kind, std::vector<CDrillQuestion> questions,
                   const QString& strFailure);
    std::vector<CDrillQuestion> ReviewQuestions();
    void ShowChildren();
    void KeepChildOptions();
    const CChild& CurrentChild() const;
    void ShowSlots();
    // The question and its answer choices or its empty answer place.
    void ShowSlot(int32_t slot);
    bool IsCurrentWithRemainder() const;
    std::optional<CDecimalUnits> CurrentTypedUnits() const;
    bool IsCurrentDecimal() const;
    bool IsCurrentFraction() const;
    // The signs the current question is answered with; empty for a number
    // and when no question waits.
    std::u16string_view CurrentSigns() const;
    void AddSign(char16_t sign);
    // The sign keys of the question typed for, or of the first question
    // before the start.
    void ShowSignKeys();
    void ShowEntry();
    // The next question after a typed answer that counts.
    void GoOn(int32_t slot, const CAnswer& answer);
    void ShowReady();
    void ShowResults();
    void RecordDrill();
    void ShowHistoryMessage();
    void StartReading();

    frmTraining& m_form;
    QuestionSource m_questions;
    SheetTaker m_takeSheet;
    // The last weak-spot sheet handed on, until its paper answers are kept.
    struct CHandedSheet {
        int64_t child = 0;
        std::u16string kind;
        std::vector<CKeptQuestion> questions;
    };
    std::optional<CHandedSheet> m_handedSheet;
    CDrillHistory& m_history;
    CDrill m_drill;
    CtrlsTimer m_ctrlsTimer;
    CDrillReader m_reader;
    // The keys typed for the current question.
    CAnswerEntry m_entry;
    // As the history listed them last; never empty once the window is loaded.
    std::vector<CChild> m_children;
};

} // namespace kelvo
