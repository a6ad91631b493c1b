#include "store/HistorySchema.h"

#include <QSqlQuery>
#include <QString>

#include <array>
#include <span>

namespace kelvo {
namespace {

// Step 1: the drills and their missed questions.
constexpr std::array<const char*, 2> DrillTables{
    "CREATE TABLE drills (id INTEGER PRIMARY KEY, finished_at TEXT NOT NULL, kind TEXT NOT NULL,"
    " mode INTEGER NOT NULL, time_limit INTEGER, seconds_used INTEGER,"
    " right_count INTEGER NOT NULL, wrong_count INTEGER NOT NULL, score INTEGER NOT NULL,"
    " grade TEXT NOT NULL)",
    "CREATE TABLE missed_questions (id INTEGER PRIMARY KEY,"
    " drill_id INTEGER NOT NULL REFERENCES drills (id), operands TEXT NOT NULL,"
    " answer INTEGER NOT NULL, choice INTEGER)",
};

// Step 2: the mistake book, filled from the drills kept so far. They did not
// keep the kind's result range, so the value ceiling stands in for it.
constexpr std::array<const char*, 2> MistakeBook{
    "CREATE TABLE mistake_book (id INTEGER PRIMARY KEY, kind TEXT NOT NULL,"
    " operands TEXT NOT NULL, answer INTEGER NOT NULL, result_lower INTEGER NOT NULL,"
    " result_upper INTEGER NOT NULL, result_multiple INTEGER NOT NULL,"
    " missed INTEGER NOT NULL, last_missed TEXT NOT NULL, right_day TEXT,"
    " UNIQUE (kind, operands))",
    "INSERT INTO mistake_book (kind, operands, answer, result_lower, result_upper,"
    " result_multiple, missed, last_missed)"
    " SELECT d.kind, m.operands, m.answer, 0, 10000, 1, COUNT(*), MAX(d.finished_at)"
    " FROM missed_questions m JOIN drills d ON d.id = m.drill_id GROUP BY d.kind, m.operands",
};

// Step 3: how a drill was answered, its time in milliseconds and its target,
// and every question of it with the answer and the time it took. Drills kept
// so far were answered by choosing and keep no times.
constexpr std::array<const char*, 4> TimedAnswers{
    "ALTER TABLE drills ADD COLUMN answer_mode INTEGER NOT NULL DEFAULT 1",
    "ALTER TABLE drills ADD COLUMN milliseconds_used INTEGER",
    "ALTER TABLE drills ADD COLUMN target INTEGER",
    "CREATE TABLE answers (id INTEGER PRIMARY KEY,"
    " drill_id INTEGER NOT NULL REFERENCES drills (id), position INTEGER NOT NULL,"
    " operands TEXT NOT NULL, answer INTEGER NOT NULL, given INTEGER, milliseconds INTEGER)",
};

// Step 4: the children, each with a drill history and a mistake book of their
// own; everything kept so far is the first child's, "我". The book is made
// anew, since a question may now stand in the books of two children.
constexpr std::array<const char*, 7> Children{
    "CREATE TABLE children (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE,"
    " answer_mode INTEGER NOT NULL DEFAULT 1, target INTEGER)",
    "INSERT INTO children (id, name) VALUES (1, '我')",
    "ALTER TABLE drills ADD COLUMN child_id INTEGER NOT NULL DEFAULT 1",
    "CREATE TABLE child_book (id INTEGER PRIMARY KEY, child_id INTEGER NOT NULL,"
    " kind TEXT NOT NULL, operands TEXT NOT NULL, answer INTEGER NOT NULL,"
    " result_lower INTEGER NOT NULL, result_upper INTEGER NOT NULL,"
    " result_multiple INTEGER NOT NULL, missed INTEGER NOT NULL, last_missed TEXT NOT NULL,"
    " right_day TEXT, UNIQUE (child_id, kind, operands))",
    "INSERT INTO child_book SELECT id, 1, kind, operands, answer, result_lower, result_upper,"
    " result_multiple, missed, last_missed, right_day FROM mistake_book",
    "DROP TABLE mistake_book",
    "ALTER TABLE child_book RENAME TO mistake_book",
};

// Step 5: each child's mastery of each fact of the kinds small enough to list,
// as of the answer it was last brought up to (mastery_marks), so that the day's
// practice need not read every answer again. It is filled as it is first asked
// for, from the answers kept so far.
constexpr std::array<const char*, 2> FactMastery{
    "CREATE TABLE fact_mastery (child_id INTEGER NOT NULL, kind TEXT NOT NULL,"
    " operands TEXT NOT NULL, state INTEGER NOT NULL, box INTEGER NOT NULL,"
    " review_day INTEGER NOT NULL, right_times TEXT,"
    " PRIMARY KEY (child_id, kind, operands))",
    "CREATE TABLE mastery_marks (child_id INTEGER NOT NULL, kind TEXT NOT NULL,"
    " last_answer INTEGER NOT NULL, fluent_milliseconds INTEGER NOT NULL,"
    " PRIMARY KEY (child_id, kind))",
};

// Step 6: each child's own time within which a right answer is fluent.
constexpr std::array<const char*, 1> FluentTimes{
    "ALTER TABLE children ADD COLUMN fluent_milliseconds INTEGER NOT NULL DEFAULT 3000",
};

constexpr std::array<std::span<const char* const>, HistorySchemaVersion> Steps{
    DrillTables, MistakeBook, TimedAnswers, Children, FactMastery, FluentTimes};

} // namespace

QSqlError UpgradeHistorySchema(QSqlDatabase& db, int32_t version) {
    QSqlQuery query(db);
    // The version is read inside the transaction: another Kelvo may be upgrading too.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")) ||
        !query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return query.lastError();
    }
    const int32_t from = query.value(0).toInt();
    query.finish();
    // No version of Kelvo wrote a negative one: the file is damaged.
    if (from < 0) {
        query.exec(QStringLiteral("ROLLBACK"));
        return {QString(), QStringLiteral("negative schema version"), QSqlError::UnknownError,
                QString::number(SqliteCorrupt)};
    }
    for (int32_t step = from; step < version; ++step) {
        for (const char* statement : Steps[static_cast<size_t>(step)]) {
            if (!query.exec(QString::fromUtf8(statement))) {
                QSqlError error = query.lastError();
                query.exec(QStringLiteral("ROLLBACK"));
                return error;
            }
        }
    }
    if ((from < version && !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version))) ||
        !query.exec(QStringLiteral("COMMIT"))) {
        QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    return {};
}

} // namespace kelvo
