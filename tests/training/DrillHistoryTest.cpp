#include "TrainingFixture.h"

#include "store/HistorySchema.h"
#include "training/frmMistakeBook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>

#include <functional>
#include <vector>

namespace kelvo::test {
namespace {

using DrillHistoryTest = TrainingWindowTest;

QString Text(const CExprValue& question) {
    return QString::fromStdU16String(question.LeftPartToString().ToString());
}

TEST_F(DrillHistoryTest, EveryWayOfFinishingRecordsTheDrillAndItsMisses) {
    frmTraining& form = Open();
    Ui(form).txtTime->setText(QStringLiteral("2"));
    const std::vector<std::function<void()>> finishes{[&] { Ui(form).cmdFinish->click(); },
                                                      [&] { Key(Qt::Key_F); },
                                                      [&] {
                                                          for (int tick = 0; tick < 2; ++tick) {
                                                              Tick();
                                                          }
                                                      }};
    for (size_t drill = 0; drill < finishes.size(); ++drill) {
        Key(Qt::Key_C);
        Key(Qt::Key_S);
        // Slot 0 wrong, slot 1 not answered, the rest right.
        Click(WrongLabel(0));
        for (int slot = 2; slot < frmTraining::kSlotCount; ++slot) {
            Click(RightLabel(slot));
        }
        Tick();
        finishes[drill]();
        ASSERT_EQ(Ui(form).lblGrade->text(), QStringLiteral("等级：探花")) << drill;

        const std::vector<CPastDrill> drills = m_history->Drills();
        ASSERT_EQ(drills.size(), drill + 1);
        const CDrillResult& result = drills.front().result;
        EXPECT_EQ(QString::fromStdU16String(result.kind), QStringLiteral("9加几"));
        EXPECT_EQ(result.mode, CtrlsTraining::kTimeLimited);
        EXPECT_EQ(result.timeLimit, 2);
        EXPECT_EQ(result.secondsUsed, drill == 2 ? 2 : 1);
        EXPECT_EQ(std::tuple(result.right, result.wrong, result.score), std::tuple(28, 2, 93));
        EXPECT_EQ(QString::fromStdU16String(result.grade), QStringLiteral("探花"));
        const std::vector<CBookEntry> book = m_history->MistakeBook();
        QStringList kept;
        for (const CBookEntry& entry : book) {
            kept.append(Text(*entry.kept.question));
            EXPECT_EQ(QString::fromStdU16String(entry.kept.kind), QStringLiteral("9加几"));
            EXPECT_EQ(entry.kept.resultLimit.UpperLimit(), 19);
        }
        EXPECT_TRUE(kept.contains(Label(0)->text()));
        EXPECT_TRUE(kept.contains(Label(3)->text()));
        m_now = m_now.addSecs(60);
    }
}

// The book holds two sums of another kind; a review drill asks them, and
// right answers on two days take them out.
TEST_F(DrillHistoryTest, AReviewDrillAsksTheBookUntilItsQuestionsAreLearnt) {
    const QString kind = QStringLiteral("20以内的进位加法");
    CValueLimit limit;
    limit.Init(1, 20, 1, 1);
    std::vector<CMissedQuestion> missed;
    for (const auto& [a, b] : {std::pair(8, 5), std::pair(7, 6)}) {
        auto question = std::make_shared<CExprValue>();
        const std::array<CExprValue::OperandValue, 2> operands{{{Op::None, a}, {Op::Plus, b}}};
        question->CreateFrom(operands, a + b);
        missed.push_back({{kind.toStdU16String(), question, limit}, std::nullopt});
    }
    ASSERT_TRUE(m_history->Record(
        {{kind.toStdU16String(), 3, {}, {}, 28, 2, 93, u"探花", 1, {}, {}}, missed, {}, {}}));

    frmTraining& form = Open();
    for (int day = 0; day < 2; ++day) {
        Ui(form).cmdMistakeBook->click();
        auto* book = form.findChild<frmMistakeBook*>();
        ASSERT_NE(book, nullptr);
        book->cmdReview->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form.findChild<frmMistakeBook*>(), nullptr);
        ASSERT_TRUE(Ui(form).cmdStart->isEnabled());
        for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
            EXPECT_TRUE(Label(3 * slot)->text() == QStringLiteral("8＋5=") ||
                        Label(3 * slot)->text() == QStringLiteral("7＋6="))
                << slot;
        }
        Key(Qt::Key_S);
        Answer(0);
        Key(Qt::Key_F);
        EXPECT_EQ(QString::fromStdU16String(m_history->Drills().front().result.kind),
                  QStringLiteral("错题重练"));
        EXPECT_EQ(m_history->MistakeBook().size(), day == 0 ? 2u : 0u);
        m_now = m_now.addDays(1);
    }
    // An empty book has nothing to review.
    Ui(form).cmdMistakeBook->click();
    EXPECT_FALSE(form.findChild<frmMistakeBook*>()->cmdReview->isEnabled());
}

TEST_F(DrillHistoryTest, AnUnwritableHistoryIsReportedOnceAndTheDrillsAreGraded) {
    const QString file = m_dir.filePath(QStringLiteral("file"));
    QFile(file).open(QIODevice::WriteOnly);
    m_history = std::make_unique<CDrillHistory>(file + QStringLiteral("/KelvoHistory.sqlite"));
    frmTraining& form = Open();
    std::vector<QString> messages;
    form.SetMessageBox([&](const QString& text) { messages.push_back(text); });
    for (int drill = 0; drill < 2; ++drill) {
        Key(Qt::Key_C);
        Key(Qt::Key_S);
        Answer(1);
        Key(Qt::Key_F);
        EXPECT_EQ(Ui(form).lblScore->text(), QStringLiteral("得分：96分"));
        EXPECT_EQ(Ui(form).lblGrade->text(), QStringLiteral("等级：榜眼"));
        EXPECT_TRUE(Ui(form).cmdCreate->isEnabled());
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("成绩记录文件无法打开或写入。训练照常进行")));
}

TEST_F(DrillHistoryTest, ChoicesThatTeachOfferTheForgottenCarryFromTheNextCreate) {
    frmTraining& form = Open();
    EXPECT_FALSE(Ui(form).chkTeachingChoices->isChecked());
    QTest::mouseClick(Ui(form).chkTeachingChoices, Qt::LeftButton);
    Key(Qt::Key_C);
    // 9 + b carries for b up to 9 (9＋4 → 3); 9＋10 is off by ten (→ 9).
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        EXPECT_EQ(Label(WrongLabel(slot))->text().toInt(),
                  Label(RightLabel(slot))->text().toInt() - 10)
            << Label(3 * slot)->text().toStdString();
    }
}

// Answers the next modal dialog: a name typed into the input dialog, or Yes.
void AnswerDialog(const QString& strName) {
    QTimer::singleShot(0, [strName] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->setTextValue(strName);
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Yes)->click();
        } else {
            ADD_FAILURE() << "no dialog";
        }
    });
}

TEST_F(DrillHistoryTest, TwoChildrenKeepTheirOwnMistakesAndAnswerModes) {
    frmTraining& form = Open();
    auto* children = form.findChild<QComboBox*>(QStringLiteral("cboChildren"));
    ASSERT_EQ(children->count(), 1);
    EXPECT_EQ(children->currentText(), QStringLiteral("我"));
    AnswerDialog(QStringLiteral("小明"));
    form.findChild<QPushButton*>(QStringLiteral("cmdAddChild"))->click();
    ASSERT_EQ(children->count(), 2);
    EXPECT_EQ(children->currentText(), QStringLiteral("小明"));

    // 小明 types, misses the first question and leaves the rest.
    QTest::mouseClick(Ui(form).optAnswerModes[1], Qt::LeftButton);
    Key(Qt::Key_C);
    Key(Qt::Key_S);
    QTest::keyClick(m_form.data(), Qt::Key_0);
    QTest::keyClick(m_form.data(), Qt::Key_Return);
    Key(Qt::Key_F);
    const int64_t ming = m_history->Child();
    EXPECT_FALSE(m_history->MistakeBook().empty());

    children->setCurrentIndex(0);
    emit children->activated(0);
    EXPECT_TRUE(Ui(form).optAnswerModes[0]->isChecked()) << "我 chooses";
    EXPECT_TRUE(m_history->MistakeBook().empty());
    EXPECT_TRUE(m_history->Drills().empty());
    children->setCurrentIndex(1);
    emit children->activated(1);
    EXPECT_TRUE(Ui(form).optAnswerModes[1]->isChecked()) << "小明 types";

    AnswerDialog(QString());
    form.findChild<QPushButton*>(QStringLiteral("cmdRemoveChild"))->click();
    EXPECT_EQ(children->count(), 1);
    EXPECT_EQ(m_history->Child(), FirstChildId);
    m_history->SetChild(ming);
    EXPECT_TRUE(m_history->MistakeBook().empty()) << "小明's book went with him";
}

} // namespace
} // namespace kelvo::test
