#include "generation/TemplateExpansion.h"

#include "number/OperatorCodes.h"

#include <algorithm>

namespace kelvo {

namespace {

constexpr size_t MaxGapCount = 3;

} // namespace

std::vector<OperandList> ExpandTemplates(const OperandList& operands,
                                         const std::vector<std::u16string>& operatorSets,
                                         std::u16string& strErrorInfo) {
    if (operands.size() != operatorSets.size() + 1 && operands.size() < 2) {
        return {};
    }
    return ApplyOperatorStrings(operands, ExpandOperatorSets(operatorSets, strErrorInfo));
}

std::vector<std::u16string> ExpandOperatorSets(const std::vector<std::u16string>& operatorSets,
                                               std::u16string& strErrorInfo) {
    if (operatorSets.empty() || operatorSets.size() > MaxGapCount) {
        return {};
    }
    const bool anyEmpty = std::any_of(operatorSets.begin(), operatorSets.end(),
                                      [](const std::u16string& set) { return set.empty(); });
    if (anyEmpty) {
        strErrorInfo = NoOperatorErrorText;
        return {};
    }
    std::vector<std::u16string> strings = {u""};
    for (const std::u16string& set : operatorSets) {
        std::vector<std::u16string> longer;
        longer.reserve(strings.size() * set.size());
        for (const std::u16string& prefix : strings) {
            for (const char16_t op : set) {
                longer.push_back(prefix + op);
            }
        }
        strings = std::move(longer);
    }
    return strings;
}

std::vector<OperandList> ApplyOperatorStrings(const OperandList& operands,
                                              const std::vector<std::u16string>& operatorStrings) {
    std::vector<OperandList> lists;
    if (operands.empty()) {
        return lists;
    }
    lists.reserve(operatorStrings.size());
    for (const std::u16string& ops : operatorStrings) {
        OperandList list = {operands.front()};
        for (size_t k = 1; k < operands.size(); ++k) {
            auto operand = operands[k]->Clone();
            const bool present = k - 1 < ops.size();
            operand->SetLeftOperator(present ? OperatorCode(std::u16string_view(&ops[k - 1], 1))
                                             : Op::None);
            list.push_back(std::move(operand));
        }
        lists.push_back(std::move(list));
    }
    return lists;
}

} // namespace kelvo
