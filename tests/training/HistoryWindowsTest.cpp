#include "store/HistoryFixture.h"

#include "training/frmMistakeBook.h"
#include "training/frmScoreHistory.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace kelvo::test {
namespace {

using HistoryWindowsTest = HistoryFixture;

const QString NineAdd = QStringLiteral("9加几");
const QString Tables = QStringLiteral("乘法口诀");

TEST_F(HistoryWindowsTest, TheMistakeBookGroupsByKindAndAsksForAReview) {
    const auto often = Question(9, Op::Plus, 5, 14);
    ASSERT_TRUE(m_history->Record(Drill(NineAdd, {{Kept(NineAdd, often), 4}})));
    m_now = m_now.addDays(1);
    ASSERT_TRUE(
        m_history->Record(Drill(NineAdd, {{Kept(NineAdd, often), std::nullopt},
                                          {Kept(NineAdd, Question(9, Op::Plus, 8, 17)), 7},
                                          {Kept(Tables, Question(7, Op::Times, 8, 56)), 49}})));

    frmMistakeBook book(*m_history, true, nullptr);
    ASSERT_EQ(book.treMistakes->topLevelItemCount(), 2);
    QTreeWidgetItem* nine = book.treMistakes->topLevelItem(0);
    EXPECT_EQ(nine->text(0), QStringLiteral("9加几（2 道）"));
    ASSERT_EQ(nine->childCount(), 2);
    EXPECT_EQ(QStringList({nine->child(0)->text(0), nine->child(0)->text(1),
                           nine->child(0)->text(2), nine->child(0)->text(3)}),
              QStringList({QStringLiteral("9＋5="), QStringLiteral("14"), QStringLiteral("2次"),
                           QStringLiteral("6月4日 18:30")}));
    EXPECT_EQ(book.treMistakes->topLevelItem(1)->child(0)->text(0), QStringLiteral("7×8="));
    EXPECT_TRUE(book.lblSummary->text().startsWith(QStringLiteral("共 3 道错题。")));
    EXPECT_FALSE(book.lblMessage->isVisibleTo(&book));

    QSignalSpy review(&book, &frmMistakeBook::reviewRequested);
    book.show();
    QTest::mouseClick(book.cmdReview, Qt::LeftButton);
    EXPECT_EQ(review.count(), 1);
    EXPECT_EQ(book.result(), QDialog::Accepted);

    // No review during a drill, nor of an empty book.
    EXPECT_FALSE(frmMistakeBook(*m_history, false, nullptr).cmdReview->isEnabled());
    CDrillHistory empty(m_dir.filePath(QStringLiteral("empty.sqlite")));
    const frmMistakeBook none(empty, true, nullptr);
    EXPECT_FALSE(none.cmdReview->isEnabled());
    EXPECT_EQ(none.treMistakes->topLevelItemCount(), 0);
}

// A week of drills of two kinds; two on the first day average.
class ScoreWeekTest : public HistoryFixture {
protected:
    void SetUp() override {
        for (int day = 0; day < 7; ++day) {
            m_now = QDateTime(QDate(2024, 6, 3).addDays(day), QTime(18, 0));
            RecordScore(NineAdd, 30 - (6 - day));
            if (day % 2 == 0) {
                m_now = m_now.addSecs(600);
                RecordScore(Tables, 20 + day);
            }
        }
        m_now = QDateTime(QDate(2024, 6, 3), QTime(7, 0));
        RecordScore(NineAdd, 30);
    }

    void RecordScore(const QString& kind, int right) {
        CDrillRecord record = Drill(kind, {});
        record.result.right = right;
        record.result.wrong = 30 - right;
        record.result.score = right * 100 / 30;
        ASSERT_TRUE(m_history->Record(record));
    }

    static QList<QPointF> Points(const QChartView& view, int series) {
        return qobject_cast<QLineSeries*>(view.chart()->series().at(series))->points();
    }
};

TEST_F(ScoreWeekTest, TheTableAndTheChartShowEveryKindOrTheOneChosen) {
    frmScoreHistory scores(*m_history, nullptr);
    scores.show();
    EXPECT_TRUE(scores.screen()->availableGeometry().contains(scores.frameGeometry()));
    EXPECT_EQ(scores.cboKinds->count(), 3);
    EXPECT_EQ(scores.cboKinds->itemText(1), Tables);
    ASSERT_EQ(scores.tblDrills->rowCount(), 12);
    QStringList latest;
    for (int column = 0; column < scores.tblDrills->columnCount(); ++column) {
        latest.append(scores.tblDrills->item(0, column)->text());
    }
    EXPECT_EQ(latest.join(u'|'),
              QStringLiteral("2024-06-09 18:10|乘法口诀|限时模式|42秒（限时60秒）|26|4|86|童生|"
                             "37.1（达标）"));
    ASSERT_EQ(scores.chvScores->chart()->series().size(), 2);

    // The keyboard picks 9加几 from the list.
    scores.cboKinds->setFocus();
    QTest::keyClick(scores.cboKinds, Qt::Key_Down);
    QTest::keyClick(scores.cboKinds, Qt::Key_Down);
    ASSERT_EQ(scores.cboKinds->currentText(), NineAdd);
    EXPECT_EQ(scores.tblDrills->rowCount(), 8);
    ASSERT_EQ(scores.chvScores->chart()->series().size(), 1);
    const QList<QPointF> nine = Points(*scores.chvScores, 0);
    ASSERT_EQ(nine.size(), 7);
    // Day 0: 80 and 100.
    EXPECT_EQ(nine.front(), QPointF(0, 90));
    EXPECT_EQ(nine.back(), QPointF(6, 100));
    // Right per minute in 42 s each; the target of 8 dashed beside it.
    ASSERT_EQ(scores.chvRates->chart()->series().size(), 2);
    const QList<QPointF> rates = Points(*scores.chvRates, 0);
    ASSERT_EQ(rates.size(), 7);
    EXPECT_DOUBLE_EQ(rates.front().y(), (24 + 30) / 2 * 60 / 42.0);
    EXPECT_EQ(Points(*scores.chvRates, 1),
              QList<QPointF>({{0, 8}, {1, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}}));
}

} // namespace
} // namespace kelvo::test
