#include "TrainingFixture.h"

#include "generation/TemplateFactory.h"
#include "store/HistoryFixture.h"

#include "foundation/RuntimeError.h"
#include "listening/ChineseReading.h"
#include "listening/FakeSpeaker.h"
#include "training/frmTrainingHelp.h"

#include <QCheckBox>
#include <QDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>

#include <set>
#include <stdexcept>
#include <vector>

namespace kelvo::test {
namespace {

using frmTrainingTest = TrainingWindowTest;

struct Buttons {
    bool start;
    bool create;
    bool finish;
};

void ExpectButtons(frmTraining& form, Buttons expected, const char* state) {
    EXPECT_EQ(Ui(form).cmdStart->isEnabled(), expected.start) << state;
    EXPECT_EQ(Ui(form).cmdCreate->isEnabled(), expected.create) << state;
    EXPECT_EQ(Ui(form).cmdFinish->isEnabled(), expected.finish) << state;
}

constexpr Buttons kNoQuestions{false, true, false};
constexpr Buttons kReady{true, true, false};
constexpr Buttons kInDrill{false, false, true};
constexpr Buttons kGraded{false, true, false};

TEST_F(frmTrainingTest, ShowsEveryControlWithItsNameAndCaption) {
    frmTraining& form = Open();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kelvo训练"));
    const std::vector<std::pair<const char*, QString>> captions{
        {"cmdExit", QStringLiteral("退出训练")},
        {"cmdShowHelp", QStringLiteral("使用说明")},
        {"cmdFont", QStringLiteral("字体...")},
        {"cmdCreate", QStringLiteral("出题（C 键）")},
        {"cmdFinish", QStringLiteral("结束（F 键）")},
        {"cmdStart", QStringLiteral("开始（S 键）")},
        {"optModes_0", QStringLiteral("限时")},
        {"optModes_1", QStringLiteral("计时模式")},
        {"optModes_2", QStringLiteral("计分模式")},
        {"lblSecond", QStringLiteral("秒")},
        {"Label4", QStringLiteral("成 绩")},
        {"txtTime", QStringLiteral("60")},
    };
    for (const auto& [name, caption] : captions) {
        QObject* control = form.findChild<QObject*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->property("text").toString(), caption) << name;
    }
    for (const char* name : {"Frame1", "Frame2", "Frame3", "timTimer", "lblCorrect", "lblWrong",
                             "lblScore", "lblSeconds", "lblGrade", "lblInfo", "lblProgress2",
                             "lblCountdownProgress", "lblTimerCounter"}) {
        EXPECT_NE(form.findChild<QObject*>(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_TRUE(Ui(form).optModes[0]->isChecked());
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lblQuestions_89")), Label(89));
    EXPECT_TRUE(Ui(form).Label1->wordWrap());
    EXPECT_TRUE(Ui(form).Label1->text().startsWith(QStringLiteral("注意：训练题目是根据主窗口")));
    EXPECT_FALSE(Ui(form).timTimer->isActive());
    EXPECT_EQ(Ui(form).lblCountdownProgress->width(), Ui(form).lblProgress2->width());
}

TEST_F(frmTrainingTest, QuestionFramesStandInTwoColumnsOfFifteen) {
    frmTraining& form = Open();
    const QRect first = Ui(form).fraQuestions[0]->geometry();
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        QFrame* frame = form.findChild<QFrame*>(QStringLiteral("fraQuestions_%1").arg(slot));
        ASSERT_EQ(frame, Ui(form).fraQuestions[slot]);
        EXPECT_EQ(frame->size(), first.size()) << slot;
        const QWidget* column = Ui(form).fraQuestions[slot < 15 ? 0 : 15];
        EXPECT_EQ(frame->x(), column->x()) << slot;
        if (slot % 15 != 0) {
            EXPECT_GT(frame->y(), Ui(form).fraQuestions[slot - 1]->y()) << slot;
        }
        // Question, then the first and the second choice, left to right.
        EXPECT_LT(Label(3 * slot)->x(), Label(3 * slot + 1)->x());
        EXPECT_LT(Label(3 * slot + 1)->x(), Label(3 * slot + 2)->x());
        EXPECT_GT(Label(3 * slot)->width(), 2 * Label(3 * slot + 1)->width());
    }
    EXPECT_GT(Ui(form).fraQuestions[15]->x(), Ui(form).fraQuestions[0]->x());
}

TEST_F(frmTrainingTest, CreateStartAndFinishFollowTheStateTable) {
    frmTraining& form = Open();
    ExpectButtons(form, kReady, "after load");
    EXPECT_FALSE(Label(0)->text().isEmpty());

    QTest::mouseClick(Ui(form).cmdStart, Qt::LeftButton);
    ExpectButtons(form, kInDrill, "in drill");
    EXPECT_TRUE(form.Controller().IsDoingTraining());
    EXPECT_TRUE(Ui(form).timTimer->isActive());
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("60"));

    QTest::mouseClick(Ui(form).cmdFinish, Qt::LeftButton);
    ExpectButtons(form, kGraded, "graded");
    EXPECT_FALSE(form.Controller().IsDoingTraining());
    EXPECT_FALSE(Ui(form).timTimer->isActive());
    EXPECT_FALSE(Ui(form).lblGrade->text().isEmpty());

    Tick();
    Ui(form).lblCountdownProgress->resize(7, Ui(form).lblCountdownProgress->height());
    QTest::mouseClick(Ui(form).cmdCreate, Qt::LeftButton);
    ExpectButtons(form, kReady, "created again");
    for (QLabel* label :
         {Ui(form).lblCorrect, Ui(form).lblWrong, Ui(form).lblScore, Ui(form).lblSeconds,
          Ui(form).lblGrade, Ui(form).lblTimerCounter, Ui(form).lblInfo}) {
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    }
    EXPECT_EQ(Ui(form).lblCountdownProgress->width(), Ui(form).lblProgress2->width());
    for (int index = 0; index < frmTraining::kLabelCount; ++index) {
        EXPECT_EQ(Label(index)->BackColor(), Window()) << index;
    }
}

TEST_F(frmTrainingTest, KeysActOnlyInTheirStates) {
    frmTraining& form = Open();
    Key(Qt::Key_F);
    ExpectButtons(form, kReady, "F outside a drill");
    EXPECT_TRUE(Ui(form).lblGrade->text().isEmpty());

    Key(Qt::Key_S);
    ExpectButtons(form, kInDrill, "S in Ready");
    const QString question = Label(0)->text();
    Key(Qt::Key_C);
    ExpectButtons(form, kInDrill, "C in a drill");
    EXPECT_EQ(Label(0)->text(), question);
    Key(Qt::Key_F);
    ExpectButtons(form, kGraded, "F in a drill");

    Key(Qt::Key_S);
    ExpectButtons(form, kGraded, "S after finish");
    EXPECT_FALSE(form.Controller().IsDoingTraining());
    Key(Qt::Key_C);
    ExpectButtons(form, kReady, "C after finish");
    Key(Qt::Key_X);
    ExpectButtons(form, kReady, "another key");
}

TEST_F(frmTrainingTest, SWithinADrillStartsItOverAndKeepsTheChoices) {
    frmTraining& form = Open();
    Key(Qt::Key_S);
    Click(RightLabel(0));
    Tick();
    Tick();
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("58"));
    Key(Qt::Key_S);
    EXPECT_EQ(Ui(form).lblTimerCounter->text(), QStringLiteral("60"));
    EXPECT_EQ(Ui(form).lblCountdownProgress->width(), Ui(form).lblProgress2->width());
    EXPECT_EQ(Label(RightLabel(0))->BackColor(), kGreen);
    Key(Qt::Key_F);
    EXPECT_EQ(Ui(form).lblWrong->text(), QStringLiteral("错误：29"));
}

TEST_F(frmTrainingTest, DrillKeysWorkWhileTheTimeBoxHasTheFocus) {
    frmTraining& form = Open();
    QTest::keyClick(Ui(form).txtTime, Qt::Key_S);
    ExpectButtons(form, kInDrill, "S typed into the box");
    EXPECT_EQ(Ui(form).txtTime->text(), QStringLiteral("60"));
    QTest::keyClick(Ui(form).cmdFinish, Qt::Key_F);
    ExpectButtons(form, kGraded, "F on a button");
}

TEST_F(frmTrainingTest, CreateStartFinishByKeysAloneGradesThirtyWrong) {
    frmTraining& form = Open();
    Key(Qt::Key_C);
    Key(Qt::Key_S);
    Key(Qt::Key_F);
    EXPECT_EQ(Ui(form).lblCorrect->text(), QStringLiteral("正确：0"));
    EXPECT_EQ(Ui(form).lblWrong->text(), QStringLiteral("错误：30"));
    EXPECT_EQ(Ui(form).lblScore->text(), QStringLiteral("得分：0分"));
    EXPECT_EQ(Ui(form).lblGrade->text(), QStringLiteral("等级：婴儿"));
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        EXPECT_EQ(Label(RightLabel(slot))->BackColor(), kRed) << slot;
        EXPECT_EQ(Label(WrongLabel(slot))->BackColor(), Window()) << slot;
    }
}

TEST_F(frmTrainingTest, ClicksCountOnlyOnChoicesDuringADrill) {
    frmTraining& form = Open();
    Click(RightLabel(0));
    EXPECT_EQ(Label(RightLabel(0))->BackColor(), Window()) << "before Start";

    Key(Qt::Key_S);
    Click(0);
    EXPECT_EQ(Label(0)->BackColor(), Window()) << "the question text";
    Click(WrongLabel(1));
    Click(WrongLabel(1));
    EXPECT_EQ(Label(WrongLabel(1))->BackColor(), kGreen) << "clicked twice";
    Click(RightLabel(1));
    EXPECT_EQ(Label(RightLabel(1))->BackColor(), kGreen) << "the other choice";
    EXPECT_EQ(Label(WrongLabel(1))->BackColor(), Window());
    Click(RightLabel(2));
    Click(WrongLabel(2));

    Key(Qt::Key_F);
    // Slot 1 ends right, slot 2 wrong: the last click counts.
    EXPECT_EQ(Ui(form).lblWrong->text(), QStringLiteral("错误：29"));
    EXPECT_EQ(Label(WrongLabel(2))->BackColor(), kGreen);
    EXPECT_EQ(Label(RightLabel(2))->BackColor(), kRed);
    EXPECT_EQ(Label(RightLabel(1))->BackColor(), kGreen);

    Click(RightLabel(2));
    EXPECT_EQ(Label(RightLabel(2))->BackColor(), kRed) << "after Finish";
}

TEST_F(frmTrainingTest, ScoreAndGradeFollowTheNumberOfWrongQuestions) {
    struct Case {
        int wrong;
        int score;
        const char16_t* grade;
    };
    const std::vector<Case> cases{
        {0, 100, u"状元"},  {1, 96, u"榜眼"},  {2, 93, u"探花"},  {3, 90, u"进士"},
        {4, 86, u"同进士"}, {5, 83, u"举人"},  {6, 80, u"秀才"},  {7, 76, u"童生"},
        {10, 66, u"童生"},  {11, 63, u"启蒙"}, {15, 50, u"启蒙"}, {16, 46, u"婴儿"},
        {30, 0, u"婴儿"},
    };
    frmTraining& form = Open();
    for (const Case& c : cases) {
        Key(Qt::Key_C);
        Key(Qt::Key_S);
        Answer(c.wrong);
        Key(Qt::Key_F);
        EXPECT_EQ(Ui(form).lblCorrect->text(), QStringLiteral("正确：%1").arg(30 - c.wrong));
        EXPECT_EQ(Ui(form).lblWrong->text(), QStringLiteral("错误：%1").arg(c.wrong));
        EXPECT_EQ(Ui(form).lblScore->text(), QStringLiteral("得分：%1分").arg(c.score));
        EXPECT_EQ(Ui(form).lblGrade->text(), QStringLiteral("等级：") + QString::fromUtf16(c.grade))
            << c.wrong;
    }
}

TEST_F(frmTrainingTest, FewDistinctQuestionsRepeatWithTheirOwnChoices) {
    frmTraining& form = Open();
    std::set<QString> questions;
    std::set<std::pair<int, QString>> drawn;
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        const QString question = Label(3 * slot)->text();
        questions.insert(question);
        // The driver repeats its ten questions in rounds; none follows itself.
        if (slot > 0) {
            EXPECT_NE(question, Label(3 * (slot - 1))->text()) << slot;
        }
        EXPECT_NE(Label(3 * slot + 1)->text(), Label(3 * slot + 2)->text()) << slot;
        const int sum = Label(RightLabel(slot))->text().toInt();
        const int wrong = Label(WrongLabel(slot))->text().toInt();
        EXPECT_GE(wrong, 0);
        EXPECT_LE(std::abs(wrong - sum), 2) << question.toStdString();
        drawn.insert({RightLabel(slot) % 3, Label(WrongLabel(slot))->text()});
    }
    EXPECT_EQ(questions.size(), 10u);
    EXPECT_TRUE(questions.count(QStringLiteral("9＋10=")));
    // Thirty independent draws of order and wrong answer are not all alike.
    EXPECT_GT(drawn.size(), 3u);
    EXPECT_TRUE(Ui(form).cmdStart->isEnabled());
}

TEST_F(frmTrainingTest, NoQuestionsShowTheMessageAndKeepStartDisabled) {
    m_templates = {AdditionTemplate(9, 9, 1, 10, 50, 60)};
    frmTraining& form = Open();
    ExpectButtons(form, kNoQuestions, "impossible kind");
    EXPECT_EQ(Ui(form).lblInfo->text(),
              QStringLiteral("无法生成试题，可能您设计的算式有错误，请到主窗口修改算式。"));
    Key(Qt::Key_S);
    ExpectButtons(form, kNoQuestions, "S without questions");

    m_templates = {};
    Key(Qt::Key_C);
    ExpectButtons(form, kNoQuestions, "no templates");
    EXPECT_TRUE(Label(0)->text().isEmpty());

    m_templates = NineAddTemplates();
    Key(Qt::Key_C);
    ExpectButtons(form, kReady, "kind mended in the main window");
    EXPECT_TRUE(Ui(form).lblInfo->text().isEmpty());
}

// Whatever a handler throws becomes one message; the next click works again.
TEST_F(frmTrainingTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    struct Case {
        std::function<void()> failure;
        QString message;
    };
    const Case cases[] = {
        {[] { throw std::bad_alloc(); }, QString::fromUtf16(u"内存不足，无法完成这项操作。")},
        {[] { RaiseError(ErrorNumber::Overflow); },
         QString::fromUtf16(u"运行时错误 '6'：\n\n溢出")},
        {[] { throw std::runtime_error("disk gone"); }, QStringLiteral("disk gone")},
    };
    frmTraining& form = Open();
    std::vector<QString> messages;
    form.SetMessageBox([&](const QString& text) { messages.push_back(text); });
    for (const Case& c : cases) {
        m_sourceFailure = c.failure;
        QTest::mouseClick(Ui(form).cmdCreate, Qt::LeftButton);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back(), c.message);
        QTest::mouseClick(Ui(form).cmdCreate, Qt::LeftButton);
        ExpectButtons(form, kReady, "after the error");
    }
    EXPECT_EQ(messages.size(), 3u);
}

TEST_F(frmTrainingTest, TheTimeBoxHoldsOneToNineThousandNineHundredNinetyNineSeconds) {
    frmTraining& form = Open();
    struct Case {
        const char* typed;
        const char* kept;
    };
    // Empty text keeps the last number; only five characters count, so the
    // ".5" of "1235.5" is never read.
    for (const Case& c : {Case{"99999", "9999"}, Case{"0", "1"}, Case{"0.4", "1"}, Case{"  7", "7"},
                          Case{"", "7"}, Case{"a3b0", "30"}, Case{"1235.5", "1235"}}) {
        Ui(form).txtTime->clear();
        QTest::keyClicks(Ui(form).txtTime, QLatin1String(c.typed));
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(Ui(form).txtTime, &leave);
        EXPECT_EQ(Ui(form).txtTime->text(), QLatin1String(c.kept)) << c.typed;
    }
}

TEST_F(frmTrainingTest, OtherModesHideTheTimeBoxAndRenameTheFirstOption) {
    frmTraining& form = Open();
    for (int index : {1, 2}) {
        Ui(form).optModes[index]->click();
        EXPECT_EQ(Ui(form).optModes[0]->text(), QStringLiteral("限时模式"));
        EXPECT_TRUE(Ui(form).txtTime->isHidden());
        EXPECT_TRUE(Ui(form).lblSecond->isHidden());
    }
    Ui(form).optModes[0]->click();
    EXPECT_EQ(Ui(form).optModes[0]->text(), QStringLiteral("限时"));
    EXPECT_FALSE(Ui(form).txtTime->isHidden());
    EXPECT_FALSE(Ui(form).lblSecond->isHidden());
}

TEST_F(frmTrainingTest, ScoreOnlyModeRunsNoClock) {
    frmTraining& form = Open();
    Ui(form).optModes[2]->click();
    Key(Qt::Key_S);
    EXPECT_FALSE(Ui(form).timTimer->isActive());
    Key(Qt::Key_F);
    EXPECT_TRUE(Ui(form).lblSeconds->text().isEmpty());
    EXPECT_EQ(Ui(form).lblGrade->text(), QStringLiteral("等级：婴儿"));
}

TEST_F(frmTrainingTest, ModeOptionsAreLockedDuringADrill) {
    frmTraining& form = Open();
    const auto expectOptionsEnabled = [&form](bool enabled, const char* state) {
        for (QRadioButton* option : Ui(form).optModes) {
            EXPECT_EQ(option->isEnabled(), enabled) << state;
        }
    };
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Ui(form).optModes[mode]->click();
        Key(Qt::Key_S);
        expectOptionsEnabled(false, "in a drill");
        Ui(form).optModes[(mode + 1) % 3]->click();
        EXPECT_TRUE(Ui(form).optModes[mode]->isChecked());
        Key(Qt::Key_S);
        expectOptionsEnabled(false, "started over");
        EXPECT_EQ(Ui(form).timTimer->isActive(), mode != 2);
        Tick();
        Key(Qt::Key_F);
        expectOptionsEnabled(true, "graded");
        EXPECT_FALSE(Ui(form).timTimer->isActive());
        EXPECT_EQ(Ui(form).lblSeconds->text(), mode == 2 ? QString() : QStringLiteral("用时：1秒"));
        Key(Qt::Key_C);
    }
}

TEST_F(frmTrainingTest, FinishOutsideADrillDoesNothing) {
    frmTraining& form = Open();
    form.Controller().DoFinishClicked();
    ExpectButtons(form, kReady, "finish in Ready");
    EXPECT_TRUE(Ui(form).lblGrade->text().isEmpty());
    EXPECT_TRUE(Ui(form).lblSeconds->text().isEmpty());
}

TEST_F(frmTrainingTest, ClosingDuringADrillGradesNothingAndStopsTheClock) {
    frmTraining& form = Open();
    Key(Qt::Key_S);
    QTimer* timer = Ui(form).timTimer;
    QSignalSpy deleted(&form, &QObject::destroyed);
    QTest::mouseClick(Ui(form).cmdExit, Qt::LeftButton);
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(Ui(form).lblGrade->text().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(deleted.count(), 1);
}

TEST_F(frmTrainingTest, HelpTellsModesStepsKeysGradesAndHintsInOrder) {
    frmTrainingHelp help(nullptr);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Kelvo训练帮助"));
    EXPECT_EQ(help.cmdExitTrainingHelp->text(), QStringLiteral("关闭"));
    EXPECT_EQ(help.findChild<QPlainTextEdit*>(QStringLiteral("txtHelp")), help.txtHelp);
    const QString text = help.txtHelp->toPlainText();
    qsizetype last = -1;
    for (const char16_t* part :
         {u"限时模式", u"计时模式", u"计分模式", u"C 键", u"S 键", u"绿色", u"回车键",
          u"空格键或者【余】", u"结束", u"开始做题：S 键", u"结束做题：F 键", u"出题：C 键",
          u"婴儿-启蒙-童生-秀才-举人-同进士-进士-探花-榜眼-状元", u"字体", u"眼睛"}) {
        const qsizetype at = text.indexOf(QString::fromUtf16(part), last + 1);
        EXPECT_GT(at, last) << QString::fromUtf16(part).toStdString();
        last = std::max(last, at);
    }
    help.show();
    QTest::mouseClick(help.cmdExitTrainingHelp, Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST_F(frmTrainingTest, HelpOpensModallyOverTheWindow) {
    frmTraining& form = Open();
    bool helpShown = false;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* help = qobject_cast<frmTrainingHelp*>(QApplication::activeModalWidget());
        helpShown = help != nullptr;
        if (help) {
            owner = help->parentWidget();
            help->close();
        }
    });
    QTest::mouseClick(Ui(form).cmdShowHelp, Qt::LeftButton);
    EXPECT_TRUE(helpShown);
    EXPECT_EQ(owner, &form);
}

// Picks a size in the font dialog, as the user does, and lets the window settle.
void ChooseFontSize(frmTraining& form, int size) {
    QTimer::singleShot(0, [size] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSpinBox*>(QStringLiteral("spnFontSize"))->setValue(size);
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    QTest::mouseClick(Ui(form).cmdFont, Qt::LeftButton);
    QApplication::processEvents();
}

// 100..999 ＋ 100..999 － 100..999 ＋ 100..999.
TemplateList FourOperandTemplates() {
    OperandList operands;
    for (int32_t code : {Op::None, Op::Plus, Op::Minus, Op::Plus}) {
        auto operand = std::make_shared<COperand>();
        operand->InitLimits(100, 999, 1);
        operand->SetLeftOperator(code);
        operands.push_back(operand);
    }
    auto result = std::make_shared<COperand>();
    result->InitLimits(0, 10000, 1);
    auto expression = std::make_shared<CExpression>();
    expression->Init(std::move(operands), result);
    return {expression};
}

// Where the text of a label starts and ends, in its frame.
std::pair<int, int> TextSpan(const QLabel& label) {
    const int width = label.fontMetrics().horizontalAdvance(label.text());
    const QRect box = label.geometry();
    const int left = (label.alignment() & Qt::AlignLeft) ? box.left() + label.margin()
                                                         : box.center().x() - width / 2;
    return {left, left + width};
}

TEST_F(frmTrainingTest, QuestionFramesFollowTheFontWithinTheScreen) {
    struct Case {
        const char* kind;
        TemplateList templates;
    };
    const Case cases[] = {{"two digits", {AdditionTemplate(10, 99, 10, 99, 0, 200)}},
                          {"four operands", FourOperandTemplates()}};
    for (const Case& c : cases) {
        m_templates = c.templates;
        frmTraining& form = Open();
        const QRect screen = form.screen()->availableGeometry();
        QSize first;
        for (int size : {12, 18, 28, 12}) {
            SCOPED_TRACE(::testing::Message() << c.kind << " at " << size << " pt");
            ChooseFontSize(form, size);
            EXPECT_TRUE(screen.contains(form.frameGeometry()))
                << form.width() << "x" << form.height();
            const int gap = Label(0)->fontMetrics().horizontalAdvance(u'0');
            for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
                const auto question = TextSpan(*Label(3 * slot));
                const auto choice1 = TextSpan(*Label(3 * slot + 1));
                const auto choice2 = TextSpan(*Label(3 * slot + 2));
                ASSERT_GE(choice1.first - question.second, gap) << slot;
                ASSERT_GE(choice2.first - choice1.second, gap) << slot;
                ASSERT_LE(choice2.second, Label(3 * slot + 2)->geometry().right()) << slot;
                ASSERT_EQ(Ui(form).fraQuestions[slot]->width(), Ui(form).fraQuestions[0]->width());
            }
            if (first.isEmpty()) {
                first = form.size();
            }
        }
        EXPECT_EQ(form.size(), first) << c.kind << ": back at 12 pt";
        CloseWindow();
    }
}

// "读题": the first question as the drill starts, the next once the one being
// read is answered, and nothing for answers to others.
TEST_F(frmTrainingTest, ReadAloudFollowsThePupilFromQuestionToQuestion) {
    frmTraining& form = Open();
    testing::CFakeSpeaker* speaker = nullptr;
    form.Controller().Reader().SetSpeakerOpener([&speaker]() -> std::unique_ptr<CSpeaker> {
        auto made = std::make_unique<testing::CFakeSpeaker>();
        speaker = made.get();
        return made;
    });
    EXPECT_FALSE(Ui(form).chkReadAloud->isChecked());
    // On the box itself: the check box is as wide as its column.
    QTest::mouseClick(Ui(form).chkReadAloud, Qt::LeftButton, {},
                      QPoint(5, Ui(form).chkReadAloud->height() / 2));
    QTest::mouseClick(Ui(form).cmdStart, Qt::LeftButton);
    ASSERT_NE(speaker, nullptr);
    const auto spokenAt = [&](int slot) {
        const int second = Label(3 * slot)->text().chopped(1).split(u'＋').at(1).toInt();
        return u"第" + SpokenNumber(slot + 1) + u"题，九加" + SpokenNumber(second) + u"等于";
    };
    ASSERT_EQ(speaker->spoken.size(), 1U);
    EXPECT_EQ(speaker->spoken[0], spokenAt(0));
    Click(RightLabel(5));
    Click(WrongLabel(0));
    Click(RightLabel(0));
    ASSERT_EQ(speaker->spoken.size(), 2U);
    EXPECT_EQ(speaker->spoken[1], spokenAt(1));
    QTest::mouseClick(Ui(form).cmdFinish, Qt::LeftButton);
    EXPECT_FALSE(speaker->IsSpeaking());
}

// Slots 0–9 typed on the main row of keys, 10–19 on the on-screen keypad,
// 20–24 first wrong on the number pad, then retyped right; 25–29 left. Then
// a drill of 17÷2 … 17÷5 with remainders: quotient, "余" (keypad or space
// bar), remainder.
TEST_F(frmTrainingTest, ATypedDrillTakesKeysAndKeypadAndRetypesWhatWasWrong) {
    frmTraining& form = Open();
    const TrainingControls ui = Ui(form);
    EXPECT_TRUE(ui.optAnswerModes[0]->isChecked()) << "choosing stays the default";
    EXPECT_TRUE(ui.fraKeypad->isHidden());
    ui.cboSchoolYear->setCurrentIndex(2);
    emit ui.cboSchoolYear->activated(2);
    EXPECT_EQ(ui.txtTarget->Value(), 5);
    ui.txtTarget->SetValue(1);
    QTest::mouseClick(ui.optAnswerModes[1], Qt::LeftButton);
    EXPECT_FALSE(ui.fraKeypad->isHidden());
    EXPECT_GE(ui.cmdKeys[0]->width(), 48) << "large enough for a finger";
    EXPECT_TRUE(Label(1)->text().isEmpty()) << "no choices to type from";

    const auto sum = [this](int slot) {
        const QStringList parts = Label(3 * slot)->text().chopped(1).split(u'＋');
        return parts.at(0).toInt() + parts.at(1).toInt();
    };
    const auto typeOnKeys = [this](int value, Qt::KeyboardModifiers modifiers) {
        for (const QChar digit : QString::number(value)) {
            QTest::keyClick(m_form.data(), static_cast<Qt::Key>(Qt::Key_0 + digit.digitValue()),
                            modifiers);
        }
        QTest::keyClick(m_form.data(), modifiers ? Qt::Key_Enter : Qt::Key_Return, modifiers);
    };
    const auto typeOnKeypad = [&](int value) {
        for (const QChar digit : QString::number(value)) {
            QTest::mouseClick(ui.cmdKeys[digit.digitValue()], Qt::LeftButton);
        }
        QTest::mouseClick(ui.cmdEnter, Qt::LeftButton);
    };

    Key(Qt::Key_S);
    EXPECT_FALSE(ui.optAnswerModes[0]->isEnabled());
    EXPECT_FALSE(ui.cmdRemainder->isEnabled()) << "no remainder to type";
    EXPECT_EQ(ui.cmdRemainder->size(), ui.cmdKeys[0]->size());
    for (int slot = 0; slot < 25; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_NE(Label(3 * slot)->BackColor(), Window()) << "the current question stands out";
        if (slot < 10) {
            typeOnKeys(sum(slot), Qt::NoModifier);
            EXPECT_EQ(Label(3 * slot + 1)->BackColor(), kGreen);
        } else if (slot < 20) {
            QTest::mouseClick(ui.cmdKeys[7], Qt::LeftButton);
            Key(Qt::Key_Space);
            QTest::mouseClick(ui.cmdBackspace, Qt::LeftButton);
            typeOnKeypad(sum(slot));
        } else {
            typeOnKeys(sum(slot) + 1, Qt::KeypadModifier);
            EXPECT_EQ(Label(3 * slot + 2)->text(), QString::number(sum(slot)));
            EXPECT_EQ(Label(3 * slot + 2)->BackColor(), kRed);
            EXPECT_NE(Label(3 * slot)->BackColor(), Window()) << "no going on before retyping";
            typeOnKeypad(sum(slot) + 2);
            EXPECT_NE(Label(3 * slot)->BackColor(), Window()) << "still not the answer shown";
            typeOnKeys(sum(slot), Qt::NoModifier);
        }
        EXPECT_EQ(Label(3 * slot)->BackColor(), Window());
        EXPECT_EQ(Label(3 * slot + 1)->text(), QString::number(sum(slot)));
    }
    Key(Qt::Key_C);
    EXPECT_TRUE(form.Controller().IsDoingTraining()) << "C is no answer";
    Key(Qt::Key_F);

    EXPECT_FALSE(form.Controller().IsDoingTraining());
    EXPECT_EQ(ui.lblCorrect->text(), QStringLiteral("正确：20"));
    EXPECT_EQ(ui.lblWrong->text(), QStringLiteral("错误：10"));
    EXPECT_EQ(Label(3 * 29 + 2)->text(), QString::number(sum(29)));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^达标：每分钟\\d+\\.\\d题$"))
                    .match(ui.lblRate->text())
                    .hasMatch())
        << ui.lblRate->text().toStdString();
    Key(Qt::Key_5);
    EXPECT_EQ(Label(3 * 29 + 1)->text(), QString()) << "no typing after the finish";

    const CDrillResult result = m_history->Drills().front().result;
    EXPECT_EQ(result.answerMode, CDrill::kTyping);
    EXPECT_EQ(result.right, 20);
    EXPECT_EQ(result.target, 1);
    EXPECT_TRUE(result.millisecondsUsed.has_value());

    m_templates = {
        testing::MakeTemplate({{17, 17}, {2, 5}}, {Op::Divide}, {1, 100}, Cbr::Remainder)};
    Key(Qt::Key_C);
    EXPECT_EQ(Label(1)->text(), QStringLiteral("□……□")) << "where both numbers go";
    Key(Qt::Key_S);
    EXPECT_TRUE(ui.cmdRemainder->isEnabled());
    const auto division = [this](int slot) {
        const int divisor = Label(3 * slot)->text().chopped(1).split(u'÷').at(1).toInt();
        return std::pair(17 / divisor, 17 % divisor);
    };
    const auto typeWithRemainder = [&](int quotient, int remainder) {
        for (const int key : {Qt::Key_0 + quotient, int{Qt::Key_Space}, Qt::Key_0 + remainder,
                              int{Qt::Key_Return}}) {
            Key(static_cast<Qt::Key>(key));
        }
    };
    // Slot 0 on the keypad; slot 1 on keys, back across "余" first; slot 2
    // without its remainder and slot 3 with a wrong one, both retyped.
    const auto [q0, r0] = division(0);
    QTest::mouseClick(ui.cmdKeys[q0], Qt::LeftButton);
    QTest::mouseClick(ui.cmdRemainder, Qt::LeftButton);
    QTest::mouseClick(ui.cmdKeys[r0], Qt::LeftButton);
    EXPECT_TRUE(Label(1)->text().contains(QStringLiteral("……")));
    QTest::mouseClick(ui.cmdEnter, Qt::LeftButton);
    EXPECT_EQ(Label(1)->text(), QStringLiteral("%1……%2").arg(q0).arg(r0));
    EXPECT_EQ(Label(1)->BackColor(), kGreen);
    const auto [q1, r1] = division(1);
    for (const Qt::Key key : {Qt::Key_9, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Backspace}) {
        Key(key);
    }
    typeWithRemainder(q1, r1);
    EXPECT_EQ(Label(4)->BackColor(), kGreen);
    const auto [q2, r2] = division(2);
    typeOnKeys(q2, Qt::NoModifier);
    EXPECT_EQ(Label(8)->text(), QStringLiteral("%1……%2").arg(q2).arg(r2));
    EXPECT_EQ(Label(8)->BackColor(), kRed);
    typeWithRemainder(q2, r2);
    const auto [q3, r3] = division(3);
    QTest::mouseClick(ui.cmdKeys[q3], Qt::LeftButton);
    QTest::mouseClick(ui.cmdRemainder, Qt::LeftButton);
    typeOnKeypad(r3 + 1);
    EXPECT_NE(Label(9)->BackColor(), Window()) << "no going on before retyping";
    typeWithRemainder(q3, r3);
    EXPECT_EQ(Label(9)->BackColor(), Window());
    Key(Qt::Key_F);

    EXPECT_FALSE(ui.cmdRemainder->isEnabled());
    EXPECT_EQ(m_history->Drills().front().result.answerMode, CDrill::kTyping);
    EXPECT_EQ(m_history->Drills().front().result.right, 2);
    const QString path = m_history->Path();
    EXPECT_EQ(SqlValue(path, QStringLiteral("SELECT group_concat(given, ' ') FROM (SELECT given "
                                            "FROM answers WHERE drill_id = (SELECT max(id) FROM "
                                            "drills) AND position <= 4 ORDER BY position)")),
              QStringLiteral("%1……%2 %3……%4 %5 %6……%7")
                  .arg(q0)
                  .arg(r0)
                  .arg(q1)
                  .arg(r1)
                  .arg(q2)
                  .arg(q3)
                  .arg(r3 + 1));
    EXPECT_EQ(SqlValue(path, QStringLiteral("SELECT group_concat(choice, ' ') FROM "
                                            "missed_questions WHERE choice IS NOT NULL AND "
                                            "drill_id = (SELECT max(id) FROM drills)")),
              QStringLiteral("%1 %2……%3").arg(q2).arg(q3).arg(r3 + 1));
}

// The questions missed in a drill come back in the day's practice of the kind;
// a kind too large to list fact by fact is turned away with a word why.
TEST_F(frmTrainingTest, DailyPracticeBringsBackTheMissedFacts) {
    m_templates = {AdditionTemplate(1, 19, 1, 19, 0, 20)};
    m_title = u"20以内的加法";
    Open();
    TrainingControls controls(Form());
    const auto questionsShown = [&] {
        std::set<QString> shown;
        for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
            shown.insert(Label(3 * slot)->text());
        }
        return shown;
    };
    QTest::mouseClick(controls.cmdCreate, Qt::LeftButton);
    QTest::mouseClick(controls.cmdStart, Qt::LeftButton);
    const std::set<QString> missed{Label(0)->text(), Label(3)->text(), Label(6)->text()};
    Answer(3);
    QTest::mouseClick(controls.cmdFinish, Qt::LeftButton);

    m_now = m_now.addSecs(600);
    auto* practice = Form().findChild<QPushButton*>(QStringLiteral("cmdDailyPractice"));
    QTest::mouseClick(practice, Qt::LeftButton);
    EXPECT_TRUE(controls.lblInfo->text().startsWith(QStringLiteral("今日练习：")));
    const std::set<QString> shown = questionsShown();
    EXPECT_TRUE(std::ranges::includes(shown, missed)) << "every missed fact comes back";
    QTest::mouseClick(controls.cmdStart, Qt::LeftButton);
    EXPECT_FALSE(practice->isEnabled()) << "not during a drill";
    Answer(0);
    QTest::mouseClick(controls.cmdFinish, Qt::LeftButton);
    EXPECT_TRUE(practice->isEnabled());

    CloseWindow();
    m_templates = {AdditionTemplate(1, 99, 1, 99, 0, 200)};
    Open();
    QTest::mouseClick(Form().findChild<QPushButton*>(QStringLiteral("cmdDailyPractice")),
                      Qt::LeftButton);
    EXPECT_TRUE(TrainingControls(Form()).lblInfo->text().startsWith(
        QStringLiteral("今日练习只用于题目能一道道列出的题型")));
    EXPECT_FALSE(TrainingControls(Form()).cmdStart->isEnabled());
}

} // namespace
} // namespace kelvo::test
