// The drill history: every finished drill with its wrong or unanswered
// questions (CDrillRecord), and the mistake book, which keeps each missed
// question of a kind until review drills answered it right on two different
// days (CBookEntry). CDrillHistory keeps both in one SQLite file; the training
// window records into it on Finish and draws review drills from the book, the
// windows frmMistakeBook and frmScoreHistory show it.
#pragma once

#include "generation/CExprValue.h"
#include "number/CValueLimit.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kelvo {

// A question as the history keeps it.
struct CKeptQuestion {
    // In a review drill every question keeps the kind it was missed in.
    QString kind;
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
    QString kind;
    // 1 timed, 2 time-limited, 3 score only, as the drill controller counts them.
    int32_t mode = 0;
    // Seconds; the limit only in the time-limited mode, no time in the score-only mode.
    std::optional<int32_t> timeLimit;
    std::optional<int32_t> secondsUsed;
    int32_t right = 0;
    int32_t wrong = 0;
    int32_t score = 0;
    // "状元" … "婴儿".
    QString grade;
};

struct CDrillRecord {
    CDrillResult result;
    // Every wrong or unanswered question, once per question frame.
    std::vector<CMissedQuestion> missed;
    // The mistake-book entries a review drill answered right.
    std::vector<int64_t> reviewedRight;
};

struct CPastDrill {
    QDateTime finishedAt;
    CDrillResult result;
};

struct CBookEntry {
    int64_t id = 0;
    CKeptQuestion kept;
    int32_t missed = 0;
    QDateTime lastMissed;
    // The day of the first right answer in review since the last miss; null
    // before. A right answer on another day takes the entry out of the book.
    QDate rightDay;
};

} // namespace kelvo
