#include "drill/CDrill.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kelvo {

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
        m_slots.push_back({std::move(questions[k]), choices, std::nullopt});
    }
    m_bReady = !m_slots.empty();
}

void CDrill::Start() {
    m_bRunning = true;
}

bool CDrill::Choose(int32_t slot, int32_t choice) {
    if (!m_bRunning || slot < 0 || static_cast<size_t>(slot) >= m_slots.size() ||
        (choice != 0 && choice != 1)) {
        return false;
    }
    m_slots[static_cast<size_t>(slot)].chosen = choice;
    return true;
}

void CDrill::Finish() {
    m_bRunning = false;
    m_bReady = false;
}

int32_t CDrill::Wrong() const {
    return kQuestionCount -
           static_cast<int32_t>(std::ranges::count_if(m_slots, &CDrillSlot::IsRight));
}

CDrillRecord CDrill::Record(int32_t timeLimit, int32_t secondsUsed) const {
    const int32_t wrong = Wrong();
    CDrillRecord record{{m_kind, m_mode, std::nullopt, std::nullopt, kQuestionCount - wrong, wrong,
                         DrillScore(wrong), GradeName(wrong)},
                        {},
                        {}};
    if (m_mode != kScoreOnly) {
        record.result.secondsUsed = secondsUsed;
    }
    if (m_mode == kTimeLimited) {
        record.result.timeLimit = timeLimit;
    }
    for (const CDrillSlot& slot : m_slots) {
        if (!slot.IsRight()) {
            record.missed.push_back(
                {slot.question.kept,
                 slot.chosen ? std::optional(slot.choices.Values[static_cast<size_t>(*slot.chosen)])
                             : std::nullopt});
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
