#include "worksheet/AdmittedCount.h"

#include "foundation/RandomSource.h"
#include "generation/ComparisonPairs.h"
#include "generation/QuestionCount.h"
#include "question/QuestionTemplates.h"

#include <algorithm>

namespace kelvo {

namespace {

std::u16string NumberText(int64_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// The pairs of a pool short of the whole kind are some of the kind's, so
// there are more than one fewer. The pool is drawn from a seed of its own:
// counting leaves no trace on the sheet drawn next.
CAdmittedCount CountComparisons(const TemplateList& templates) {
    const CSeededRandom unseen(0);
    const CComparisonPool pool = DrawComparisonPool(templates, nullptr);
    const int64_t pairs = CountComparisonPairs(pool);
    return pool.isWhole ? CAdmittedCount{pairs, true} : CAdmittedCount{pairs - 1, false};
}

} // namespace

CAdmittedCount CountAdmittedQuestions(const CQuestionData& kind) {
    std::u16string errorText;
    return CountAdmittedQuestions(QuestionTemplates(kind, errorText));
}

CAdmittedCount CountAdmittedQuestions(const TemplateList& templates) {
    if (ComparesQuestions(templates)) {
        return CountComparisons(templates);
    }
    int64_t questions = 0;
    int64_t combinations = 0;
    for (const auto& expression : templates) {
        const CWalkCount count = CountTemplateQuestions(
            *expression, MaxCountedQuestions - questions, MaxCountedCombinations - combinations);
        questions += count.questions;
        combinations += count.combinations;
        if (!count.isComplete) {
            // At least `questions` are known, so there are more than one fewer.
            return {questions - 1, false};
        }
    }
    return {questions, true};
}

const CAdmittedCount& CAdmittedCounts::Of(const Kind& kind) {
    auto found = m_counts.find(kind);
    if (found == m_counts.end()) {
        found = m_counts.emplace(kind, CountAdmittedQuestions(*kind)).first;
    }
    return found->second;
}

const CAdmittedCount& CAdmittedCounts::Of(const Kind& kind, const TemplateList& templates) {
    auto found = m_counts.find(kind);
    if (found == m_counts.end()) {
        found = m_counts.emplace(kind, CountAdmittedQuestions(templates)).first;
    }
    return found->second;
}

const CAdmittedCount* CAdmittedCounts::Find(const Kind& kind) const {
    const auto found = m_counts.find(kind);
    return found == m_counts.end() ? nullptr : &found->second;
}

void CAdmittedCounts::KeepOnly(const CSheetPlan& plan) {
    std::erase_if(m_counts, [&](const auto& entry) {
        return std::none_of(
            plan.Sections().begin(), plan.Sections().end(),
            [&](const CSheetSection& section) { return section.kind == entry.first; });
    });
}

std::u16string RepetitionWarning(const CAdmittedCount& admitted, int64_t wanted) {
    if (admitted.count <= 0 || !admitted.IsFewerThan(wanted)) {
        return {};
    }
    return u"该题型只有" + NumberText(admitted.count) + u"道不同的题目，试卷中会有重复。";
}

std::u16string AdmittedCountText(const CAdmittedCount& admitted) {
    if (admitted.isExact) {
        return NumberText(admitted.count);
    }
    return admitted.count < 0 ? u"未知" : u"多于" + NumberText(admitted.count);
}

} // namespace kelvo
