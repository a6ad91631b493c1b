#pragma once

#include "foundation/RandomSource.h"
#include "number/COperand.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace kelvo {

// The values an operand's limit admits, as an arithmetic progression:
// First() + i * Step() for i = 0 .. Count() - 1. An operand that admits no value
// has Count() 0, so a loop over it never runs.
class CValueProgression {
public:
    explicit CValueProgression(const COperand& operand) {
        int32_t last = -1;
        operand.Limit()->GetFirstLastValue(m_first, last);
        m_step = operand.MultipleOf();
        m_count = operand.Limit()->Count();
    }

    int32_t First() const { return m_first; }
    int32_t Step() const { return m_step; }
    int32_t Count() const { return m_count; }
    int32_t Value(int32_t i) const { return m_first + i * m_step; }

private:
    int32_t m_first = -1;
    int32_t m_step = 1;
    int32_t m_count = 0;
};

// The test that an enumerated result must pass: a multiple of the result's
// step, inside its bounds, and 0 only without a step. A step below 1 admits
// nothing (rather than dividing by zero).
class CResultFilter {
public:
    explicit CResultFilter(const COperand& result)
        : m_step(result.MultipleOf()), m_lower(result.LowerLimit()), m_upper(result.UpperLimit()) {}

    bool Admits(int32_t r) const {
        return m_step >= 1 && r % m_step == 0 && m_lower <= r && r <= m_upper &&
               (r != 0 || m_step == 1);
    }

private:
    int32_t m_step;
    int32_t m_lower;
    int32_t m_upper;
};

// The enumerated questions of one template. Draw picks one undrawn entry
// uniformly, exchanges it with the last undrawn entry and shortens the undrawn
// part by one, so no entry is drawn twice.
template <size_t N>
class CCandidateTable {
public:
    using Candidate = std::array<int32_t, N>;

    void Reserve(uint64_t n) {
        m_items.reserve(static_cast<size_t>(std::min<uint64_t>(n, ReserveBound)));
    }
    void Add(const Candidate& candidate) {
        m_items.push_back(candidate);
        m_remaining = static_cast<int32_t>(m_items.size());
    }

    // The drawn entry, or nullptr when every entry has been drawn.
    const Candidate* Draw() {
        if (m_remaining == 0) {
            return nullptr;
        }
        ReseedRandomFromClock();
        const int32_t k = RandomFloor(m_remaining, 1);
        std::swap(m_items[static_cast<size_t>(k - 1)],
                  m_items[static_cast<size_t>(m_remaining - 1)]);
        --m_remaining;
        return &m_items[static_cast<size_t>(m_remaining)];
    }

private:
    // Enumeration never looks at more combinations than this.
    static constexpr uint64_t ReserveBound = 10000;

    std::vector<Candidate> m_items;
    int32_t m_remaining = 0;
};

// How far a walk over a template's value space got: the admissible questions
// it met and the operand combinations it looked at; complete when it reached
// the end of the space.
struct CWalkCount {
    int64_t questions = 0;
    int64_t combinations = 0;
    bool isComplete = false;
};

// One walk over a template's value space, operand 1 outermost. A generator's
// walk keeps every admissible question in its table and goes to the end; a
// count keeps none and may be bounded: it ends once it has met more than
// maxQuestions questions, or before a run of combinations that would take it
// past maxCombinations.
template <size_t N>
class CCandidateWalk {
public:
    using Candidate = std::array<int32_t, N>;

    explicit CCandidateWalk(CCandidateTable<N>& table) : m_table(&table) {}
    CCandidateWalk(int64_t maxQuestions, int64_t maxCombinations)
        : m_maxQuestions(maxQuestions), m_maxCombinations(maxCombinations) {}

    // Before a run of the innermost operand's values; false ends the walk.
    bool BeginRun(int32_t combinations) {
        if (combinations > m_maxCombinations - m_count.combinations) {
            return false;
        }
        m_count.combinations += combinations;
        return true;
    }
    // An admissible question; false ends the walk.
    bool Admit(const Candidate& candidate) {
        if (m_table != nullptr) {
            m_table->Add(candidate);
        }
        return ++m_count.questions <= m_maxQuestions;
    }
    void Complete() { m_count.isComplete = true; }

    const CWalkCount& Count() const { return m_count; }

private:
    static constexpr int64_t Unbounded = std::numeric_limits<int64_t>::max();

    CCandidateTable<N>* m_table = nullptr;
    int64_t m_maxQuestions = Unbounded;
    int64_t m_maxCombinations = Unbounded;
    CWalkCount m_count;
};

} // namespace kelvo
