#include "training/CtrlsTraining.h"

#include "generation/CExprValue.h"
#include "generation/CExpression.h"
#include "generation/GenerationDriver.h"
#include "history/CDrillHistory.h"
#include "listening/CMandarinSpeaker.h"
#include "listening/ChineseReading.h"
#include "training/AnswerChoices.h"
#include "training/CClickLabel.h"
#include "training/frmTraining.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kelvo {
namespace {

constexpr int32_t kQuestionCount = frmTraining::kSlotCount;
constexpr int32_t kTickMilliseconds = 1000;
constexpr int32_t kKeyStart = 83;
constexpr int32_t kKeyFinish = 70;
constexpr int32_t kKeyCreate = 67;

const QColor kChosen(0, 255, 0);
const QColor kMissed(255, 0, 0);

int32_t DrillScore(int32_t iWrong) {
    return static_cast<int32_t>(std::floor((kQuestionCount - iWrong) * 100.0 / kQuestionCount));
}

} // namespace

QString GradeName(int32_t iWrong) {
    // Index = wrong questions; 7 to 10, 11 to 15 and 16 or more share a grade.
    static const std::array<const char16_t*, 7> kTopGrades{u"状元",   u"榜眼", u"探花", u"进士",
                                                           u"同进士", u"举人", u"秀才"};
    const char16_t* grade = iWrong <= 6    ? kTopGrades[static_cast<size_t>(iWrong)]
                            : iWrong <= 10 ? u"童生"
                            : iWrong <= 15 ? u"启蒙"
                                           : u"婴儿";
    return QString::fromUtf16(grade);
}

QString GradeCaption(int32_t iWrong) {
    return QStringLiteral("等级：") + GradeName(iWrong);
}

CtrlsTraining::CtrlsTraining(frmTraining& form, QuestionSource questions, CDrillHistory& history)
    : m_form(form), m_questions(std::move(questions)), m_history(history), m_ctrlsTimer(form),
      m_reader(&CMandarinSpeaker::Open) {}

void CtrlsTraining::DoFormLoad() {
    m_bQuestionsReady = CreateQuestions();
    if (m_bQuestionsReady) {
        m_form.cmdStart->setEnabled(true);
    }
}

void CtrlsTraining::DoCreateClicked() {
    m_bQuestionsReady = CreateQuestions();
    if (m_bQuestionsReady) {
        ShowReady();
    }
}

void CtrlsTraining::DoReviewClicked() {
    if (m_bIsDoingTraining) {
        return;
    }
    m_bQuestionsReady = CreateReviewQuestions();
    if (m_bQuestionsReady) {
        ShowReady();
        m_form.lblInfo->setText(QStringLiteral("错题重练：错题本里的题目，按“开始”做题。"));
    }
}

void CtrlsTraining::ShowReady() {
    m_form.cmdStart->setEnabled(true);
    ClearResultLabels();
    m_form.lblCountdownProgress->resize(m_form.lblProgress2->width(),
                                        m_form.lblCountdownProgress->height());
}

void CtrlsTraining::DoStartClicked() {
    m_form.cmdStart->setEnabled(false);
    m_form.cmdCreate->setEnabled(false);
    m_form.cmdFinish->setEnabled(true);
    if (!m_bQuestionsReady) {
        m_bQuestionsReady = CreateQuestions();
        if (!m_bQuestionsReady) {
            return;
        }
    }
    ClearResultLabels();
    // A restart with S may follow a change of mode: no clock of the last start
    // may tick on.
    m_ctrlsTimer.Stop();
    m_ctrlsTimer.Reset();
    m_bIsDoingTraining = true;
    // The drill keeps the mode it was started in.
    EnableModes(false);
    if (m_iMode != kScoreOnly) {
        m_ctrlsTimer.Start(m_iMode, kTickMilliseconds, *this);
    }
    StartReading();
}

void CtrlsTraining::StartReading() {
    if (!m_form.chkReadAloud->isChecked()) {
        return;
    }
    std::vector<std::u16string> spoken;
    spoken.reserve(m_drill.questions.size());
    for (const DrillQuestion& question : m_drill.questions) {
        spoken.push_back(SpokenQuestion(*question.kept.question, 0));
    }
    if (!m_reader.Start(std::move(spoken))) {
        m_form.lblInfo->setText(QString::fromUtf16(NoMandarinVoiceText));
    }
}

void CtrlsTraining::DoFinishClicked() {
    if (!m_bIsDoingTraining) {
        return;
    }
    if (m_iMode == kScoreOnly) {
        m_ctrlsTimer.Stop();
    } else {
        m_ctrlsTimer.Finish();
    }
    m_reader.Stop();
    m_form.cmdFinish->setEnabled(false);
    m_form.cmdCreate->setEnabled(true);
    EnableModes(true);
    m_bIsDoingTraining = false;
    m_bQuestionsReady = false;
    // Graded first: the drill counts even when it cannot be recorded.
    RecordDrill(ShowResults());
}

void CtrlsTraining::DoQuestionsClicked(int32_t index) {
    if (!m_bIsDoingTraining) {
        return;
    }
    int32_t other = 0;
    switch (index % 3) {
    case 1:
        other = index + 1;
        break;
    case 2:
        other = index - 1;
        break;
    default:
        return;
    }
    m_form.lblQuestions[static_cast<size_t>(index)]->SetBackColor(kChosen);
    m_form.lblQuestions[static_cast<size_t>(other)]->SetBackColor(BackColor());
    QuestionSlot& slot = m_arrSlots[static_cast<size_t>(index / 3)];
    slot.bWrong = index != slot.iAnswerLabel;
    slot.iChosen = index % 3 - 1;
    m_reader.Answered(index / 3);
}

void CtrlsTraining::DoModesClicked(int32_t index) {
    static constexpr std::array<int32_t, 3> kModes{kTimeLimited, kTimed, kScoreOnly};
    if (index >= 0 && index < static_cast<int32_t>(kModes.size())) {
        m_iMode = kModes[static_cast<size_t>(index)];
    }
}

void CtrlsTraining::DoTimered() {
    m_ctrlsTimer.DoTimered();
}

void CtrlsTraining::DoKeyDown(int32_t keyCode) {
    if (keyCode == kKeyStart && m_bQuestionsReady) {
        DoStartClicked();
    } else if (keyCode == kKeyFinish && m_bIsDoingTraining) {
        DoFinishClicked();
    } else if (keyCode == kKeyCreate && !m_bIsDoingTraining) {
        DoCreateClicked();
    }
}

bool CtrlsTraining::CreateQuestions() {
    PrepareQuestionArea();
    const CQuestionSet questionSet = m_questions(kQuestionCount);
    m_drill = {QString::fromStdU16String(questionSet.title), {}};
    if (questionSet.HasQuestions()) {
        const CValueLimit& limit = *questionSet.templates.front()->ResultOperand()->Limit();
        for (int32_t i = 1; i <= questionSet.questions.Count(); ++i) {
            m_drill.questions.push_back({{m_drill.kind, questionSet.questions.Item(i), limit}});
        }
    }
    return ShowDrill(QStringLiteral("无法生成试题，可能您设计的算式有错误，请到主窗口修改算式。"));
}

bool CtrlsTraining::CreateReviewQuestions() {
    PrepareQuestionArea();
    m_drill = ReviewDrill();
    return ShowDrill(QStringLiteral("错题本里没有题目。"));
}

void CtrlsTraining::PrepareQuestionArea() {
    ClearQuestionLabels();
    m_form.cmdStart->setEnabled(false);
    m_form.lblInfo->clear();
}

bool CtrlsTraining::ShowDrill(const QString& strFailure) {
    if (m_drill.questions.empty()) {
        m_form.lblInfo->setText(strFailure);
        return false;
    }
    const auto shown = std::min(m_drill.questions.size(), static_cast<size_t>(kQuestionCount));
    for (size_t k = 0; k < shown; ++k) {
        ShowQuestion(m_drill.questions[k], static_cast<int32_t>(k));
    }
    m_form.cmdStart->setEnabled(true);
    return true;
}

// The book's questions in random order, repeated up to 30 as a drill of a kind
// with fewer questions is.
CtrlsTraining::Drill CtrlsTraining::ReviewDrill() {
    const std::vector<CBookEntry> entries = m_history.ReviewEntries(kQuestionCount);
    ShowHistoryMessage();
    Drill drill{QStringLiteral("错题重练"), {}};
    if (entries.empty()) {
        return drill;
    }
    QuestionList order;
    std::unordered_map<const CExprValue*, const CBookEntry*> entryOf;
    for (const CBookEntry& entry : entries) {
        auto question = std::make_shared<CExprValue>(*entry.kept.question);
        entryOf[question.get()] = &entry;
        order.Add(std::move(question));
    }
    ShuffleAndFill(order, 1, order.Count(), kQuestionCount, nullptr);
    for (int32_t i = 1; i <= order.Count(); ++i) {
        const CBookEntry& entry = *entryOf.at(order.Item(i).get());
        drill.questions.push_back({entry.kept, entry.id});
    }
    return drill;
}

void CtrlsTraining::ClearQuestionLabels() {
    for (CClickLabel* label : m_form.lblQuestions) {
        label->clear();
        label->SetBackColor(BackColor());
    }
}

void CtrlsTraining::ShowQuestion(const DrillQuestion& question, int32_t k) {
    const CExprValue& value = *question.kept.question;
    const CValueLimit& limit = question.kept.resultLimit;
    const AnswerChoices choices = m_form.chkTeachingChoices->isChecked()
                                      ? MakeTeachingChoices(value, limit)
                                      : MakeAnswerChoices(value.ResultValue(), limit);
    const auto first = 3 * static_cast<size_t>(k);
    m_form.lblQuestions[first]->setText(
        QString::fromStdU16String(value.LeftPartToString().ToString()));
    for (size_t c = 0; c < 2; ++c) {
        CClickLabel* label = m_form.lblQuestions[first + 1 + c];
        label->setNum(choices.Values[c]);
        label->SetBackColor(BackColor());
    }
    QuestionSlot& slot = m_arrSlots[static_cast<size_t>(k)];
    slot.bWrong = true;
    slot.iAnswer = choices.Values[static_cast<size_t>(choices.RightIndex)];
    slot.iAnswerLabel = 3 * k + choices.RightIndex + 1;
    slot.iChoices = choices.Values;
    slot.iChosen = -1;
}

void CtrlsTraining::ClearResultLabels() {
    for (QLabel* label :
         {m_form.lblCorrect, m_form.lblWrong, m_form.lblScore, m_form.lblTimerCounter,
          m_form.lblSeconds, m_form.lblInfo, m_form.lblGrade}) {
        label->clear();
    }
}

int32_t CtrlsTraining::ShowResults() {
    int32_t wrong = 0;
    for (const QuestionSlot& slot : m_arrSlots) {
        if (slot.bWrong) {
            ++wrong;
            m_form.lblQuestions[static_cast<size_t>(slot.iAnswerLabel)]->SetBackColor(kMissed);
        }
    }
    m_form.lblCorrect->setText(QStringLiteral("正确：%1").arg(kQuestionCount - wrong));
    m_form.lblWrong->setText(QStringLiteral("错误：%1").arg(wrong));
    m_form.lblScore->setText(QStringLiteral("得分：%1分").arg(DrillScore(wrong)));
    m_form.lblGrade->setText(GradeCaption(wrong));
    return wrong;
}

void CtrlsTraining::RecordDrill(int32_t iWrong) {
    CDrillRecord record{{m_drill.kind, m_iMode, std::nullopt, std::nullopt, kQuestionCount - iWrong,
                         iWrong, DrillScore(iWrong), GradeName(iWrong)},
                        {},
                        {}};
    if (m_iMode != kScoreOnly) {
        record.result.secondsUsed = m_ctrlsTimer.SecondsUsed();
    }
    if (m_iMode == kTimeLimited) {
        record.result.timeLimit = m_ctrlsTimer.TimeLimit();
    }
    const auto shown = std::min(m_drill.questions.size(), m_arrSlots.size());
    for (size_t k = 0; k < shown; ++k) {
        const QuestionSlot& slot = m_arrSlots[k];
        const DrillQuestion& question = m_drill.questions[k];
        if (slot.bWrong) {
            record.missed.push_back(
                {question.kept,
                 slot.iChosen < 0
                     ? std::nullopt
                     : std::optional<int32_t>(slot.iChoices[static_cast<size_t>(slot.iChosen)])});
        } else if (question.iBookId != 0) {
            record.reviewedRight.push_back(question.iBookId);
        }
    }
    m_history.Record(record);
    ShowHistoryMessage();
}

void CtrlsTraining::ShowHistoryMessage() {
    const QString message = m_history.TakeMessage();
    if (!message.isEmpty()) {
        m_form.ShowMessage(message);
    }
}

void CtrlsTraining::EnableModes(bool bEnabled) {
    for (QRadioButton* option : m_form.optModes) {
        option->setEnabled(bEnabled);
    }
}

QColor CtrlsTraining::BackColor() const {
    return m_form.palette().color(QPalette::Window);
}

} // namespace kelvo
