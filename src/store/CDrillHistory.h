#pragma once

#include "store/HistoryEntries.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace kelvo {

// The drill history in one SQLite file, opened on first use. Nothing here may
// cost a drill: a file that cannot be opened or written, is locked by another
// program, comes from a newer Kelvo or is another program's database leaves the operation undone
// and a message for the user (once, until the history works again); a damaged file is moved aside,
// never overwritten, and a new one takes its place. A lock is waited for only a moment.
class CDrillHistory {
public:
    using Clock = std::function<QDateTime()>;

    explicit CDrillHistory(QString strPath, Clock clock = &QDateTime::currentDateTime);
    ~CDrillHistory();
    CDrillHistory(const CDrillHistory&) = delete;
    CDrillHistory& operator=(const CDrillHistory&) = delete;

    // A finished drill, stamped with the clock: its row, its missed questions
    // and their mistake-book entries in one transaction. A miss puts the
    // question into the book or counts it once more and starts its review
    // over; a right answer in review on a second day takes it out.
    bool Record(const CDrillRecord& record);
    // Grouped by kind, the most missed first within a kind.
    std::vector<CBookEntry> MistakeBook();
    // Up to `wanted` entries: the most missed, then the most recently missed.
    std::vector<CBookEntry> ReviewEntries(int32_t wanted);
    // The latest first.
    std::vector<CPastDrill> Drills();

    // What the user is to be told about the operations so far; empty when
    // there is nothing new. Taking it clears it.
    QString TakeMessage();
    const QString& Path() const { return m_strPath; }

private:
    enum class Outcome { Done, Damaged, Locked, Unusable, Newer, Foreign };

    static Outcome Classify(const QSqlError& error);
    template <class Operation>
    bool Use(Operation operation);
    template <class Operation>
    Outcome OpenAndRun(Operation& operation);
    Outcome Open();
    Outcome CheckAndUpgrade();
    void Close();
    bool MoveAside();
    void Report(Outcome outcome);
    std::vector<CBookEntry> ReadBook(const QString& strOrder, int32_t limit);

    QString m_strPath;
    Clock m_clock;
    QString m_strConnection;
    QSqlDatabase m_db;
    Outcome m_reported = Outcome::Done;
    QString m_strMessage;
};

} // namespace kelvo
