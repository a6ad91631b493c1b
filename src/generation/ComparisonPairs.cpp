#include "generation/ComparisonPairs.h"

#include "foundation/RandomSource.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <utility>
#include <vector>

namespace kelvo {

namespace {

// The pool's questions in order of value.
class CValueOrder {
public:
    explicit CValueOrder(const CComparisonPool& pool) {
        for (int32_t k = 1; k <= pool.count; ++k) {
            m_entries.push_back({pool.questions.Item(k)->ResultValue(), k});
        }
        std::ranges::sort(m_entries);
    }

    // How many questions a left side of value may be set against.
    int64_t RightSideCount(int32_t value) const {
        const int32_t reach = ComparisonReach(value);
        return Lower(value + reach + 1) - Lower(value - reach) - 1;
    }

    // A right side for the left side of value at place in the pool: the sign
    // drawn among ＞ (a smaller value), ＜ (a larger one) and ＝ (the same
    // value, not the left side itself) where there is a question to give it,
    // then a question that gives it.
    int32_t DrawRightSide(int32_t value, int32_t place) const {
        const int32_t reach = ComparisonReach(value);
        const auto equal = Lower(value);
        const auto larger = Lower(value + 1);
        using Range = std::pair<Iterator, Iterator>;
        std::vector<Range> signs;
        for (const Range& range : std::array<Range, 3>{{{Lower(value - reach), equal},
                                                        {larger, Lower(value + reach + 1)},
                                                        {equal, larger - 1}}}) {
            if (range.first < range.second) {
                signs.push_back(range);
            }
        }
        const auto& [first, last] = signs[DrawIndex(signs.size())];
        const auto drawn = first + static_cast<std::ptrdiff_t>(DrawIndex(last - first));
        // Among equal values the left side's place is taken by the last one.
        return drawn->place == place ? (larger - 1)->place : drawn->place;
    }

private:
    struct CEntry {
        int32_t value;
        int32_t place;
        auto operator<=>(const CEntry&) const = default;
    };
    using Iterator = std::vector<CEntry>::const_iterator;

    static size_t DrawIndex(std::integral auto size) {
        return static_cast<size_t>(RandomFloor(static_cast<int32_t>(size), 0));
    }

    Iterator Lower(int32_t value) const {
        return std::ranges::lower_bound(m_entries, value, {}, &CEntry::value);
    }

    std::vector<CEntry> m_entries;
};

} // namespace

bool ComparesQuestions(const TemplateList& templates) {
    return !templates.empty() && templates.front()->Form() == QuestionForm::CompareQuestions;
}

CComparisonPool DrawComparisonPool(const TemplateList& templates, CInfoReceiver* receiver) {
    CComparisonPool pool;
    pool.questions =
        GenerateQuestions(templates, ComparisonPoolSize, &pool.count, receiver, &pool.end);
    // Only an enumerated kind is known to be whole when it falls short.
    pool.isWhole = pool.count < ComparisonPoolSize && pool.end == GenerationEnd::Complete &&
                   std::ranges::all_of(templates, [](const auto& expression) {
                       return expression->GetPermCombineTimes() <= CExpression::EnumerationLimit;
                   });
    return pool;
}

int64_t CountComparisonPairs(const CComparisonPool& pool) {
    const CValueOrder order(pool);
    int64_t pairs = 0;
    for (int32_t k = 1; k <= pool.count; ++k) {
        pairs += order.RightSideCount(pool.questions.Item(k)->ResultValue());
    }
    return pairs;
}

QuestionList PairComparisons(const CComparisonPool& pool, int32_t wanted) {
    const CValueOrder order(pool);
    std::vector<int32_t> lefts;
    for (int32_t k = 1; k <= pool.count; ++k) {
        if (order.RightSideCount(pool.questions.Item(k)->ResultValue()) > 0) {
            lefts.push_back(k);
        }
    }
    QuestionList questions;
    if (lefts.empty()) {
        return questions;
    }
    questions.EnsureCapacity(wanted);
    ReseedRandomFromClock();
    for (int32_t k = 0; k < wanted; ++k) {
        const int32_t place = lefts[static_cast<size_t>(k) % lefts.size()];
        auto question = std::make_shared<CExprValue>(*pool.questions.Item(place));
        question->SetComparedQuestion(
            pool.questions.Item(order.DrawRightSide(question->ResultValue(), place)));
        questions.Add(std::move(question));
    }
    return questions;
}

} // namespace kelvo
