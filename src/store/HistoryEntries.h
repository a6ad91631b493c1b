// The drill history: every finished drill with its wrong or unanswered
// questions (CDrillRecord, from the drill's rules), and the mistake book, which
// keeps each missed question of a kind until review drills answered it right on
// two different days (CBookEntry). CDrillHistory keeps both in one SQLite file;
// the training window records into it on Finish and draws review drills from
// the book, the windows frmMistakeBook and frmScoreHistory show it.
#pragma once

#include "drill/DrillRecord.h"
#include "drill/FactMastery.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace kelvo {

// A child whose drills the history keeps apart, with the answer mode and the
// target the training window last used for them.
struct CChild {
    int64_t id = 0;
    QString name;
    int32_t answerMode = 1;
    std::optional<int32_t> target;
    // A right answer within it is fluent.
    int32_t fluentMilliseconds = CFactMastery::DefaultFluentMilliseconds;
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
