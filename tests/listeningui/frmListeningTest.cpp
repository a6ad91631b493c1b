// 听算 from the main window: the round driven through the window's buttons
// on a clock the test sets, and the answer sheet read back from its PDF.
#include "listeningui/frmListening.h"

#include "listening/FakeSpeaker.h"
#include "listeningui/CMandarinSpeaker.h"
#include "question/CPreCreatedQuestions.h"
#include "support/KindFactory.h"
#include "ui/MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

namespace kelvo {
namespace {

using namespace std::chrono_literals;

class ListeningTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->SetListeningClock([this] { return now; });
        window->SetSpeakerOpener([this]() -> std::unique_ptr<CSpeaker> {
            auto made = std::make_unique<testing::CFakeSpeaker>();
            made->finishesAtOnce = true;
            speaker = made.get();
            return made;
        });
    }
    // Sums below 200 in a 10 × 5 sheet.
    void CreateAdditions() const {
        window->ShowQuestionData(*testing::MakeKind({{1, 99}, {1, 99}}, {u"＋$$$"}, {0, 200}));
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    }
    frmListening* OpenListening() const {
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdListening")), Qt::LeftButton);
        return window->ListeningWindow();
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // The window's timer fires once at the clock's time.
    void TickAt(frmListening& form, CListeningRound::Time time) {
        now = time;
        QTimerEvent tick(form.timRound->timerId());
        QCoreApplication::sendEvent(form.timRound, &tick);
    }

    // The answer sheet's pages as pdftotext lays them out: the sheet, then
    // its key.
    QStringList AnswerSheetPages(frmListening& form, const QString& path) {
        dialogs.fileAnswer = path;
        Click(form.cmdAnswerSheetPdf);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), path, QStringLiteral("-")});
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    }

    CListeningRound::Time now{0};
    testing::CFakeSpeaker* speaker = nullptr;
};

TEST_F(ListeningTest, WithoutASheetThereIsNothingToRead) {
    EXPECT_EQ(OpenListening(), nullptr);
    EXPECT_TRUE(Output().contains(QString::fromUtf16(u"生成题目后才能听算")));
}

TEST_F(ListeningTest, TheRoundIsStartedPausedResumedAndStoppedByItsButtons) {
    CreateAdditions();
    frmListening* form = OpenListening();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->lblCount->text(), QString::fromUtf16(u"共 50 题"));
    // Three-digit sums: two seconds and two for each digit.
    EXPECT_EQ(form->txtPace->value(), 8);
    EXPECT_FALSE(form->cmdPause->isEnabled());

    Click(form->cmdStart);
    ASSERT_NE(speaker, nullptr);
    ASSERT_EQ(speaker->spoken.size(), 1U);
    EXPECT_TRUE(speaker->spoken[0].starts_with(u"第一题，"));
    EXPECT_TRUE(speaker->spoken[0].ends_with(u"等于"));
    EXPECT_EQ(form->lblNumber->text(), QStringLiteral("1"));
    EXPECT_EQ(speaker->rate, 140);
    QTest::keyClick(form->cboRate, Qt::Key_Down);
    EXPECT_EQ(speaker->rate, 180);
    TickAt(*form, 7900ms);
    EXPECT_EQ(form->lblNumber->text(), QStringLiteral("1"));
    TickAt(*form, 8s);
    EXPECT_EQ(form->lblNumber->text(), QStringLiteral("2"));

    Click(form->cmdPause);
    EXPECT_FALSE(form->cmdPause->isEnabled());
    TickAt(*form, 100s);
    EXPECT_EQ(form->lblNumber->text(), QStringLiteral("2"));
    Click(form->cmdResume);
    Click(form->cmdRepeat);
    EXPECT_EQ(speaker->spoken.size(), 3U);
    EXPECT_TRUE(speaker->spoken[2].starts_with(u"第二题，"));
    TickAt(*form, 108s);
    EXPECT_EQ(form->lblNumber->text(), QStringLiteral("3"));

    Click(form->cmdStop);
    EXPECT_TRUE(form->cmdStart->isEnabled());
    EXPECT_FALSE(form->cmdStop->isEnabled());
    TickAt(*form, 200s);
    EXPECT_EQ(speaker->spoken.size(), 4U);

    // A new sheet ends the window of the old one.
    const QPointer<frmListening> open = form;
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    EXPECT_TRUE(open.isNull() || !open->isVisible());
}

TEST_F(ListeningTest, FillInQuestionsAreReadWithTheBlankTheSheetShows) {
    CreateAdditions();
    QTest::mouseClick(Find<QCheckBox>(QStringLiteral("chkFillQuestion")), Qt::LeftButton);
    frmListening* form = OpenListening();
    ASSERT_NE(form, nullptr);
    Click(form->cmdStart);
    ASSERT_NE(speaker, nullptr);
    const std::u16string& spoken = speaker->spoken.at(0);
    EXPECT_NE(spoken.find(u'几'), std::u16string::npos);
    EXPECT_FALSE(spoken.ends_with(u"等于"));
}

TEST_F(ListeningTest, WithoutAVoiceTheWindowSaysWhatToInstall) {
    window->SetSpeakerOpener([] { return std::unique_ptr<CSpeaker>(); });
    CreateAdditions();
    frmListening* form = OpenListening();
    ASSERT_NE(form, nullptr);
    Click(form->cmdStart);
    EXPECT_EQ(form->lblStatus->text(), QString::fromUtf16(NoMandarinVoiceText));
    EXPECT_TRUE(form->cmdStart->isEnabled());
}

TEST_F(ListeningTest, TheAnswerSheetHasNumberedBoxesAndItsKeyTheSums) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    CreateAdditions();
    frmListening* form = OpenListening();
    ASSERT_NE(form, nullptr);
    const QString path =
        qEnvironmentVariable("KELVO_KEEP_PDF", m_folder.filePath(QStringLiteral("answers.pdf")));
    const QStringList pages = AnswerSheetPages(*form, path);
    ASSERT_GE(pages.size(), 2);
    const QString& sheet = pages[0];
    const QString& key = pages[1];
    EXPECT_FALSE(sheet.contains(u'＋'));
    EXPECT_FALSE(sheet.contains(u'='));
    static const QRegularExpression number(QStringLiteral("\\((\\d+)\\)"));
    static const QRegularExpression answered(QStringLiteral("\\((\\d+)\\)\\s+(\\d+)"));
    int count = 0;
    for (auto match = number.globalMatch(sheet); match.hasNext(); match.next()) {
        ++count;
    }
    EXPECT_EQ(count, 50);
    EXPECT_FALSE(answered.match(sheet).hasMatch());
    EXPECT_TRUE(key.contains(QString::fromUtf16(u"答案")));
    int answers = 0;
    for (auto match = answered.globalMatch(key); match.hasNext();) {
        const int sum = match.next().captured(2).toInt();
        EXPECT_GE(sum, 2);
        EXPECT_LE(sum, 198);
        ++answers;
    }
    EXPECT_EQ(answers, 50);
}

// A comparison of two questions is set in words, and the key of its answer
// sheet holds the signs the pupils write.
TEST_F(ListeningTest, AComparisonIsReadInWordsAndItsKeyHoldsTheSigns) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    auto kind = testing::MakeKind({{1, 20}, {1, 20}}, {u"＋－$$"}, {0, 20});
    kind->SetForm(QuestionForm::CompareQuestions);
    window->ShowQuestionData(*kind);
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    frmListening* form = OpenListening();
    ASSERT_NE(form, nullptr);
    Click(form->cmdStart);
    ASSERT_NE(speaker, nullptr);
    const QRegularExpression words(
        QString::fromUtf16(u"^第一题，\\S+[加减]\\S+与\\S+[加减]\\S+比较大小$"));
    EXPECT_TRUE(words.match(QString::fromStdU16String(speaker->spoken.at(0))).hasMatch());
    Click(form->cmdStop);

    const QString path = m_folder.filePath(QStringLiteral("answers.pdf"));
    const QStringList pages = AnswerSheetPages(*form, path);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages[1].count(QRegularExpression(QString::fromUtf16(u"\\(\\d+\\)\\s+[＞＜＝]"))), 50)
        << pages[1].toStdString();
}

// A decimal sheet is read with 点 and its key holds the decimals.
TEST_F(ListeningTest, ADecimalSheetIsReadWithItsPointsAndItsKeyHoldsDecimals) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    CPreCreatedQuestions presets;
    presets.Load();
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        if (presets.Questions().Item(i)->Title() == u"小数乘小数") {
            window->ShowQuestionData(*presets.Questions().Item(i));
        }
    }
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    frmListening* form = OpenListening();
    ASSERT_NE(form, nullptr);
    Click(form->cmdStart);
    ASSERT_NE(speaker, nullptr);
    const QRegularExpression words(QString::fromUtf16(u"^第一题，\\S+点\\S+乘\\S+点\\S+等于$"));
    EXPECT_TRUE(words.match(QString::fromStdU16String(speaker->spoken.at(0))).hasMatch())
        << QString::fromStdU16String(speaker->spoken.at(0)).toStdString();
    Click(form->cmdStop);

    const QString path = m_folder.filePath(QStringLiteral("answers.pdf"));
    const QStringList pages = AnswerSheetPages(*form, path);
    ASSERT_GE(pages.size(), 2);
    // Each product of two one-place factors, without trailing zeros.
    static const QRegularExpression answer(QStringLiteral("\\(\\d+\\)\\s+(\\S+)"));
    static const QRegularExpression decimal(QStringLiteral("^(0|[1-9]\\d*)(\\.\\d?[1-9])?$"));
    int answers = 0;
    for (auto match = answer.globalMatch(pages[1]); match.hasNext();) {
        EXPECT_TRUE(decimal.match(match.next().captured(1)).hasMatch()) << pages[1].toStdString();
        ++answers;
    }
    EXPECT_EQ(answers, 50);
}

} // namespace
} // namespace kelvo
