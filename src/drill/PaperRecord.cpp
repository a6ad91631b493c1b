#include "drill/PaperRecord.h"

#include "drill/CAnswer.h"
#include "drill/CDrill.h"

#include <algorithm>

namespace kelvo {

CDrillRecord PaperRecord(const std::u16string& kind, const std::vector<CKeptQuestion>& questions,
                         const std::vector<bool>& missed) {
    const auto wrong = static_cast<int32_t>(std::ranges::count(missed, true));
    const auto count = static_cast<int32_t>(questions.size());
    CDrillRecord record{{kind, CDrill::kScoreOnly, std::nullopt, std::nullopt, count - wrong, wrong,
                         count == 0 ? 0 : (count - wrong) * 100 / count, GradeName(wrong),
                         CDrill::kOnPaper, std::nullopt, std::nullopt},
                        {},
                        {},
                        {}};
    for (size_t k = 0; k < questions.size(); ++k) {
        if (missed[k]) {
            record.missed.push_back({questions[k], std::nullopt});
            record.answers.push_back({questions[k], std::nullopt, std::nullopt});
        } else {
            record.answers.push_back(
                {questions[k], CAnswer::RightFor(*questions[k].question), std::nullopt});
        }
    }
    return record;
}

} // namespace kelvo
