#include "TrainingFixture.h"

namespace kelvo::test {
namespace {

using TrainingSettingsTest = TrainingWindowTest;

std::shared_ptr<CValueLimit> Range(int32_t lower, int32_t upper) {
    auto limit = std::make_shared<CValueLimit>();
    limit->Init(lower, upper, 1, 1);
    return limit;
}

// What the main window collects before it saves.
void CollectMainWindow(CConfig& config) {
    auto question = std::make_shared<CQuestionData>();
    question->AddLimit(Range(1, 10));
    question->AddOperator(u"＋$$$");
    question->AddLimit(Range(1, 10));
    question->SetResultLimit(Range(1, 10));
    config.SetQuestionData(question);
    auto settings = std::make_shared<COutputSettings>();
    settings->SetRowCount(10);
    settings->SetColumnCount(5);
    settings->SetRowSpacing(1);
    settings->SetColumnSpacing(6);
    settings->SetRowCountPerTitle(10);
    config.SetOutputSettings(settings);
    config.SetOutputFont(CConfig::DefaultTrainingFont());
}

void ExpectFontOnAllLabels(frmTraining& form, const QString& family, int size) {
    for (CClickLabel* label : Ui(form).lblQuestions) {
        ASSERT_EQ(label->font().family(), family) << label->objectName().toStdString();
        ASSERT_EQ(label->font().pointSize(), size) << label->objectName().toStdString();
    }
}

TEST_F(TrainingSettingsTest, WithoutAFileTheDefaultsStand) {
    EXPECT_FALSE(m_config->Load());
    frmTraining& form = Open();
    ExpectFontOnAllLabels(form, QStringLiteral("Verdana"), 14);
    EXPECT_EQ(Label(0)->font().weight(), QFont::Normal);
    EXPECT_EQ(Label(0)->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Ui(form).txtTime->text(), QStringLiteral("60"));
}

TEST_F(TrainingSettingsTest, FontAndTimeLimitSurviveARestart) {
    m_config->Load();
    frmTraining& form = Open();
    for (CClickLabel* label : Ui(form).lblQuestions) {
        QFont font(QStringLiteral("DejaVu Serif"), 18, QFont::Bold, true);
        font.setUnderline(true);
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(colours);
    }
    Ui(form).txtTime->setText(QStringLiteral("30"));
    CloseWindow();
    CollectMainWindow(*m_config);
    m_config->Save();

    m_config = std::make_unique<CConfig>(m_config->Path());
    ASSERT_TRUE(m_config->Load());
    frmTraining& reopened = Open();
    ExpectFontOnAllLabels(reopened, QStringLiteral("DejaVu Serif"), 18);
    const QFont font = Label(89)->font();
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(Label(89)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(Ui(reopened).txtTime->text(), QStringLiteral("30"));
    EXPECT_EQ(m_config->TrainingFont()->Color(), 0xFF0000);
}

TEST_F(TrainingSettingsTest, ClosingStoresTheTimeAsTheClockReadsIt) {
    frmTraining& form = Open();
    Ui(form).txtTime->setText(QStringLiteral("12.5"));
    CloseWindow();
    EXPECT_EQ(m_config->TrainingTime(), 12);
    EXPECT_EQ(m_config->TrainingFont()->Name(), u"Verdana");
    EXPECT_EQ(m_config->TrainingFont()->Size(), 14);
    EXPECT_EQ(m_config->TrainingFont()->Weight(), 400);
}

TEST_F(TrainingSettingsTest, TheCharacterSetGoesBackUnchanged) {
    auto font = CConfig::DefaultTrainingFont();
    font->SetCharset(134);
    m_config->SetTrainingFont(font);
    m_config->SetTrainingTime(45);
    Open();
    CloseWindow();
    EXPECT_EQ(m_config->TrainingFont()->Charset(), 134);
    EXPECT_EQ(m_config->TrainingTime(), 45);
}

TEST_F(TrainingSettingsTest, AnEmptyFontOrNoTimeGiveWayToTheDefaults) {
    m_config->SetTrainingFont(std::make_shared<CFont>());
    m_config->SetTrainingTime(0);
    frmTraining& form = Open();
    ExpectFontOnAllLabels(form, QStringLiteral("Verdana"), 14);
    EXPECT_EQ(Ui(form).txtTime->text(), QStringLiteral("60"));

    delete m_form.data();
    m_config->SetTrainingFont(nullptr);
    ExpectFontOnAllLabels(Open(), QStringLiteral("Verdana"), 14);
}

} // namespace
} // namespace kelvo::test
