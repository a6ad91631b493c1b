// The drill's rules, outside the windows.
//
//   kept questions --Prepare--> up to 30 slots, two answer choices each
//                               (AnswerChoices; TypicalSlip for teaching choices)
//   Start, Choose(slot, choice) … Finish --> right, wrong, score, grade
//   --Record(seconds)--> CDrillRecord, which the drill history keeps
//
// The training window's controller CtrlsTraining drives one CDrill and asks it
// whether a click counts, what the results are and what to record; the window
// shows what the controller says. Nothing here knows windows, clocks or files.
#pragma once

#include "drill/AnswerChoices.h"
#include "drill/DrillRecord.h"

#include <cstdint>
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

    bool IsRight() const { return chosen == choices.RightIndex; }
};

class CDrill {
public:
    static constexpr int32_t kQuestionCount = 30;
    static constexpr int32_t kTimed = 1;
    static constexpr int32_t kTimeLimited = 2;
    static constexpr int32_t kScoreOnly = 3;

    // The first 30 questions, none answered, each with its two choices drawn;
    // ready to start when there is any.
    void Prepare(std::u16string kind, std::vector<CDrillQuestion> questions, bool bTeachingChoices);
    // Also restarts a running drill; the answers given so far stand.
    void Start();
    // Takes choice 0 or 1 of a slot while the drill runs; false when it does not count.
    bool Choose(int32_t slot, int32_t choice);
    void Finish();
    void SetMode(int32_t mode) { m_mode = mode; }

    bool IsReady() const { return m_bReady; }
    bool IsRunning() const { return m_bRunning; }
    int32_t Mode() const { return m_mode; }
    const std::vector<CDrillSlot>& Slots() const { return m_slots; }
    // Of the 30: a frame without a question or an answer counts wrong.
    int32_t Wrong() const;
    // The finished drill; the mode decides which of the clock's seconds it keeps.
    CDrillRecord Record(int32_t timeLimit, int32_t secondsUsed) const;

private:
    std::u16string m_kind;
    std::vector<CDrillSlot> m_slots;
    int32_t m_mode = kTimeLimited;
    bool m_bReady = false;
    bool m_bRunning = false;
};

// 0 … 100 for a drill with `wrong` wrong questions out of 30, rounded down.
int32_t DrillScore(int32_t wrong);
// "状元" … "婴儿" for a drill with `wrong` wrong questions out of 30.
std::u16string GradeName(int32_t wrong);

} // namespace kelvo
