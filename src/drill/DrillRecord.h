#pragma once

#include "generation/CExprValue.h"
#include "number/CValueLimit.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvo {

// A question as the drill offers it and the drill history keeps it.
struct CKeptQuestion {
    // In a review drill every question keeps the kind it was missed in.
    std::u16string kind;
    std::shared_ptr<const CExprValue> question;
    // The kind's result range, which bounds the wrong choice when the question
    // comes back in a review drill.
    CValueLimit resultLimit;
};

struct CMissedQuestion {
    CKeptQuestion kept;
    // None when the question was not answered.
    std::optional<int32_t> choice;
};

// What the results show of a finished drill.
struct CDrillResult {
    std::u16string kind;
    // 1 timed, 2 time-limited, 3 score only (CDrill::kTimed …).
    int32_t mode = 0;
    // Seconds; the limit only in the time-limited mode, no time in the score-only mode.
    std::optional<int32_t> timeLimit;
    std::optional<int32_t> secondsUsed;
    int32_t right = 0;
    int32_t wrong = 0;
    int32_t score = 0;
    // "状元" … "婴儿".
    std::u16string grade;
};

// A finished drill as it goes into the drill history.
struct CDrillRecord {
    CDrillResult result;
    // Every wrong or unanswered question, once per question frame.
    std::vector<CMissedQuestion> missed;
    // The mistake-book entries a review drill answered right.
    std::vector<int64_t> reviewedRight;
};

} // namespace kelvo
