#include "MainWindowFixture.h"

#include "foundation/RuntimeError.h"
#include "foundation/UserInterfaceYield.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kelvo {
namespace {

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

qsizetype QuestionCount(const QString& worksheet) {
    return worksheet.count(u'=');
}

class CreateTest : public MainWindowFixture {
protected:
    void SetLayout(int rows, int columns) const {
        Box("txtSettings", 0)->SetValue(rows);
        Box("txtSettings", 1)->SetValue(columns);
    }
    void ClickCreate() const { Find<QPushButton>(QStringLiteral("cmdCreate"))->click(); }
    QGroupBox* InfoFrame() const { return Find<QGroupBox>(QStringLiteral("fraInfo")); }

    // Runs `probe` at every yield of the next job, up to `times` times.
    void AtEachYield(int times, std::function<void()> probe) {
        m_remainingProbes = times;
        m_probe = std::move(probe);
        ArmProbe();
    }

private:
    void ArmProbe() {
        QTimer::singleShot(0, window.get(), [this] {
            if (m_remainingProbes-- > 0) {
                m_probe();
                ArmProbe();
            }
        });
    }

    int m_remainingProbes = 0;
    std::function<void()> m_probe;
};

TEST_F(CreateTest, TenRowsOfFiveAskForFiftyQuestionsAndShowThem) {
    ClickCreate();
    EXPECT_EQ(QuestionCount(window->Worksheet()), 50);
    EXPECT_EQ(QuestionCount(Output()), 50);
    EXPECT_TRUE(window->Worksheet().startsWith(QStringLiteral("  ") + Q(u"姓名：")));
    EXPECT_TRUE(window->Worksheet().endsWith(QStringLiteral("\r\n")));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(CreateTest, AGapWithoutOperatorsShowsTheErrorAndClearsIt) {
    SetGapOperators(0, "....");
    ClickCreate();
    EXPECT_EQ(Output(), Q(u"错误：至少一个运算数没有选择运算符号。"));
    EXPECT_TRUE(window->Worksheet().isEmpty());
}

TEST_F(CreateTest, AnImpossibleKindShowsTheApology) {
    ClickCreate();
    ASSERT_FALSE(window->Worksheet().isEmpty());
    // 5 + 5 never lies in 1..9.
    for (int i : {0, 1, 2, 3}) {
        EnterText(Box("txtLimits", i), QStringLiteral("5"));
    }
    EnterText(Box("txtLimits", 9), QStringLiteral("9"));
    ClickCreate();
    EXPECT_EQ(Output(), Q(u"很抱歉，没有生成题目。可能是您设计的算式有问题。"));
    EXPECT_TRUE(window->Worksheet().isEmpty());
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(true);
    EXPECT_EQ(Output(), Q(u"很抱歉，没有生成题目。可能是您设计的算式有问题。"));
}

TEST_F(CreateTest, TogglesRedrawTheSameQuestions) {
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(true);
    EXPECT_TRUE(Output().isEmpty());
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(false);
    ClickCreate();
    const QString without = window->Worksheet();
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(true);
    const QString with = window->Worksheet();
    EXPECT_NE(with, without);
    EXPECT_EQ(QuestionCount(with), 50);
    // Dropping the answers again gives back the very same worksheet.
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(false);
    EXPECT_EQ(window->Worksheet(), without);
}

TEST_F(CreateTest, ALongWorksheetWarnsOnceOnCreateAndNeverOnToggles) {
    SetLayout(300, 20);
    ClickCreate();
    ASSERT_GT(window->Worksheet().size(), 65535);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], Q(u"生成的题目太多，无法全部显示，可以点击【输出打印】按钮显示"));
    EXPECT_EQ(QuestionCount(window->Worksheet()), 6000);
    EXPECT_LT(QuestionCount(Output()), 6000);
    // The box shows the leading 65535 characters of the worksheet.
    EXPECT_EQ(Output().remove(u'\r'), window->Worksheet().left(65535).remove(u'\r'));

    Find<QCheckBox>(QStringLiteral("chkFillQuestion"))->setChecked(true);
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(true);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(QuestionCount(window->Worksheet()), 6000);
}

TEST_F(CreateTest, AThousandQuestionsShowTheProgressFrameWhileTheWindowIsDisabled) {
    SelectQuestionType(u"100以内的加法");
    SetLayout(50, 20);
    bool shown = false;
    bool disabled = false;
    QString caption;
    AtEachYield(1, [&] {
        shown = !InfoFrame()->isHidden();
        disabled = !Find<QPushButton>(QStringLiteral("cmdCreate"))->isEnabled() &&
                   !Find<QPushButton>(QStringLiteral("cmdAddSection"))->isEnabled() &&
                   !Find<QPushButton>(QStringLiteral("cmdOpenPlan"))->isEnabled();
        caption = Find<QLabel>(QStringLiteral("lblInfoTitle"))->text();
    });
    ClickCreate();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(disabled);
    EXPECT_EQ(caption, Q(u"生成了试题"));
    EXPECT_TRUE(InfoFrame()->isHidden());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(QuestionCount(window->Worksheet()), 1000);
}

// The job stops at the yield after the click and the sheet is made of the
// questions it has, with a line above it saying so.
TEST_F(CreateTest, TheProgressFramesCancelStopsTheJobAndKeepsItsQuestions) {
    SelectQuestionType(u"100以内的加法");
    SetLayout(50, 20);
    bool usable = false;
    AtEachYield(1, [&] {
        auto* cancel = Find<QPushButton>(QStringLiteral("cmdCancel"));
        usable =
            cancel->isEnabled() && !Find<QPushButton>(QStringLiteral("cmdCreate"))->isEnabled();
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    ClickCreate();
    EXPECT_TRUE(usable);
    EXPECT_TRUE(Output().remove(u'\r').startsWith(Q(u"已取消，只生成了 200 道题目\n")));
    EXPECT_EQ(QuestionCount(window->Worksheet()), 1000);
    EXPECT_FALSE(window->Worksheet().contains(Q(u"已取消")));
    EXPECT_TRUE(Find<QPushButton>(QStringLiteral("cmdCreate"))->isEnabled());
}

TEST_F(CreateTest, SmallJobsKeepTheProgressFrameHidden) {
    SetLayout(40, 20);
    int yields = 0;
    bool everShown = false;
    AtEachYield(100, [&] {
        ++yields;
        everShown = everShown || !InfoFrame()->isHidden();
    });
    ClickCreate();
    EXPECT_GT(yields, 0);
    EXPECT_FALSE(everShown);
}

// A second Create started from inside a running one would replace the
// templates and questions the first is still working on.
TEST_F(CreateTest, ASecondCreateDuringAJobIsNotStarted) {
    SelectQuestionType(u"100以内的加法");
    SetLayout(40, 20);
    int attempts = 0;
    AtEachYield(20, [&] {
        EXPECT_TRUE(window->IsBusy());
        ++attempts;
        ClickCreate();
        Find<QCheckBox>(QStringLiteral("chkFillQuestion"))->click();
        Find<QCheckBox>(QStringLiteral("chkFillQuestion"))->click();
    });
    ClickCreate();
    EXPECT_GT(attempts, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QuestionCount(window->Worksheet()), 800);
    EXPECT_FALSE(window->IsBusy());
}

TEST_F(CreateTest, ACloseDuringAJobWaitsForItsEnd) {
    window->show();
    SetLayout(40, 20);
    bool savedDuringJob = true;
    AtEachYield(1, [&] {
        window->close();
        savedDuringJob = QFile::exists(SettingsPath());
    });
    ClickCreate();
    EXPECT_FALSE(savedDuringJob);
    EXPECT_EQ(QuestionCount(window->Worksheet()), 800);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(QFile::exists(SettingsPath()));
}

TEST_F(CreateTest, ARuntimeErrorIsShownAndTheWindowGoesOnWorking) {
    SetLayout(50, 20);
    SetYieldHook([] { RaiseError(ErrorNumber::Overflow); });
    ClickCreate();
    SetYieldHook([] {});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("6")));
    EXPECT_TRUE(messages[0].contains(Q(u"溢出")));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(InfoFrame()->isHidden());
    EXPECT_FALSE(window->IsBusy());

    ClickCreate();
    EXPECT_EQ(QuestionCount(window->Worksheet()), 1000);
    EXPECT_EQ(messages.size(), 1u);
}

} // namespace
} // namespace kelvo
