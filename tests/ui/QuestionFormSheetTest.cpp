// The question forms through the real controls: "题型" beside the kind, the
// sheet with and without its answers, and the form kept with the last panel.
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace kelvo {
namespace {

class QuestionFormSheetTest : public MainWindowFixture {
protected:
    void Create() const {
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCreate")), Qt::LeftButton);
    }
    void ShowAnswers(bool shown) const {
        auto* box = Find<QCheckBox>(QStringLiteral("chkShowAnswer"));
        if (box->isChecked() != shown) {
            QTest::mouseClick(box, Qt::LeftButton);
        }
    }
    QComboBox* Form() const { return Find<QComboBox>(QStringLiteral("cboForm")); }
    QComboBox* Unit() const { return Find<QComboBox>(QStringLiteral("cboEstimateUnit")); }
    void Choose(QComboBox* box, const char16_t* caption) const {
        const int index = box->findText(QString::fromUtf16(caption));
        ASSERT_GE(index, 0);
        box->setCurrentIndex(index);
    }
    // The questions of the sheet (10 rows of 4), each matched whole.
    int Matches(const char16_t* pattern) const {
        int count = 0;
        const QRegularExpression expression(QString::fromUtf16(pattern));
        for (auto match = expression.globalMatch(Output()); match.hasNext(); match.next()) {
            ++count;
        }
        return count;
    }
    void AddSection(const char16_t* title, int count) const {
        SelectQuestionType(title);
        auto* box = Find<CNumberBox>(QStringLiteral("txtSectionCount"));
        box->selectAll();
        QTest::keyClicks(box, QString::number(count));
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdAddSection")), Qt::LeftButton);
    }
    // The text of the PDF of the sheet, its pages split.
    QStringList ExportPages() {
        const QString path = m_folder.filePath(QStringLiteral("forms.pdf"));
        dialogs.fileAnswer = path;
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdExportPdf")), Qt::LeftButton);
        EXPECT_TRUE(messages.empty());
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    }
    void UseSheetOfForty() const {
        EnterText(Box("txtSettings", 0), QStringLiteral("10"));
        EnterText(Box("txtSettings", 1), QStringLiteral("4"));
    }
};

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

int HalfUp(int value) {
    return (value + 5) / 10 * 10;
}

TEST_F(QuestionFormSheetTest, EachFormIsChosenCreatedAndAnswered) {
    EXPECT_EQ(Form()->currentText(), Q(u"计算"));
    EXPECT_TRUE(Unit()->isHidden());
    SelectQuestionType(u"20以内加减法比大小");
    EXPECT_EQ(Form()->currentText(), Q(u"比大小"));
    UseSheetOfForty();
    Create();
    ASSERT_TRUE(messages.empty());
    EXPECT_EQ(Matches(u"\\d+[＋－]\\d+ ○ \\d+"), 40) << Output().toStdString();
    ShowAnswers(true);
    EXPECT_EQ(Matches(u"\\d+[＋－]\\d+ [＞＜＝] \\d+"), 40) << Output().toStdString();

    ShowAnswers(false);
    Choose(Form(), u"比大小（两边算式）");
    Create();
    EXPECT_EQ(Matches(u"\\d+[＋－]\\d+ ○ \\d+[＋－]\\d+"), 40) << Output().toStdString();
    ShowAnswers(true);
    EXPECT_EQ(Matches(u"\\d+[＋－]\\d+ [＞＜＝] \\d+[＋－]\\d+"), 40);

    ShowAnswers(false);
    Choose(Form(), u"填运算符号");
    Create();
    EXPECT_EQ(Matches(u"\\d+ ○ \\d+ = \\d+"), 40) << Output().toStdString();
    EXPECT_EQ(Output().count(QStringLiteral("2 ○ 2 = 4")), 0);
    ShowAnswers(true);
    EXPECT_EQ(Matches(u"\\d+ [＋－] \\d+ = \\d+"), 40);

    // A quotient with a remainder has no one value to compare.
    SelectQuestionType(u"有余数的除法（表内）");
    Choose(Form(), u"比大小");
    Create();
    EXPECT_EQ(Output(), QString::fromUtf16(RemainderFormErrorText));

    // Two-digit numbers, estimated to tens.
    SelectQuestionType(u"自己定制题型");
    for (int box = 0; box < 4; ++box) {
        EnterText(Box("txtLimits", box),
                  box % 2 == 0 ? QStringLiteral("11") : QStringLiteral("99"));
    }
    EnterText(Box("txtLimits", 8), QStringLiteral("0"));
    EnterText(Box("txtLimits", 9), QStringLiteral("200"));
    Choose(Form(), u"估算");
    EXPECT_FALSE(Unit()->isHidden());
    EXPECT_EQ(Unit()->currentText(), Q(u"估成整十数"));
    ShowAnswers(false);
    Create();
    EXPECT_EQ(Output().count(Q(u"≈")), 40) << Output().toStdString();
    EXPECT_FALSE(Output().contains(u'='));
    ShowAnswers(true);
    const QRegularExpression estimate(QStringLiteral("(\\d+)＋(\\d+)≈(\\d+)＋(\\d+)=(\\d+)"));
    int estimates = 0;
    for (const auto& match : estimate.globalMatch(Output())) {
        const int a = match.captured(1).toInt();
        const int b = match.captured(2).toInt();
        EXPECT_NE(a % 10 * (b % 10), 0) << "no operand is round already";
        EXPECT_EQ(match.captured(3).toInt(), HalfUp(a));
        EXPECT_EQ(match.captured(4).toInt(), HalfUp(b));
        EXPECT_EQ(match.captured(5).toInt(), HalfUp(a) + HalfUp(b));
        ++estimates;
    }
    EXPECT_EQ(estimates, 40);

    // The last panel keeps the form.
    Choose(Unit(), u"估成整百数");
    window->close();
    window = MakeWindow();
    EXPECT_EQ(Form()->currentText(), Q(u"估算"));
    EXPECT_EQ(Unit()->currentText(), Q(u"估成整百数"));
    EXPECT_EQ(window->OperandController().QuestionData()->Form(), QuestionForm::EstimateHundreds);
}

TEST_F(QuestionFormSheetTest, APlanMixesFormsAndKeepsThem) {
    AddSection(u"20以内的进位加法", 12);
    AddSection(u"填运算符号（20以内）", 8);
    AddSection(u"两位数乘一位数估算", 5);
    for (int opened = 0; opened < 2; ++opened) {
        Create();
        ASSERT_TRUE(messages.empty());
        EXPECT_EQ(Output().count(u'='), 20) << Output().toStdString();
        EXPECT_EQ(Output().count(Q(u"○")), 8);
        EXPECT_EQ(Output().count(Q(u"≈")), 5);
        window->close();
        window = MakeWindow();
    }
}

// The pages draw a circle where the sheet has "○"; the key writes the sign in
// it and the rounded calculation after "≈".
TEST_F(QuestionFormSheetTest, ThePagesLeaveCirclesAndTheKeyFillsThem) {
    AddSection(u"20以内加减法比大小", 6);
    AddSection(u"填运算符号（20以内）", 6);
    AddSection(u"两位数乘一位数估算", 6);
    Create();
    const QStringList pages = ExportPages();
    ASSERT_EQ(pages.size(), 2);
    const QRegularExpression sign(QStringLiteral("[＞＜＝]"));
    const QRegularExpression estimate(QStringLiteral("≈\\s*\\d+×\\d+=\\d+"));
    EXPECT_EQ(pages[0].count(sign), 0);
    EXPECT_EQ(pages[0].count(u'≈'), 6);
    EXPECT_EQ(pages[0].count(estimate), 0);
    EXPECT_EQ(pages[1].count(sign), 6) << pages[1].toStdString();
    EXPECT_EQ(pages[1].count(estimate), 6) << pages[1].toStdString();
}

} // namespace
} // namespace kelvo
