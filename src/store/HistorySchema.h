#pragma once

#include <QSqlDatabase>
#include <QSqlError>

#include <cstdint>

namespace kelvo {

// The tables of the drill history. PRAGMA user_version counts the steps a file
// has taken; every step stays as it was written, and a new table or column is
// a new step.
constexpr int32_t HistorySchemaVersion = 6;

// The child every history starts with, and whom the drills of a file from
// before there were children belong to.
constexpr int64_t FirstChildId = 1;

// SQLite's primary result code of a damaged file.
constexpr int SqliteCorrupt = 11;

// Takes the file from its version up to `version` in one transaction; a file
// at or above it is left alone, one below zero is damaged (SqliteCorrupt). An invalid error when it
// went well.
QSqlError UpgradeHistorySchema(QSqlDatabase& db, int32_t version);

} // namespace kelvo
