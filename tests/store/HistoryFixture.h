#pragma once

#include "number/OperatorCodes.h"
#include "store/CDrillHistory.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kelvo::test {

// a op b = result, as the history keeps it.
inline std::shared_ptr<const CExprValue> Question(int32_t a, int32_t op, int32_t b,
                                                  int32_t result) {
    auto question = std::make_shared<CExprValue>();
    const std::array<CExprValue::OperandValue, 2> operands{{{Op::None, a}, {op, b}}};
    question->CreateFrom(operands, result);
    return question;
}

inline CKeptQuestion Kept(const QString& kind, std::shared_ptr<const CExprValue> question) {
    CValueLimit limit;
    limit.Init(0, 100, 1, 1);
    return {kind.toStdU16String(), std::move(question), limit};
}

// A graded drill of 30 questions with the given misses.
inline CDrillRecord Drill(const QString& kind, std::vector<CMissedQuestion> missed,
                          std::vector<int64_t> reviewedRight = {}) {
    const auto wrong = static_cast<int32_t>(missed.size());
    return {{kind.toStdU16String(), 2, 60, 42, 30 - wrong, wrong, (30 - wrong) * 100 / 30, u"童生",
             1, 42000, 8},
            std::move(missed),
            std::move(reviewedRight),
            {}};
}

// Runs one statement on the history file at `strPath` through a connection of
// the test's own; the first value of the first row, if any.
inline QVariant SqlValue(const QString& strPath, const QString& strSql) {
    QVariant first;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-side"));
        db.setDatabaseName(strPath);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(strSql)) << query.lastError().text().toStdString();
        if (query.next()) {
            first = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-side"));
    return first;
}

// A history in a temporary folder on a clock the test sets.
class HistoryFixture : public ::testing::Test {
protected:
    QString DatabasePath() const { return m_dir.filePath(QStringLiteral("KelvoHistory.sqlite")); }

    QVariant Sql(const QString& strSql) const { return SqlValue(DatabasePath(), strSql); }

    QTemporaryDir m_dir;
    QDateTime m_now{QDate(2024, 6, 3), QTime(18, 30)};
    std::unique_ptr<CDrillHistory> m_history =
        std::make_unique<CDrillHistory>(DatabasePath(), [this] { return m_now; });
};

} // namespace kelvo::test
