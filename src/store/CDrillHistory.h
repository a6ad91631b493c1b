#pragma once

#include "drill/KindFacts.h"
#include "store/HistoryEntries.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
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
    // The current child's mastery of each of the kind's facts, from every
    // answer given in drills of the kind: kept in the history and brought up
    // to date with the answers recorded since. Unseen facts when the history
    // cannot be read.
    std::vector<CFactMastery> MasteryOfFacts(const QString& strKind, const QuestionList& facts,
                                             int32_t fluentMilliseconds);
    // Today by the history's clock, as AnswersOfKind counts days.
    int32_t Today() const;

    // Whose drills Record keeps and the readers return: the first child until
    // another is chosen.
    void SetChild(int64_t id) { m_child = id; }
    int64_t Child() const { return m_child; }
    // In the order they were added.
    std::vector<CChild> Children();
    // The new child's id; none for an empty name, a name taken or a history
    // that cannot be written.
    std::optional<int64_t> AddChild(const QString& strName);
    // False for an empty name or one another child has.
    bool RenameChild(int64_t id, const QString& strName);
    // The child with every drill and mistake of theirs; never the last child.
    // When it was the current child, the first one left is.
    bool RemoveChild(int64_t id);
    // The answer mode and target of the current child.
    bool KeepChildOptions(int32_t answerMode, int32_t target);
    // The current child's own fluent time; the mastery of every kind is then
    // counted afresh from the answers.
    bool KeepFluentMilliseconds(int32_t fluentMilliseconds);

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
    std::unordered_map<std::u16string, CFactMastery> ReadMastery(const QString& strKind);
    int64_t ReadAnswersAfter(const QString& strKind, int64_t lastAnswer,
                             std::vector<CKeyedAnswer>& answers);
    void WriteMastery(const QString& strKind,
                      const std::unordered_map<std::u16string, CFactMastery>& kept,
                      const std::unordered_set<std::u16string>& changed, int64_t newest,
                      int32_t fluentMilliseconds, bool isAfresh);
    bool IsNameFree(const QString& strName, int64_t except);

    QString m_strPath;
    Clock m_clock;
    int64_t m_child;
    QString m_strConnection;
    QSqlDatabase m_db;
    Outcome m_reported = Outcome::Done;
    QString m_strMessage;
};

} // namespace kelvo
