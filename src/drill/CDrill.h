// The drill's rules, outside the windows.
//
//   kept questions --Prepare--> up to 30 slots, two answer choices each
//                               (AnswerChoices; TypicalSlip for teaching choices)
//   Start, Choose(slot, choice) or Type(answer) … Finish
//       --> right, wrong, score, grade, right questions per minute
//   --Record(seconds)--> CDrillRecord, which the drill history keeps
//
// Two answer modes: choosing one of two choices in any order, or typing the
// answers one question after another; a wrong typed answer must be retyped
// as the right one before the next question comes. A division with a
// remainder is answered with both numbers (CAnswer), and only both right count;
// a comparison or an operator question with its signs, an estimate with the
// rounded calculation (FormAnswers).
//
// The training window's controller CtrlsTraining drives one CDrill and asks it
// whether an answer counts, what the results are and what to record; the window
// shows what the controller says. Nothing here knows windows or files; the
// clock that times the answers is handed in.
#pragma once

#include "drill/AnswerChoices.h"
#include "drill/DrillRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvo {

struct CDrillQuestion {
    CKeptQuestion kept;
    // The mistake-book entry of a review question; 0 for others.
    int64_t bookId = 0;
};

// One question frame of the drill: the question, its choices and the one taken.
struct CDrillSlot {
    CDrillQuestion question;
    AnswerChoices choices;
    // 0 or 1; none before the first click.
    std::optional<int32_t> chosen;
    // The first answer typed.
    std::optional<CAnswer> typed;
    // From showing the question to its first answer.
    std::optional<int32_t> milliseconds;

    CAnswer RightAnswer() const { return CAnswer::RightFor(*question.kept.question); }
    bool IsRight() const { return typed ? *typed == RightAnswer() : chosen == choices.RightIndex; }
    // The answer given first (typed) or last (chosen); none when unanswered.
    std::optional<CAnswer> Answer() const;
};

class CDrill {
public:
    // Milliseconds of a clock that never goes back.
    using Clock = std::function<int64_t()>;

    static constexpr int32_t kQuestionCount = 30;
    static constexpr int32_t kTimed = 1;
    static constexpr int32_t kTimeLimited = 2;
    static constexpr int32_t kScoreOnly = 3;
    static constexpr int32_t kChoosing = 1;
    static constexpr int32_t kTyping = 2;
    // A printed sheet, marked afterwards: a question not answered right was missed.
    static constexpr int32_t kOnPaper = 3;

    // What a typed answer did.
    enum class Typed {
        Ignored,    // no drill runs in the typing mode, or all questions are done
        Right,      // right at once: the next question comes
        Wrong,      // the right answer is to be shown and typed
        Corrected,  // the right answer retyped: the next question comes
        StillWrong, // not the right answer that is shown
    };

    explicit CDrill(Clock clock = SteadyMilliseconds);

    // The first 30 questions, none answered, each with its two choices drawn;
    // ready to start when there is any.
    void Prepare(std::u16string kind, std::vector<CDrillQuestion> questions, bool bTeachingChoices);
    // Also restarts a running drill; the answers given so far stand.
    void Start();
    // Takes choice 0 or 1 of a slot while a choosing drill runs; false when it
    // does not count.
    bool Choose(int32_t slot, int32_t choice);
    // The answer to the current question of a typing drill.
    Typed Type(const CAnswer& answer);
    void Finish();
    void SetMode(int32_t mode) { m_mode = mode; }
    // Set before the start; a running drill keeps its answer mode.
    void SetAnswerMode(int32_t answerMode);
    // Right questions per minute the drill is meant to reach.
    void SetTarget(int32_t perMinute) { m_target = perMinute; }

    bool IsReady() const { return m_bReady; }
    bool IsRunning() const { return m_bRunning; }
    int32_t Mode() const { return m_mode; }
    int32_t AnswerMode() const { return m_answerMode; }
    bool TakesTypedAnswers() const { return m_answerMode == kTyping; }
    int32_t Target() const { return m_target; }
    const std::vector<CDrillSlot>& Slots() const { return m_slots; }
    // The slot a running typing drill waits for; none when there is none.
    std::optional<int32_t> Current() const;
    // Of the 30: a frame without a question or an answer counts wrong.
    int32_t Wrong() const;
    // Of the finished drill; none when no time passed.
    std::optional<double> RightPerMinute() const;
    bool ReachesTarget() const;
    // The finished drill; the mode decides which of the clock's seconds it keeps.
    CDrillRecord Record(int32_t timeLimit, int32_t secondsUsed) const;

    static int64_t SteadyMilliseconds();

private:
    // Milliseconds since `since`, within int32_t.
    int32_t Since(int64_t since) const;

    Clock m_clock;
    std::u16string m_kind;
    std::vector<CDrillSlot> m_slots;
    int32_t m_mode = kTimeLimited;
    int32_t m_answerMode = kChoosing;
    int32_t m_target = 0;
    size_t m_current = 0;
    int64_t m_startedAt = 0;
    // When the child could turn to the next question: the start or the last answer taken.
    int64_t m_shownAt = 0;
    std::optional<int32_t> m_millisecondsUsed;
    bool m_bReady = false;
    bool m_bRunning = false;
};

// 0 … 100 for a drill with `wrong` wrong questions out of 30, rounded down.
int32_t DrillScore(int32_t wrong);
// "状元" … "婴儿" for a drill with `wrong` wrong questions out of 30.
std::u16string GradeName(int32_t wrong);

} // namespace kelvo
