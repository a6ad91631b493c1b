#pragma once

#include "question/CQuestionData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelvo::testing {

struct KindRange {
    int32_t lower;
    int32_t upper;
    int32_t multipleOf = 1;
};

inline std::shared_ptr<CValueLimit> MakeLimit(KindRange range) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(range.lower);
    limit->SetUpperLimit(range.upper);
    limit->SetMultipleOf(range.multipleOf);
    return limit;
}

// A question description as the panel or a preset gives it: gaps[k] is the
// operator pattern between operand k + 1 and k + 2 ("＋－$$").
inline std::shared_ptr<CQuestionData> MakeKind(const std::vector<KindRange>& operands,
                                               const std::vector<std::u16string>& gaps,
                                               KindRange result, int32_t cbr = 0,
                                               std::u16string title = {}) {
    auto kind = std::make_shared<CQuestionData>();
    kind->SetTitle(std::move(title));
    for (size_t k = 0; k < operands.size(); ++k) {
        if (k > 0) {
            kind->AddOperator(gaps.at(k - 1));
        }
        kind->AddLimit(MakeLimit(operands[k]));
    }
    kind->SetResultLimit(MakeLimit(result));
    kind->SetCbr(cbr);
    return kind;
}

} // namespace kelvo::testing
