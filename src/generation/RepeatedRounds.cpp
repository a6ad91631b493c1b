#include "generation/RepeatedRounds.h"

#include "foundation/RandomSource.h"
#include "foundation/UserInterfaceYield.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace kelvo {

namespace {

// The search yields at every multiple of this many cells.
constexpr int32_t YieldInterval = 2000;
// Questions tried per cell, on average, before the search stops looking back:
// ample for every shape that allows a separation, small enough for the largest
// sheet.
constexpr int64_t TriesPerCell = 64;

// Every round after the first, each shuffled anew; the last may be cut short.
std::vector<int32_t> ShuffledRounds(int32_t count, int32_t wanted) {
    const int32_t roundCount = (wanted + count - 1) / count;
    std::vector<int32_t> order(static_cast<size_t>(roundCount) * static_cast<size_t>(count));
    for (int32_t start = 0; start < static_cast<int32_t>(order.size()); start += count) {
        const auto first = order.begin() + start;
        std::iota(first, first + count, 0);
        if (start == 0) {
            continue;
        }
        for (int32_t i = 0; i < count - 1; ++i) {
            std::swap(first[i], first[RandomFloor(count - i, i)]);
        }
    }
    return order;
}

// Places every cell from the second round on with a question of its round
// that differs from the cell to its left and the cell above, trying the round's
// remaining questions in their shuffled order and going back a cell where none
// fits. Every round stays a permutation throughout, so giving up anywhere
// leaves whole rounds behind.
class CSeparatingSearch {
public:
    CSeparatingSearch(std::vector<int32_t>& order, int32_t count, int32_t wanted, int32_t columns)
        : m_order(order), m_count(count), m_wanted(wanted), m_columns(columns),
          m_nextTry(order.size()), m_chosen(order.size()),
          m_triesLeft(TriesPerCell * static_cast<int64_t>(wanted)) {}

    void Run() {
        int32_t cell = m_count;
        // Cells before this one are not looked at again.
        int32_t floor = m_count;
        m_nextTry[At(cell)] = cell;
        while (cell < m_wanted) {
            if (Place(cell)) {
                ++cell;
            } else if (cell > floor && m_triesLeft > 0) {
                --cell;
                std::swap(m_order[At(cell)], m_order[At(m_chosen[At(cell)])]);
                continue;
            } else {
                // Nothing fits even after looking back: the cell keeps what it has.
                floor = ++cell;
            }
            if (cell < static_cast<int32_t>(m_order.size())) {
                m_nextTry[At(cell)] = cell;
            }
            if (cell % YieldInterval == 0) {
                YieldToUserInterface();
            }
        }
    }

private:
    static size_t At(int32_t cell) { return static_cast<size_t>(cell); }

    bool Fits(int32_t cell, int32_t question) const {
        const bool besideLeft = cell % m_columns != 0 && m_order[At(cell - 1)] == question;
        const bool belowAbove = cell >= m_columns && m_order[At(cell - m_columns)] == question;
        return !besideLeft && !belowAbove;
    }

    // Moves the next fitting question of the round's rest into the cell.
    bool Place(int32_t cell) {
        const int32_t roundEnd = (cell / m_count + 1) * m_count;
        for (int32_t k = m_nextTry[At(cell)]; k < roundEnd; ++k) {
            --m_triesLeft;
            if (Fits(cell, m_order[At(k)])) {
                std::swap(m_order[At(cell)], m_order[At(k)]);
                m_chosen[At(cell)] = k;
                m_nextTry[At(cell)] = k + 1;
                return true;
            }
        }
        return false;
    }

    std::vector<int32_t>& m_order;
    int32_t m_count;
    int32_t m_wanted;
    int32_t m_columns;
    std::vector<int32_t> m_nextTry;
    std::vector<int32_t> m_chosen;
    int64_t m_triesLeft;
};

// Cells whose entry shares its id with a neighbour take the entry of another
// cell, drawn at random, where neither cell then has such a neighbour; each
// exchange leaves fewer twins, never more.
class CTwinSeparation {
public:
    CTwinSeparation(const std::vector<int32_t>& ids, int32_t columns)
        : m_ids(ids), m_columns(columns), m_order(ids.size()) {
        std::iota(m_order.begin(), m_order.end(), 0);
    }

    std::vector<int32_t> Run() {
        const auto count = static_cast<int32_t>(m_order.size());
        for (int32_t cell = 0; cell < count; ++cell) {
            for (int32_t draw = 0; draw < DrawsPerTwin && HasTwin(cell); ++draw) {
                const int32_t other = RandomFloor(count, 0);
                Exchange(cell, other);
                if (HasTwin(cell) || HasTwin(other)) {
                    Exchange(cell, other);
                }
            }
            if (cell % YieldInterval == 0) {
                YieldToUserInterface();
            }
        }
        return std::move(m_order);
    }

private:
    // Cells tried for one cell with a twin beside it.
    static constexpr int32_t DrawsPerTwin = 64;

    int32_t IdAt(int32_t cell) const { return m_ids[static_cast<size_t>(m_order[At(cell)])]; }
    static size_t At(int32_t cell) { return static_cast<size_t>(cell); }
    void Exchange(int32_t a, int32_t b) { std::swap(m_order[At(a)], m_order[At(b)]); }

    bool HasTwin(int32_t cell) const {
        const auto count = static_cast<int32_t>(m_order.size());
        const int32_t id = IdAt(cell);
        const int32_t column = cell % m_columns;
        return (column > 0 && IdAt(cell - 1) == id) ||
               (column + 1 < m_columns && cell + 1 < count && IdAt(cell + 1) == id) ||
               (cell >= m_columns && IdAt(cell - m_columns) == id) ||
               (cell + m_columns < count && IdAt(cell + m_columns) == id);
    }

    const std::vector<int32_t>& m_ids;
    int32_t m_columns;
    std::vector<int32_t> m_order;
};

} // namespace

std::vector<int32_t> TwinsApartOrder(const std::vector<int32_t>& ids, int32_t columns) {
    return CTwinSeparation(ids, std::max(columns, 1)).Run();
}

std::vector<int32_t> RepeatedRounds(int32_t count, int32_t wanted, int32_t columns) {
    if (count <= 0 || wanted <= count) {
        std::vector<int32_t> order(static_cast<size_t>(std::max(count, 0)));
        std::iota(order.begin(), order.end(), 0);
        return order;
    }
    std::vector<int32_t> order = ShuffledRounds(count, wanted);
    if (count > 1) {
        CSeparatingSearch(order, count, wanted, std::max(columns, 1)).Run();
    }
    order.resize(static_cast<size_t>(wanted));
    return order;
}

} // namespace kelvo
