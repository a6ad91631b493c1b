#include "drill/FactMastery.h"

#include "foundation/RandomSource.h"
#include "generation/RepeatedRounds.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace kelvo {

namespace {

// Days until the review of a fact in box 1 … TopBox.
constexpr std::array<int32_t, CFactMastery::TopBox + 1> ReviewDays{0, 1, 2, 4, 7, 14};

constexpr double TargetRight = 0.7;
constexpr double FluentRight = 0.95;
// At most one new fact in this many questions.
constexpr int32_t QuestionsPerNewFact = 10;

// The weakest first: missed, slow, then due; within each the longest overdue.
int32_t Urgency(const CFactMastery& fact) {
    switch (fact.State()) {
    case EFactState::Learning:
        return 0;
    case EFactState::Slow:
        return 1;
    default:
        return 2;
    }
}

// A shuffle from the program's random source, then the same facts are set
// apart where exchanging places allows it.
void Shuffle(std::vector<size_t>& practice) {
    for (size_t k = practice.size(); k > 1; --k) {
        const auto j = static_cast<size_t>(RandomFloor(static_cast<int32_t>(k), 0));
        std::swap(practice[k - 1], practice[j]);
    }
    const std::vector<int32_t> ids(practice.begin(), practice.end());
    const std::vector<int32_t> order = TwinsApartOrder(ids, 1);
    for (size_t k = 0; k < practice.size(); ++k) {
        practice[k] = static_cast<size_t>(ids[static_cast<size_t>(order[k])]);
    }
}

} // namespace

void CFactMastery::Record(const CFactAnswer& answer, int32_t fluentMilliseconds) {
    if (!answer.isRight) {
        m_state = EFactState::Learning;
        m_box = 1;
        m_reviewDay = answer.day;
        return;
    }
    if (answer.milliseconds.has_value()) {
        if (m_rightTimes.size() == KeptTimes) {
            m_rightTimes.erase(m_rightTimes.begin());
        }
        m_rightTimes.push_back(*answer.milliseconds);
    }
    const bool isFluent =
        !answer.milliseconds.has_value() || *answer.milliseconds <= fluentMilliseconds;
    if (!isFluent) {
        m_state = EFactState::Slow;
        m_box = std::max(m_box - 1, 1);
    } else {
        const bool isReviewed = m_state == EFactState::Unseen || answer.day >= m_reviewDay;
        m_state = EFactState::Fluent;
        if (isReviewed) {
            m_box = std::min(m_box + 1, TopBox);
        }
    }
    m_reviewDay = answer.day + ReviewDays[static_cast<size_t>(m_box)];
}

std::optional<int32_t> CFactMastery::MedianMilliseconds() const {
    if (m_rightTimes.empty()) {
        return std::nullopt;
    }
    std::vector<int32_t> times = m_rightTimes;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

double ExpectedRight(const CFactMastery& fact, int32_t today) {
    switch (fact.State()) {
    case EFactState::Unseen:
        return 0.6;
    case EFactState::Learning:
        return 0.5;
    case EFactState::Slow:
        return 0.8;
    default:
        return fact.IsDue(today) ? 0.9 : FluentRight;
    }
}

std::vector<size_t> ChooseDailyPractice(const std::vector<CFactMastery>& facts, int32_t today,
                                        int32_t count, uint64_t seed) {
    std::vector<size_t> pressing;
    std::vector<size_t> fresh;
    std::vector<size_t> known;
    for (size_t k = 0; k < facts.size(); ++k) {
        const CFactMastery& fact = facts[k];
        if (fact.State() == EFactState::Unseen) {
            fresh.push_back(k);
        } else if (fact.State() != EFactState::Fluent || fact.IsDue(today)) {
            pressing.push_back(k);
        } else {
            known.push_back(k);
        }
    }
    std::stable_sort(pressing.begin(), pressing.end(), [&](size_t a, size_t b) {
        const CFactMastery& x = facts[a];
        const CFactMastery& y = facts[b];
        return std::pair(Urgency(x), x.ReviewDay()) < std::pair(Urgency(y), y.ReviewDay());
    });
    const auto newFacts = static_cast<size_t>(std::max(count / QuestionsPerNewFact, 1));
    std::vector<size_t> wanted = pressing;
    wanted.insert(wanted.end(), fresh.begin(),
                  fresh.begin() + static_cast<std::ptrdiff_t>(std::min(newFacts, fresh.size())));

    const CSeededRandom random(seed);
    const auto places = static_cast<size_t>(std::max(count, 0));
    std::vector<size_t> practice;
    double expected = 0;
    const auto take = [&](size_t fact) {
        practice.push_back(fact);
        expected += ExpectedRight(facts[fact], today);
    };
    // The places the fluent facts cannot fill go to the wanted ones anyway;
    // beyond them a wanted fact comes in while the places left, all fluent,
    // still bring the practice to the target.
    const size_t required = places - std::min(places, known.size());
    for (const size_t fact : wanted) {
        if (practice.size() == places) {
            break;
        }
        const double left = static_cast<double>(places - practice.size() - 1);
        const bool keepsTarget =
            expected + ExpectedRight(facts[fact], today) + left * FluentRight >=
            TargetRight * count;
        if (practice.size() < required || keepsTarget) {
            take(fact);
        }
    }
    Shuffle(known);
    for (size_t k = 0; k < known.size() && practice.size() < places; ++k) {
        take(known[k]);
    }
    // A child who knows few facts yet meets more new ones before any comes
    // round again; a small kind comes round again.
    for (size_t k = newFacts; k < fresh.size() && practice.size() < places; ++k) {
        take(fresh[k]);
    }
    for (size_t k = 0; !practice.empty() && practice.size() < places; ++k) {
        practice.push_back(practice[k]);
    }
    Shuffle(practice);
    return practice;
}

} // namespace kelvo
