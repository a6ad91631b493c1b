#pragma once

#include "generation/GenerationDriver.h"
#include "question/CQuestionData.h"
#include "worksheet/CSheetPlan.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace kelvo {

// How many different questions a kind admits: exactly count, or, where the
// count stopped short of the end of the kind's value space, more than count.
struct CAdmittedCount {
    int64_t count = 0;
    bool isExact = true;

    // Only a count that is known can be too small.
    bool IsFewerThan(int64_t wanted) const { return isExact && count < wanted; }
};

// Counted up to one more than this: no sheet has more cells.
constexpr int64_t MaxCountedQuestions = 100000;
// A kind's count looks at no more operand combinations than this.
constexpr int64_t MaxCountedCombinations = 4000000;

// Walks every template of the kind as its enumerating generator does, so the
// count is exact for every kind that generation enumerates, and for larger
// kinds within the bounds above.
CAdmittedCount CountAdmittedQuestions(const CQuestionData& kind);
// The same for templates already built for a kind.
CAdmittedCount CountAdmittedQuestions(const TemplateList& templates);

// The counts of the kinds a sheet is made of, each worked out once: a kind
// does not change once it is in a plan or on a sheet.
class CAdmittedCounts {
public:
    using Kind = std::shared_ptr<const CQuestionData>;

    // Counted now unless known.
    const CAdmittedCount& Of(const Kind& kind);
    // As Of, counting from the templates made for the kind.
    const CAdmittedCount& Of(const Kind& kind, const TemplateList& templates);
    // nullptr while the kind is not counted.
    const CAdmittedCount* Find(const Kind& kind) const;
    // Forgets the kinds that are not in the plan.
    void KeepOnly(const CSheetPlan& plan);

private:
    std::map<Kind, CAdmittedCount> m_counts;
};

// "该题型只有45道不同的题目，试卷中会有重复。" when the kind admits some
// questions but fewer than wanted; empty otherwise.
std::u16string RepetitionWarning(const CAdmittedCount& admitted, int64_t wanted);

// "45", "多于100000", or "未知" when not one question was met within the bounds.
std::u16string AdmittedCountText(const CAdmittedCount& admitted);

} // namespace kelvo
