// Parentheses through the real controls: the positions the panel lists for
// each operand count, a parentheses sheet in its forms, and its PDF read back
// by poppler's pdftotext, where a blank is a box and never a parenthesis.
#include "MainWindowFixture.h"
#include "training/TrainingControls.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace kelvo {
namespace {

class ParenthesesSheetTest : public MainWindowFixture {
protected:
    QComboBox* Parentheses() const { return Find<QComboBox>(QStringLiteral("cboParentheses")); }
    QStringList Items() const {
        QStringList items;
        for (int k = 0; k < Parentheses()->count(); ++k) {
            items << Parentheses()->itemText(k);
        }
        return items;
    }
    void Click(const char* name) const {
        QTest::mouseClick(Find<QWidget>(QString::fromLatin1(name)), Qt::LeftButton);
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

TEST_F(ParenthesesSheetTest, ThePanelListsThePlacesOfItsOperandCount) {
    SelectOperandCount(2);
    EXPECT_FALSE(Parentheses()->isEnabled());
    EXPECT_EQ(Items(), QStringList{QStringLiteral("无")});

    SelectOperandCount(3);
    EXPECT_TRUE(Parentheses()->isEnabled());
    EXPECT_EQ(Items(), (QStringList{QStringLiteral("无"), QStringLiteral("随机"),
                                    QStringLiteral("（□□）□"), QStringLiteral("□（□□）")}));
    Parentheses()->setCurrentIndex(3);
    EXPECT_EQ(window->OperandController().QuestionData()->ParenthesesChoice(), 2);

    SelectOperandCount(4);
    EXPECT_EQ(Items().size(), 7);
    EXPECT_EQ(Parentheses()->currentText(), QStringLiteral("□（□□）□"));
    Parentheses()->setCurrentIndex(1);
    EXPECT_EQ(window->OperandController().QuestionData()->ParenthesesChoice(),
              CQuestionData::RandomParentheses);

    SelectQuestionType(u"乘除法带小括号（表内）");
    EXPECT_EQ(Parentheses()->currentText(), QStringLiteral("□（□□）"));
    SelectOperandCount(2);
    EXPECT_EQ(window->OperandController().QuestionData()->ParenthesesChoice(),
              CQuestionData::NoParentheses);
}

// Full-width parentheses in the question, the ASCII "(   )" only for a blank.
TEST_F(ParenthesesSheetTest, ASheetWritesItsParenthesesApartFromItsBlanks) {
    SelectQuestionType(u"两步混合运算（带小括号，100以内）");
    EnterText(Box("txtSettings", 0), QStringLiteral("10"));
    EnterText(Box("txtSettings", 1), QStringLiteral("4"));
    Click("cmdCreate");
    ASSERT_TRUE(messages.empty());
    static const QRegularExpression question(
        QStringLiteral("(（\\d+[＋－×÷]\\d+）[＋－×÷]\\d+|\\d+[＋－×÷]（\\d+[＋－×÷]\\d+）)="));
    EXPECT_EQ(MatchCount(Output(), question), 40) << Output().toStdString();
    EXPECT_FALSE(Output().contains(u'('));

    Click("chkFillQuestion");
    EXPECT_EQ(Output().count(QStringLiteral("（")), 40);
    EXPECT_EQ(Output().count(QStringLiteral("）")), 40);
    static const QRegularExpression blank(QStringLiteral("\\(\\s+\\)"));
    EXPECT_EQ(MatchCount(Output(), blank), 40);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    const QString path = m_folder.filePath(QStringLiteral("parentheses.pdf"));
    dialogs.fileAnswer = path;
    Click("cmdExportPdf");
    // Wide numbers may turn the paper or shrink the font: the status line says
    // so, no message box.
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(60000);
    // The numbers "(1)" … are the page's; what is left are the questions.
    static const QRegularExpression number(QStringLiteral("\\(\\d+\\)"));
    QString sheet = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f').constFirst();
    sheet.remove(number);
    EXPECT_EQ(sheet.count(QStringLiteral("（")), 40) << sheet.toStdString();
    EXPECT_EQ(sheet.count(QStringLiteral("）")), 40);
    EXPECT_FALSE(sheet.contains(u'(')) << "a blank is a box on the page";
}

TEST_F(ParenthesesSheetTest, TheDrillShowsTheParentheses) {
    SelectQuestionType(u"乘除法带小括号（表内）");
    Click("cmdTraining");
    ASSERT_NE(window->TrainingWindow(), nullptr);
    const test::TrainingControls training(*window->TrainingWindow());
    static const QRegularExpression question(QStringLiteral("^\\d+[×÷]（\\d+[×÷]\\d+）=$"));
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        const QString text = training.lblQuestions.at(3 * slot)->text();
        EXPECT_TRUE(question.match(text).hasMatch()) << text.toStdString();
    }
}

} // namespace
} // namespace kelvo
