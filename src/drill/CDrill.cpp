#include "drill/CDrill.h"

#include "drill/SpeedTarget.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <utility>

namespace kelvo {

std::optional<CAnswer> CDrillSlot::Answer() const {
    if (typed) {
        return typed;
    }
    return chosen ? std::optional(choices.Answer(static_cast<size_t>(*chosen))) : std::nullopt;
}

CDrill::CDrill(Clock clock) : m_clock(std::move(clock)) {}

int64_t CDrill::SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int32_t CDrill::Since(int64_t since) const {
    return static_cast<int32_t>(
        std::clamp<int64_t>(m_clock() - since, 0, std::numeric_limits<int32_t>::max()));
}

void CDrill::Prepare(std::u16string kind, std::vector<CDrillQuestion> questions,
                     bool bTeachingChoices) {
    m_kind = std::move(kind);
    m_slots.clear();
    const auto used = std::min(questions.size(), static_cast<size_t>(kQuestionCount));
    for (size_t k = 0; k < used; ++k) {
        const CKeptQuestion& kept = questions[k].kept;
        const AnswerChoices choices = bTeachingChoices
                                          ? MakeTeachingChoices(*kept.question, kept.resultLimit)
                                          : MakeAnswerChoices(*kept.question, kept.resultLimit);
        m_slots.push_back(
            {std::move(questions[k]), choices, std::nullopt, std::nullopt, std::nullopt});
    }
    m_current = 0;
    m_millisecondsUsed.reset();
    m_bReady = !m_slots.empty();
}

void CDrill::Start() {
    m_startedAt = m_clock();
    m_shownAt = m_startedAt;
    m_bRunning = true;
}

void CDrill::SetAnswerMode(int32_t answerMode) {
    if (!m_bRunning) {
        m_answerMode = answerMode;
    }
}

bool CDrill::Choose(int32_t slot, int32_t choice) {
    if (!m_bRunning || TakesTypedAnswers() || slot < 0 ||
        static_cast<size_t>(slot) >= m_slots.size() || (choice != 0 && choice != 1)) {
        return false;
    }
    CDrillSlot& frame = m_slots[static_cast<size_t>(slot)];
    if (!frame.chosen) {
        frame.milliseconds = Since(m_shownAt);
        m_shownAt = m_clock();
    }
    frame.chosen = choice;
    return true;
}

CDrill::Typed CDrill::Type(const CAnswer& answer) {
    if (!Current()) {
        return Typed::Ignored;
    }
    CDrillSlot& slot = m_slots[m_current];
    const bool right = answer == slot.RightAnswer();
    const bool first = !slot.typed;
    if (first) {
        slot.typed = answer;
        slot.milliseconds = Since(m_shownAt);
    }
    if (!right) {
        return first ? Typed::Wrong : Typed::StillWrong;
    }
    // Retyping the right answer belongs to this question, not to the next one.
    ++m_current;
    m_shownAt = m_clock();
    return first ? Typed::Right : Typed::Corrected;
}

std::optional<int32_t> CDrill::Current() const {
    if (!m_bRunning || !TakesTypedAnswers() || m_current >= m_slots.size()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(m_current);
}

void CDrill::Finish() {
    if (m_bRunning) {
        m_millisecondsUsed = Since(m_startedAt);
    }
    m_bRunning = false;
    m_bReady = false;
}

int32_t CDrill::Wrong() const {
    return kQuestionCount -
           static_cast<int32_t>(std::ranges::count_if(m_slots, &CDrillSlot::IsRight));
}

std::optional<double> CDrill::RightPerMinute() const {
    return kelvo::RightPerMinute(kQuestionCount - Wrong(), m_millisecondsUsed);
}

bool CDrill::ReachesTarget() const {
    const std::optional<double> rate = RightPerMinute();
    return rate && *rate >= m_target;
}

CDrillRecord CDrill::Record(int32_t timeLimit, int32_t secondsUsed) const {
    const int32_t wrong = Wrong();
    CDrillRecord record{{m_kind, m_mode, std::nullopt, std::nullopt, kQuestionCount - wrong, wrong,
                         DrillScore(wrong), GradeName(wrong), m_answerMode, m_millisecondsUsed,
                         m_target},
                        {},
                        {},
                        {}};
    if (m_mode != kScoreOnly) {
        record.result.secondsUsed = secondsUsed;
    }
    if (m_mode == kTimeLimited) {
        record.result.timeLimit = timeLimit;
    }
    for (const CDrillSlot& slot : m_slots) {
        record.answers.push_back({slot.question.kept, slot.Answer(), slot.milliseconds});
        if (!slot.IsRight()) {
            record.missed.push_back({slot.question.kept, slot.Answer()});
        } else if (slot.question.bookId != 0) {
            record.reviewedRight.push_back(slot.question.bookId);
        }
    }
    return record;
}

int32_t DrillScore(int32_t wrong) {
    return (CDrill::kQuestionCount - wrong) * 100 / CDrill::kQuestionCount;
}

std::u16string GradeName(int32_t wrong) {
    // Index = wrong questions; 7 to 10, 11 to 15 and 16 or more share a grade.
    static constexpr std::array<const char16_t*, 7> kTopGrades{u"状元",   u"榜眼", u"探花", u"进士",
                                                               u"同进士", u"举人", u"秀才"};
    return wrong <= 6    ? kTopGrades[static_cast<size_t>(wrong)]
           : wrong <= 10 ? u"童生"
           : wrong <= 15 ? u"启蒙"
                         : u"婴儿";
}

} // namespace kelvo
