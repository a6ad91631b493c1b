#include "TrainingFixture.h"

#include "training/MasteryMapPainting.h"
#include "training/frmMasteryMap.h"

#include <QSet>
#include <QSpinBox>

#include <algorithm>
#include <set>

namespace kelvo::test {
namespace {

using MasteryLoopTest = TrainingWindowTest;

// Two weeks of evening drills of 9加几 in which 9＋7 is always missed and
// 9＋3 once on the last evening: the map shows both as not yet known and the
// rest as fluent.
TEST_F(MasteryLoopTest, TwoWeeksOfDrillsShowTheMissedFactsOnTheMap) {
    Open();
    TrainingControls controls(Form());
    for (int day = 0; day < 14; ++day) {
        QSet<QString> planted{QStringLiteral("9＋7=")};
        if (day == 13) {
            planted.insert(QStringLiteral("9＋3="));
        }
        QTest::mouseClick(controls.cmdCreate, Qt::LeftButton);
        QTest::mouseClick(controls.cmdStart, Qt::LeftButton);
        for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
            Click(planted.contains(Label(3 * slot)->text()) ? WrongLabel(slot) : RightLabel(slot));
        }
        QTest::mouseClick(controls.cmdFinish, Qt::LeftButton);
        m_now = m_now.addDays(1);
    }
    QTest::mouseClick(Form().findChild<QPushButton*>(QStringLiteral("cmdMasteryMap")),
                      Qt::LeftButton);
    auto* window = Form().findChild<frmMasteryMap*>();
    ASSERT_NE(window, nullptr);
    const CMasteryMap& map = window->picMap->Map();
    ASSERT_EQ(map.tables.size(), 1U);
    EXPECT_EQ(map.tables[0].rows, std::vector<int32_t>{9});
    for (const CMapFact& fact : map.facts) {
        const bool isPlanted = fact.text == u"9＋7" || fact.text == u"9＋3";
        EXPECT_EQ(fact.state, isPlanted ? EFactState::Learning : EFactState::Fluent)
            << QString::fromStdU16String(fact.text).toStdString();
    }
    // The hover finds every fact in its cell and names its state.
    std::set<size_t> hovered;
    const QRectF area(0, 0, 1000, 600);
    for (int x = 0; x < 1000; x += 4) {
        for (int y = 0; y < 600; y += 4) {
            if (const auto fact = FactAt(area, map, QPointF(x, y))) {
                hovered.insert(*fact);
            }
        }
    }
    EXPECT_EQ(hovered.size(), map.facts.size());
    const auto ninePlusSeven = std::ranges::find(map.facts, u"9＋7", &CMapFact::text);
    EXPECT_EQ(FactDescription(map, static_cast<size_t>(ninePlusSeven - map.facts.begin())),
              QStringLiteral("9＋7：没掌握"));

    auto* fluent = Form().findChild<QSpinBox*>(QStringLiteral("spnFluentSeconds"));
    EXPECT_EQ(fluent->value(), 3);
    fluent->setValue(5);
    EXPECT_EQ(m_history->Children().front().fluentMilliseconds, 5000) << "kept for the child";
}

} // namespace
} // namespace kelvo::test
