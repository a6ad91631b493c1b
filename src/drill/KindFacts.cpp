#include "drill/KindFacts.h"

#include "foundation/TextNumber.h"

#include <algorithm>

namespace kelvo {

std::u16string FactKey(const CExprValue& question) {
    std::u16string key;
    for (const CExprValue::OperandValue& operand : question.OperandValues()) {
        if (!key.empty()) {
            key += u' ';
        }
        AppendDecimalText(key, operand[0]);
        key += u':';
        AppendDecimalText(key, operand[1]);
    }
    const Parentheses group = question.Grouping();
    if (!group.IsNone()) {
        key += u" (";
        AppendDecimalText(key, group.first);
        key += u'-';
        AppendDecimalText(key, group.last);
        key += u')';
    }
    return key;
}

std::optional<QuestionList> ListFacts(const CQuestionSet& drawn) {
    // The first round of the drawn questions holds each question once.
    if (drawn.end != GenerationEnd::Complete || drawn.generatedCount > MaxListedFacts ||
        drawn.generatedCount == 0) {
        return std::nullopt;
    }
    std::vector<std::shared_ptr<CExprValue>> facts;
    for (int32_t i = 1; i <= drawn.generatedCount; ++i) {
        facts.push_back(drawn.questions.Item(i));
    }
    std::ranges::sort(facts, [](const auto& a, const auto& b) {
        const auto x = a->OperandValues();
        const auto y = b->OperandValues();
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end());
    });
    QuestionList list;
    for (auto& fact : facts) {
        list.Add(std::move(fact));
    }
    return list;
}

} // namespace kelvo
