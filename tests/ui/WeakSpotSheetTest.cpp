// From drill to paper and back: two weeks of a child's drills, the map of
// what they know, the weak-spot sheet printed from the main window and its
// marks entered afterwards.
#include "MainWindowFixture.h"

#include "drill/KindFacts.h"
#include "question/CPreCreatedQuestions.h"
#include "store/CDrillHistory.h"
#include "training/frmMasteryMap.h"
#include "training/frmPaperAnswers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <map>

namespace kelvo {
namespace {

class WeakSpotSheetTest : public MainWindowFixture {
protected:
    // Every evening for two weeks 小明 answers every fact of 20以内的进位加法
    // right within a second, but misses 8＋7 on the last two evenings, is slow
    // with 6＋5 from the fourth last on and leaves 9＋9 after the sixth, so that
    // it is due again today.
    void SeedTwoWeeks() {
        CPreCreatedQuestions presets;
        presets.Load();
        const QuestionList facts = *ListFacts(
            MakeQuestions(*presets.Item(u"20以内的进位加法"), MaxListedFacts + 1, nullptr));
        QDateTime now;
        CDrillHistory history(HistoryPath(), [&now] { return now; });
        history.SetChild(*history.AddChild(QStringLiteral("小明")));
        CValueLimit limit;
        limit.Init(1, 20, 1, 1);
        for (int day = 0; day < 14; ++day) {
            now = QDateTime(QDate::currentDate().addDays(day - 14), QTime(18, 30));
            CDrillRecord record{
                {u"20以内的进位加法", 2, 60, 60, 0, 30, 0, u"秀才", 2, 60000, 8}, {}, {}, {}};
            for (int32_t i = 1; i <= facts.Count(); ++i) {
                const CKeptQuestion kept{record.result.kind, facts.Item(i), limit};
                const std::u16string text = kept.question->LeftPartToString().ToString();
                const int32_t sum = kept.question->ResultValue();
                if (text == u"9＋9=" && day > 5) {
                    continue;
                }
                if (text == u"8＋7=" && day >= 12) {
                    record.missed.push_back({kept, sum + 1});
                    record.answers.push_back({kept, CAnswer(sum + 1), 2000});
                    continue;
                }
                const int32_t milliseconds = text == u"6＋5=" && day >= 10 ? 6000 : 900;
                record.answers.push_back({kept, CAnswer(sum), milliseconds});
            }
            ASSERT_TRUE(history.Record(record));
        }
    }
};

TEST_F(WeakSpotSheetTest, TheMapTheSheetAndItsMarksFollowThePlantedWeakFacts) {
    SeedTwoWeeks();
    SelectQuestionType(u"20以内的进位加法");
    Find<QPushButton>(QStringLiteral("cmdTraining"))->click();
    frmTraining* training = window->TrainingWindow();
    ASSERT_NE(training, nullptr);
    auto* children = training->findChild<QComboBox*>(QStringLiteral("cboChildren"));
    children->setCurrentIndex(1);
    emit children->activated(1);

    // The map's states by fact, the map left open.
    const auto openMap = [training] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        training->findChild<QPushButton*>(QStringLiteral("cmdMasteryMap"))->click();
        auto* map = training->findChild<frmMasteryMap*>();
        std::map<std::u16string, EFactState> states;
        for (const CMapFact& fact : map->picMap->Map().facts) {
            states[fact.text] = fact.state;
        }
        return std::pair(map, states);
    };
    auto [mapWindow, states] = openMap();
    EXPECT_EQ(states[u"8＋7"], EFactState::Learning);
    EXPECT_EQ(states[u"6＋5"], EFactState::Slow);
    EXPECT_EQ(states[u"9＋9"], EFactState::Fluent);
    EXPECT_EQ(std::ranges::count_if(
                  states, [](const auto& fact) { return fact.second == EFactState::Fluent; }),
              static_cast<std::ptrdiff_t>(states.size()) - 2);
    mapWindow->findChild<QPushButton*>(QStringLiteral("cmdWeakSheet"))->click();
    const QString path = m_folder.filePath(QStringLiteral("weak.pdf"));
    dialogs.fileAnswer = path;
    Find<QPushButton>(QStringLiteral("cmdExportPdf"))->click();
    ASSERT_TRUE(messages.empty()) << messages.front().toStdString();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(60000);
    // The PDF's font maps some characters to their compatibility forms.
    const QString text = QString::fromUtf8(process.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC);
    EXPECT_TRUE(text.contains(QStringLiteral("小明的弱项练习卷 ") +
                              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))))
        << text.toStdString();
    const QString questions = text.section(QStringLiteral("答案"), 0, 0);
    for (const char* weak : {"8+7=", "6+5=", "9+9="}) {
        EXPECT_TRUE(questions.contains(QString::fromUtf8(weak))) << weak;
    }
    // Three weak or due facts bring one fluent one.
    EXPECT_EQ(questions.count(u'+'), 4) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("编号"))) << "no code makes the sheet again";

    // On paper 9＋9 is marked wrong; the rest counts as right and fluent.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmPaperAnswers*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (size_t k = 0; k < dialog->chkMissed.size(); ++k) {
            const QString question =
                dialog->findChild<QLabel*>(QStringLiteral("lblQuestion_%1").arg(k))->text();
            dialog->chkMissed[k]->setChecked(question.startsWith(QStringLiteral("9＋9")));
        }
        dialog->cmdKeep->click();
    });
    openMap().first->findChild<QPushButton*>(QStringLiteral("cmdPaperAnswers"))->click();
    states = openMap().second;
    EXPECT_EQ(states[u"8＋7"], EFactState::Fluent);
    EXPECT_EQ(states[u"6＋5"], EFactState::Fluent);
    EXPECT_EQ(states[u"9＋9"], EFactState::Learning);
}

} // namespace
} // namespace kelvo
