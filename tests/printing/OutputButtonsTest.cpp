// The font and print buttons of both windows, driven as the user does.
#include "PrivateTemporaryFolder.h"
#include "QStringPrinter.h"
#include "dialogs/FontDialogAnswer.h"
#include "printing/RtfDocument.h"
#include "training/TrainingFixture.h"
#include "ui/MainWindowFixture.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>
#include <vector>

namespace kelvo {
namespace {

const QString kNoWorksheet = QStringLiteral("当前还没有生成题目，生成题目后才能输出打印。");

class MainOutputButtonsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window->SetWordProcessorHost(Host());
    }

    CWordProcessorHost Host() {
        return {[this](const QString& strProgId) {
                    return m_installed.contains(strProgId) ? QStringLiteral("/opt/") + strProgId
                                                           : QString();
                },
                [this](const QString& strProgram, const QString& strDocument) {
                    m_starts.emplace_back(strProgram, strDocument);
                    return true;
                }};
    }

    void Click(const char* pButton) const {
        Find<QPushButton>(QString::fromLatin1(pButton))->click();
    }
    QPlainTextEdit& OutputBox() const { return *Find<QPlainTextEdit>(QStringLiteral("txtOutput")); }

    CPrivateTemporaryFolder m_temp;
    QStringList m_installed{QStringLiteral("word.Application")};
    std::vector<std::pair<QString, QString>> m_starts;
};

TEST_F(MainOutputButtonsTest, PrintBeforeAnyCreateShowsTheNoticeInTheOutputBox) {
    Click("cmdPrint");
    EXPECT_EQ(Output(), kNoWorksheet);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(m_starts.empty());
}

TEST_F(MainOutputButtonsTest, PrintAfterACreateWithoutQuestionsShowsTheNotice) {
    Click("cmdCreate");
    SetGapOperators(0, "....");
    Click("cmdCreate");
    ASSERT_TRUE(window->Worksheet().isEmpty());
    Click("cmdPrint");
    EXPECT_EQ(Output(), kNoWorksheet);
    EXPECT_TRUE(m_starts.empty());
}

TEST_F(MainOutputButtonsTest, PrintWithoutWordProcessorOnlyShowsTheMessageBox) {
    Click("cmdCreate");
    const QString strShown = Output();
    m_installed.clear();
    Click("cmdPrint");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(
        messages[0].startsWith(QStringLiteral("由于您的系统没有安装【文字处理软件】，无法打开，")));
    EXPECT_EQ(Output(), strShown);
    EXPECT_TRUE(m_temp.Files().isEmpty());
}

TEST_F(MainOutputButtonsTest, PrintSendsTheWorksheetInTheOutputFontAndColour) {
    m_installed << QStringLiteral("wps.Application");
    Click("cmdCreate");
    QFont font(kChosenFace, 11);
    font.setItalic(true);
    OutputBox().setFont(font);
    SetControlTextColor(OutputBox(), 0x336699);
    Click("cmdPrint");

    ASSERT_EQ(m_starts.size(), 1U);
    EXPECT_EQ(m_starts[0].first, QStringLiteral("/opt/word.Application"));
    CWordRange expected;
    expected.SetText(window->Worksheet());
    expected.Font().SetName(kChosenFace);
    expected.Font().SetSize(11);
    expected.Font().SetItalic(true);
    expected.Font().SetColor(0x336699);
    QFile document(m_starts[0].second);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_EQ(document.readAll(), RtfDocument(expected));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainOutputButtonsTest, FontButtonSetsTheOutputBoxAndTheSettingsFileKeepsIt) {
    AnswerNextFontDialog("cmdOK");
    Click("cmdFont");
    ExpectChosenFont(OutputBox(), 134);

    window->close();
    window = MakeWindow();
    ExpectChosenFont(OutputBox(), 134);
}

TEST_F(MainOutputButtonsTest, CancelledFontButtonChangesNothing) {
    const QFont before = OutputBox().font();
    const int32_t iColor = ControlTextColor(OutputBox());
    AnswerNextFontDialog("cmdCancel");
    Click("cmdFont");
    EXPECT_EQ(OutputBox().font(), before);
    EXPECT_EQ(ControlTextColor(OutputBox()), iColor);
}

class TrainingFontButtonTest : public test::TrainingWindowTest {};

TEST_F(TrainingFontButtonTest, ChangesAllNinetyQuestionLabelsAndTheConfigurationKeepsIt) {
    frmTraining& form = Open();
    AnswerNextFontDialog("cmdOK");
    test::Ui(form).cmdFont->click();
    for (CClickLabel* pLabel : test::Ui(form).lblQuestions)
        ExpectChosenFont(*pLabel, 0);

    CloseWindow();
    const auto& saved = m_config->TrainingFont();
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(QString::fromStdU16String(saved->Name()), kChosenFace);
    EXPECT_EQ(saved->Size(), 16);
    EXPECT_EQ(saved->Weight(), 700);
    EXPECT_TRUE(saved->Italic());
    EXPECT_FALSE(saved->Underline());
    EXPECT_TRUE(saved->Strikethru());
    EXPECT_EQ(saved->Color(), 0xFF0000);
}

} // namespace
} // namespace kelvo
