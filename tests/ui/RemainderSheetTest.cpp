// Division with a remainder through the real controls: the pair the panel
// offers for a lone "÷", the sheet in its three forms, and its PDF with the key
// read back by poppler's pdftotext.
#include "MainWindowFixture.h"
#include "number/OperatorCodes.h"
#include "training/TrainingControls.h"
#include "ui/frmPageOptions.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace kelvo {
namespace {

class RemainderSheetTest : public MainWindowFixture {
protected:
    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void ClickNamed(const char* name) const {
        QTest::mouseClick(Find<QCheckBox>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void ClickBox(const char* group, int index) const {
        QTest::mouseClick(Check(group, index), Qt::LeftButton);
    }
    // The text of the PDF of the sheet, its pages split.
    QStringList ExportPages(const QString& name) {
        const QString path = m_folder.filePath(name);
        dialogs.fileAnswer = path;
        Click("cmdExportPdf");
        EXPECT_TRUE(messages.empty());
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    }
};

// Matches side by side, none inside another.
qsizetype MatchCount(const QString& text, const QRegularExpression& pattern) {
    qsizetype count = 0;
    for (auto match = pattern.globalMatch(text); match.hasNext(); match.next()) {
        ++count;
    }
    return count;
}

const QRegularExpression
    RemainderAnswer(QStringLiteral("(\\d+)÷(\\d+)=\\s*(\\d+)\\s*……\\s*(\\d+)"));

// a = b × q + r with r in 1 .. b - 1.
bool IsRight(const QRegularExpressionMatch& match) {
    const int a = match.captured(1).toInt();
    const int b = match.captured(2).toInt();
    const int q = match.captured(3).toInt();
    const int r = match.captured(4).toInt();
    return a == b * q + r && r >= 1 && r < b;
}

// Every "a÷b=q……r" of a text, each checked.
int CheckedRemainderAnswers(const QString& text) {
    int count = 0;
    for (const auto& match : RemainderAnswer.globalMatch(text)) {
        EXPECT_TRUE(IsRight(match)) << match.captured(0).toStdString();
        ++count;
    }
    return count;
}

TEST_F(RemainderSheetTest, ALoneDivideOffersTheRemainderPairAndTicksIt) {
    EXPECT_EQ(Check("chkCbr", 0)->text(), QStringLiteral("有进位"));
    ClickBox("chkOperators", 0);
    ClickBox("chkOperators", 3);
    EXPECT_EQ(Check("chkCbr", 0)->text(), QStringLiteral("有余数"));
    EXPECT_EQ(Check("chkCbr", 1)->text(), QStringLiteral("无余数"));
    EXPECT_TRUE(Check("chkCbr", 0)->isEnabled());
    ClickBox("chkCbr", 0);
    EXPECT_EQ(window->OperandController().QuestionData()->Cbr(), Cbr::Remainder);
    ClickBox("chkCbr", 1);
    EXPECT_EQ(window->OperandController().QuestionData()->Cbr(), Cbr::NoRemainder);
    // "×" beside "÷": the pair no longer applies.
    ClickBox("chkOperators", 2);
    EXPECT_FALSE(Check("chkCbr", 0)->isEnabled());
    EXPECT_EQ(window->OperandController().QuestionData()->Cbr(), Cbr::None);
}

TEST_F(RemainderSheetTest, TheSheetAsksForBothNumbersAndItsKeyGivesThem) {
    SelectQuestionType(u"有余数的除法（表内）");
    EnterText(Box("txtSettings", 0), QStringLiteral("10"));
    EnterText(Box("txtSettings", 1), QStringLiteral("4"));
    Click("cmdCreate");
    ASSERT_TRUE(messages.empty());
    EXPECT_EQ(Output().count(QStringLiteral("=(  )……(  )")), 40);

    ClickNamed("chkShowAnswer");
    EXPECT_EQ(CheckedRemainderAnswers(Output()), 40);

    // Fill-in form: the dividend or the divisor is blank, the answer stands.
    ClickNamed("chkShowAnswer");
    ClickNamed("chkFillQuestion");
    static const QRegularExpression filled(
        QStringLiteral("(\\(\\s+\\)÷\\d+|\\d+÷\\(\\s+\\))=\\d+……\\d+"));
    EXPECT_EQ(MatchCount(Output(), filled), 40) << Output().toStdString();
    ClickNamed("chkFillQuestion");

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    const QStringList pages = ExportPages(QStringLiteral("remainder.pdf"));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].count(QStringLiteral("……")), 40);
    EXPECT_EQ(CheckedRemainderAnswers(pages[0]), 0) << "no answer on the sheet";
    EXPECT_TRUE(pages[1].contains(QStringLiteral("答案")));
    EXPECT_EQ(CheckedRemainderAnswers(pages[1]), 40);

    // Column form: the key adds the digits of every 商 and remainder (the
    // remainder at the foot of the long division) to what the sheet shows.
    dialogs.onPageOptions = [](frmPageOptions& dialog) {
        dialog.chkColumnForm->click();
        return true;
    };
    Click("cmdPageOptions");
    const QStringList columns = ExportPages(QStringLiteral("remainder-columns.pdf"));
    ASSERT_EQ(columns.size() % 2, 0);
    const qsizetype half = columns.size() / 2;
    // The code stands in the footers and in the key's header: no answer digits.
    static const QRegularExpression code(QStringLiteral("编号 \\S+"));
    const QString sheet = columns.mid(0, half).join(QString()).remove(code);
    const QString key = columns.mid(half).join(QString()).remove(code);
    EXPECT_EQ(sheet.count(QStringLiteral("……")) + key.count(QStringLiteral("……")), 0);
    ClickNamed("chkShowAnswer");
    static const QRegularExpression answers(QStringLiteral("=(\\d+)……(\\d+)"));
    qsizetype answerDigits = 0;
    for (const auto& match : answers.globalMatch(Output())) {
        answerDigits += match.captured(1).size() + match.captured(2).size();
    }
    static const QRegularExpression digit(QStringLiteral("\\d"));
    EXPECT_EQ(key.count(digit) - sheet.count(digit), answerDigits);
}

// Each drill question offers "q……r" twice, one of them right.
TEST_F(RemainderSheetTest, TheDrillOffersQuotientsWithTheirRemainders) {
    SelectQuestionType(u"三位数除以一位数（有余数）");
    Find<QPushButton>(QStringLiteral("cmdTraining"))->click();
    ASSERT_NE(window->TrainingWindow(), nullptr);
    const test::TrainingControls training(*window->TrainingWindow());
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        const QString question = training.lblQuestions.at(3 * slot)->text();
        const QString first = training.lblQuestions.at(3 * slot + 1)->text();
        const QString second = training.lblQuestions.at(3 * slot + 2)->text();
        EXPECT_NE(IsRight(RemainderAnswer.match(question + first)),
                  IsRight(RemainderAnswer.match(question + second)))
            << (question + first + u' ' + second).toStdString();
    }
}

} // namespace
} // namespace kelvo
