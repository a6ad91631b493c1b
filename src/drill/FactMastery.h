// How well a child knows each fact of a kind (7＋8, 6×7), from the answers
// given to it, and the short daily practice chosen from that knowledge.
//
// Each fact sits in a box of a Leitner system. A fluent answer (right within
// the child's time) on or after the fact's review day moves it one box up,
// and the next review waits longer (1, 2, 4, 7, then 14 days); a slow answer
// moves it one box down, a miss back to the first box, due again at once.
// A right answer on paper counts as fluent; only answers on screen have times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace kelvo {

// As the map colours a fact.
enum class EFactState { Unseen, Learning, Slow, Fluent };

// One answer to a fact, on a day counted from 1970-01-01 in local time.
struct CFactAnswer {
    int32_t day = 0;
    bool isRight = false;
    // Without a time (a sheet marked on paper) a right answer counts as
    // fluent: paper gives no time to hold against the child.
    std::optional<int32_t> milliseconds;
};

class CFactMastery {
public:
    static constexpr int32_t TopBox = 5;
    // A right answer within this time is fluent.
    static constexpr int32_t DefaultFluentMilliseconds = 3000;
    // The times of the latest right answers it keeps for its median.
    static constexpr size_t KeptTimes = 20;

    CFactMastery() = default;
    // As the drill history keeps it.
    CFactMastery(EFactState state, int32_t box, int32_t reviewDay, std::vector<int32_t> rightTimes)
        : m_state(state), m_box(box), m_reviewDay(reviewDay), m_rightTimes(std::move(rightTimes)) {}

    // Answers come in the order they were given.
    void Record(const CFactAnswer& answer, int32_t fluentMilliseconds);

    EFactState State() const { return m_state; }
    // 0 while unseen, else 1 … TopBox.
    int32_t Box() const { return m_box; }
    // The day the fact should come back; a fact not yet seen is never due.
    int32_t ReviewDay() const { return m_reviewDay; }
    bool IsDue(int32_t today) const {
        return m_state != EFactState::Unseen && m_reviewDay <= today;
    }
    // The middle of the times of its latest right answers; none before the first.
    std::optional<int32_t> MedianMilliseconds() const;
    // Oldest first, at most KeptTimes.
    const std::vector<int32_t>& RightTimes() const { return m_rightTimes; }

private:
    EFactState m_state = EFactState::Unseen;
    int32_t m_box = 0;
    int32_t m_reviewDay = 0;
    std::vector<int32_t> m_rightTimes;
};

// The chance a child answers a fact of the state right, as the daily practice
// reckons it; a due fluent fact is a little less sure than a fresh one.
double ExpectedRight(const CFactMastery& fact, int32_t today);

// Today's practice of count questions, as places in the kind's list of facts:
// the facts that are weak (missed or slow) or due first, the most pressing
// first, a few new ones, and enough fluent ones that about seven answers in
// ten are expected right. Fewer facts than questions come round again. The
// order is shuffled from the seed, with no fact twice in a row where the
// facts allow it.
std::vector<size_t> ChooseDailyPractice(const std::vector<CFactMastery>& facts, int32_t today,
                                        int32_t count, uint64_t seed);

} // namespace kelvo
