#include "MainWindowFixture.h"

#include "question/CConfig.h"
#include "store/CDrillHistory.h"
#include "training/CClickLabel.h"
#include "training/TrainingControls.h"
#include "training/frmTraining.h"

#include <QFile>

namespace kelvo {
namespace {

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Block by block: 13 lines of question data for two operands, 9 of print
// settings, 8 for each font and the training time.
constexpr qsizetype TwoOperandLines = 13 + 9 + 8 + 8 + 1;

class SettingsTest : public MainWindowFixture {
protected:
    QByteArray FileBytes() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Lines ended by CR LF; -1 when any line ends otherwise.
    qsizetype FileLineCount() const {
        const QByteArray bytes = FileBytes();
        const qsizetype lines = bytes.count('\n');
        return bytes.count('\r') == lines && bytes.endsWith("\r\n") ? lines : -1;
    }
    void WriteFile(const QByteArray& bytes) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Reopen() {
        window->close();
        window = MakeWindow();
    }

    // Everything of the window that the settings file keeps.
    QStringList KeptState() const {
        QStringList state;
        for (int i = 0; i < 10; ++i) {
            state << Box("txtLimits", i)->text()
                  << QString::number(Check("chkMultipleOfs", i)->isChecked());
        }
        for (int i = 0; i < 12; ++i) {
            state << QString::number(Check("chkOperators", i)->isChecked());
        }
        for (int i = 0; i < 2; ++i) {
            state << Check("chkCbr", i)->text() << QString::number(Check("chkCbr", i)->isChecked())
                  << QString::number(Check("chkCbr", i)->isEnabled());
        }
        for (int i = 0; i < 5; ++i) {
            state << Box("txtSettings", i)->text();
        }
        state << Find<QLineEdit>(QStringLiteral("txtTitle"))->text()
              << QString::number(Find<QCheckBox>(QStringLiteral("chkFillQuestion"))->isChecked())
              << QString::number(Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->isChecked())
              << QString::number(window->OperandCount())
              << Find<QComboBox>(QStringLiteral("cboOperandCount"))->currentText();
        auto* output = Find<QPlainTextEdit>(QStringLiteral("txtOutput"));
        state << output->font().family() << QString::number(output->font().pointSize())
              << QString::number(output->font().weight())
              << QString::number(output->font().italic())
              << QString::number(output->font().underline())
              << QString::number(output->font().strikeOut())
              << output->palette().color(QPalette::Text).name();
        return state;
    }
};

TEST_F(SettingsTest, TheFirstCloseWritesTheDefaults) {
    window->close();
    EXPECT_EQ(FileLineCount(), TwoOperandLines);
    CConfig config(SettingsPath().toStdU16String());
    ASSERT_TRUE(config.Load());
    EXPECT_EQ(config.QuestionData()->Operator1(), u"＋$$$");
    EXPECT_EQ(config.OutputSettings()->RowCount(), 10);
    EXPECT_EQ(config.TrainingFont()->Name(), u"Verdana");
    EXPECT_EQ(config.TrainingTime(), 60);
}

TEST_F(SettingsTest, EverythingComesBackInANewWindow) {
    SelectOperandCount(3);
    EnterText(Box("txtLimits", 0), QStringLiteral("20"));
    EnterText(Box("txtLimits", 1), QStringLiteral("5"));
    EnterText(Box("txtLimits", 5), QStringLiteral("900"));
    Check("chkMultipleOfs", 2)->setChecked(true);
    Check("chkMultipleOfs", 5)->setChecked(true);
    Check("chkMultipleOfs", 9)->setChecked(true);
    SetGapOperators(0, "xx..");
    SetGapOperators(1, "..x.");
    const int settings[] = {30, 4, 2, 3, 0};
    for (int i = 0; i < 5; ++i) {
        EnterText(Box("txtSettings", i), QString::number(settings[i]));
    }
    Find<QLineEdit>(QStringLiteral("txtTitle"))->setText(Q(u"二年级 口算练习"));
    Find<QCheckBox>(QStringLiteral("chkFillQuestion"))->setChecked(true);
    Find<QCheckBox>(QStringLiteral("chkShowAnswer"))->setChecked(true);
    auto* output = Find<QPlainTextEdit>(QStringLiteral("txtOutput"));
    QFont font(QStringLiteral("Noto Serif CJK SC"), 15);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    output->setFont(font);
    QPalette palette = output->palette();
    palette.setColor(QPalette::Text, QColor(200, 0, 30));
    output->setPalette(palette);
    const QStringList before = KeptState();

    Reopen();
    EXPECT_EQ(FileLineCount(), TwoOperandLines + 4);
    EXPECT_EQ(KeptState(), before);
    EXPECT_EQ(Box("txtLimits", 0)->text(), QStringLiteral("20"));
    EXPECT_EQ(Box("txtLimits", 1)->text(), QStringLiteral("5"));
}

TEST_F(SettingsTest, TheBorrowPairComesBack) {
    SelectQuestionType(u"20以内的不借位减法");
    const QStringList before = KeptState();
    Reopen();
    EXPECT_EQ(FileLineCount(), TwoOperandLines);
    EXPECT_EQ(KeptState(), before);
    EXPECT_EQ(Check("chkCbr", 1)->text(), Q(u"无借位"));
    EXPECT_TRUE(Check("chkCbr", 1)->isChecked());
}

// Kelvo.ini has no line for parentheses, rules or the plan's count box: the
// panel file beside it keeps them, the kind's only while Kelvo.ini still holds
// that panel.
TEST_F(SettingsTest, ThePanelFileKeepsWhatTheSettingsFileCannotHold) {
    SelectQuestionType(u"两步混合运算（带小括号，100以内）");
    auto* parentheses = Find<QComboBox>(QStringLiteral("cboParentheses"));
    parentheses->setCurrentIndex(2);
    const QString chosen = parentheses->currentText();
    EnterText(Find<QLineEdit>(QStringLiteral("txtSectionCount")), QStringLiteral("35"));
    Check("chkRules", 0)->setChecked(true);
    const QStringList before = KeptState();
    Reopen();
    EXPECT_EQ(KeptState(), before);
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cboParentheses"))->currentText(), chosen);
    EXPECT_TRUE(Check("chkRules", 0)->isChecked());
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtSectionCount"))->text(), QStringLiteral("35"));

    window->close();
    CConfig config(SettingsPath().toStdU16String());
    ASSERT_TRUE(config.Load());
    config.QuestionData()->Limit1()->SetUpperLimit(90);
    config.Save();
    window = MakeWindow();
    EXPECT_EQ(Box("txtLimits", 1)->text(), QStringLiteral("90"));
    EXPECT_EQ(window->OperandController().QuestionData()->ParenthesesChoice(),
              CQuestionData::NoParentheses);
}

TEST_F(SettingsTest, ADamagedFileLeavesTheDefaultsAndIsRewrittenWhole) {
    const QStringList defaults = KeptState();
    WriteFile(QByteArrayLiteral("\r\n 3 \r\n 1 \r\n 5 \r\n"));
    window = MakeWindow();
    EXPECT_EQ(KeptState(), defaults);
    window->close();
    EXPECT_EQ(FileLineCount(), TwoOperandLines);
    EXPECT_TRUE(CConfig(SettingsPath().toStdU16String()).Load());
}

TEST_F(SettingsTest, FileValuesAreHeldToTheRangesOfTheBoxes) {
    window->close();
    QByteArray bytes = FileBytes();
    QList<QByteArray> lines = bytes.split('\n');
    lines[3] = " 20000 \r"; // upper limit of operand 1
    lines[14] = " 9000 \r"; // rows
    lines[15] = " 0 \r";    // columns
    lines[17] = " 99 \r";   // column spacing
    WriteFile(lines.join('\n'));
    window = MakeWindow();
    EXPECT_EQ(Box("txtLimits", 1)->text(), QStringLiteral("10000"));
    EXPECT_EQ(Box("txtSettings", 0)->text(), QStringLiteral("5000"));
    EXPECT_EQ(Box("txtSettings", 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(Box("txtSettings", 3)->text(), QStringLiteral("50"));
}

TEST_F(SettingsTest, AnUnwritableFolderLosesTheSettingsSilently) {
    auto stray = std::make_unique<frmMain>(m_folder.filePath(QStringLiteral("missing/Kelvo.ini")),
                                           HistoryPath());
    stray->SetDialogs(dialogs);
    stray->close();
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("missing/Kelvo.ini"))));
}

using TrainingFromMainTest = MainWindowFixture;

TEST_F(TrainingFromMainTest, OneTrainingWindowDrillsThePanelsKindOfQuestion) {
    SelectQuestionType(u"9加几");
    auto* button = Find<QPushButton>(QStringLiteral("cmdTraining"));
    button->click();
    frmTraining* training = window->TrainingWindow();
    ASSERT_NE(training, nullptr);
    EXPECT_TRUE(training->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(test::Ui(*training).lblQuestions[0]->text().startsWith(QString::fromUtf16(u"9＋")));
    button->click();
    EXPECT_EQ(window->TrainingWindow(), training);
}

// A preset's drill is recorded under its title until the panel is changed;
// then under the kind in words.
TEST_F(TrainingFromMainTest, DrillsAreRecordedUnderThePresetOrTheKindInWords) {
    SelectQuestionType(u"9加几");
    Find<QPushButton>(QStringLiteral("cmdTraining"))->click();
    frmTraining* training = window->TrainingWindow();
    for (const char* upper : {"", "9"}) {
        if (*upper != '\0') {
            EnterText(Box("txtLimits", 3), QString::fromLatin1(upper));
            test::Ui(*training).cmdCreate->click();
        }
        test::Ui(*training).cmdStart->click();
        test::Ui(*training).cmdFinish->click();
    }
    const std::vector<CPastDrill> drills = CDrillHistory(HistoryPath()).Drills();
    ASSERT_EQ(drills.size(), 2u);
    EXPECT_EQ(QString::fromStdU16String(drills[1].result.kind), QStringLiteral("9加几"));
    EXPECT_EQ(QString::fromStdU16String(drills[0].result.kind),
              QStringLiteral("9～9＋1～9，得数0～19"));
}

TEST_F(TrainingFromMainTest, ClosingTheMainWindowSavesTheOpenTrainingWindowsSettings) {
    Find<QPushButton>(QStringLiteral("cmdTraining"))->click();
    ASSERT_NE(window->TrainingWindow(), nullptr);
    test::Ui(*window->TrainingWindow()).txtTime->setText(QStringLiteral("30"));
    window->close();
    CConfig config(SettingsPath().toStdU16String());
    ASSERT_TRUE(config.Load());
    EXPECT_EQ(config.TrainingTime(), 30);
}

} // namespace
} // namespace kelvo
