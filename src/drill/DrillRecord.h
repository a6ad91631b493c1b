#pragma once

#include "drill/CAnswer.h"
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
    // The wrong answer typed or chosen; none when the question was not answered.
    std::optional<CAnswer> answer;
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
    // 1 two choices, 2 typed, 3 on paper (CDrill::kChoosing …).
    int32_t answerMode = 1;
    // From the start to the finish, by the drill's own clock.
    std::optional<int32_t> millisecondsUsed;
    // Right questions per minute the drill was meant to reach.
    std::optional<int32_t> target;
};

// One question frame of a finished drill, answered or not.
struct CTimedAnswer {
    CKeptQuestion kept;
    // The first answer given; a typed answer corrected afterwards stays as typed.
    std::optional<CAnswer> answer;
    // From showing the question to that first answer.
    std::optional<int32_t> milliseconds;
};

// A finished drill as it goes into the drill history.
struct CDrillRecord {
    CDrillResult result;
    // Every wrong or unanswered question, once per question frame.
    std::vector<CMissedQuestion> missed;
    // The mistake-book entries a review drill answered right.
    std::vector<int64_t> reviewedRight;
    // Every question frame in its order.
    std::vector<CTimedAnswer> answers;
};

} // namespace kelvo
