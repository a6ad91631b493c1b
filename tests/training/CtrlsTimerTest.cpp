#include "TrainingFixture.h"

namespace kelvo::test {
namespace {

using CtrlsTimerTest = TrainingWindowTest;

TEST_F(CtrlsTimerTest, OneSecondLimitEndsTheDrillOnTheSecondTick) {
    frmTraining& form = Open();
    Ui(form).txtTime->setText(QStringLiteral("1"));
    Key(Qt::Key_S);
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("1"));
    Tick();
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("0"));
    EXPECT_TRUE(form.Controller().IsDoingTraining());
    EXPECT_EQ(Ui(form).lblCountdownProgress->width(), 0);
    Tick();
    EXPECT_FALSE(form.Controller().IsDoingTraining());
    EXPECT_FALSE(Ui(form).timTimer->isActive());
    EXPECT_EQ(Ui(form).lblSeconds->text(), QStringLiteral("用时：1秒"));
    EXPECT_EQ(Ui(form).lblGrade->text(), QStringLiteral("等级：婴儿"));
    EXPECT_FALSE(Ui(form).cmdFinish->isEnabled());
}

TEST_F(CtrlsTimerTest, FinishingEarlyShowsTheSecondsUsed) {
    frmTraining& form = Open();
    Key(Qt::Key_S);
    for (int i = 0; i < 20; ++i) {
        Tick();
    }
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("40"));
    Key(Qt::Key_F);
    EXPECT_EQ(Ui(form).lblSeconds->text(), QStringLiteral("用时：20秒"));
}

TEST_F(CtrlsTimerTest, TimedModeCountsUp) {
    frmTraining& form = Open();
    Ui(form).optModes[1]->click();
    Key(Qt::Key_S);
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("0"));
    EXPECT_TRUE(Ui(form).timTimer->isActive());
    EXPECT_EQ(Ui(form).timTimer->interval(), 1000);
    for (int i = 0; i < 37; ++i) {
        Tick();
    }
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("37"));
    EXPECT_EQ(Ui(form).lblCountdownProgress->width(), Ui(form).lblProgress2->width());
    Key(Qt::Key_F);
    EXPECT_EQ(Ui(form).lblSeconds->text(), QStringLiteral("用时：37秒"));
}

TEST_F(CtrlsTimerTest, TheBarShrinksByWholeStepsAndNeverBelowZero) {
    frmTraining& form = Open();
    const int full = Ui(form).lblProgress2->width();
    Ui(form).txtTime->setText(QStringLiteral("7"));
    Key(Qt::Key_S);
    const int step = full / 7;
    for (int tick = 1; tick <= 7; ++tick) {
        Tick();
        EXPECT_EQ(Ui(form).lblCountdownProgress->width(), full - tick * step) << tick;
    }
    // The step does not divide the bar: a sliver stays at 0 seconds left.
    EXPECT_EQ(Ui(form).lblCountdownProgress->width(), full % 7);
    EXPECT_GT(full % 7, 0);
    Tick();
    EXPECT_GE(Ui(form).lblCountdownProgress->width(), 0);
    EXPECT_FALSE(form.Controller().IsDoingTraining());
}

TEST_F(CtrlsTimerTest, UnusableTimeBoxesStillGiveALimit) {
    struct Case {
        const char* text;
        const char* counter;
    };
    // The box still has the focus, so its own rule has not run yet.
    for (const Case& c : {Case{"0", "1"}, Case{"0.4", "1"}, Case{"", "60"}, Case{".", "60"},
                          Case{"2147484", "9999"}, Case{"7.5", "8"}, Case{"6.5", "6"}}) {
        frmTraining& form = Open();
        Ui(form).txtTime->setText(QLatin1String(c.text));
        QTest::keyClick(Ui(form).txtTime, Qt::Key_S);
        EXPECT_EQ(Ui(form).lblTimerCounter->text(), QLatin1String(c.counter)) << c.text;
        Tick();
        EXPECT_GE(Ui(form).lblCountdownProgress->width(), 0);
        delete m_form.data();
    }
}

} // namespace
} // namespace kelvo::test
