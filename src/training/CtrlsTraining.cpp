#include "training/CtrlsTraining.h"

#include "generation/CExprValue.h"
#include "generation/CExpression.h"
#include "training/AnswerChoices.h"
#include "training/CClickLabel.h"
#include "training/frmTraining.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace kelvo {
namespace {

constexpr int32_t kQuestionCount = frmTraining::kSlotCount;
constexpr int32_t kTickMilliseconds = 1000;
constexpr int32_t kKeyStart = 83;
constexpr int32_t kKeyFinish = 70;
constexpr int32_t kKeyCreate = 67;

const QColor kChosen(0, 255, 0);
const QColor kMissed(255, 0, 0);

} // namespace

QString GradeCaption(int32_t iWrong) {
    // Index = wrong questions; 7 to 10, 11 to 15 and 16 or more share a grade.
    static const std::array<const char16_t*, 7> kTopGrades{u"状元",   u"榜眼", u"探花", u"进士",
                                                           u"同进士", u"举人", u"秀才"};
    const char16_t* grade = iWrong <= 6    ? kTopGrades[static_cast<size_t>(iWrong)]
                            : iWrong <= 10 ? u"童生"
                            : iWrong <= 15 ? u"启蒙"
                                           : u"婴儿";
    return QStringLiteral("等级：") + QString::fromUtf16(grade);
}

CtrlsTraining::CtrlsTraining(frmTraining& form, QuestionSource questions)
    : m_form(form), m_questions(std::move(questions)), m_ctrlsTimer(form) {}

void CtrlsTraining::DoFormLoad() {
    m_bQuestionsReady = CreateQuestions();
    if (m_bQuestionsReady) {
        m_form.cmdStart->setEnabled(true);
    }
}

void CtrlsTraining::DoCreateClicked() {
    m_bQuestionsReady = CreateQuestions();
    if (m_bQuestionsReady) {
        m_form.cmdStart->setEnabled(true);
        ClearResultLabels();
        m_form.lblCountdownProgress->resize(m_form.lblProgress2->width(),
                                            m_form.lblCountdownProgress->height());
    }
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
    m_form.cmdFinish->setEnabled(false);
    m_form.cmdCreate->setEnabled(true);
    EnableModes(true);
    m_bIsDoingTraining = false;
    m_bQuestionsReady = false;
    ShowResults();
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
    ClearQuestionLabels();
    m_form.cmdStart->setEnabled(false);
    m_form.lblInfo->clear();
    const CQuestionSet questionSet = m_questions(kQuestionCount);
    if (questionSet.HasQuestions()) {
        const CValueLimit& limit = *questionSet.templates.front()->ResultOperand()->Limit();
        const QuestionList& questions = questionSet.questions;
        const int32_t shown = std::min(questions.Count(), kQuestionCount);
        for (int32_t i = 1; i <= shown; ++i) {
            ShowQuestion(*questions.Item(i), i - 1, limit);
        }
        m_form.cmdStart->setEnabled(true);
        return true;
    }
    m_form.lblInfo->setText(
        QStringLiteral("无法生成试题，可能您设计的算式有错误，请到主窗口修改算式。"));
    return false;
}

void CtrlsTraining::ClearQuestionLabels() {
    for (CClickLabel* label : m_form.lblQuestions) {
        label->clear();
        label->SetBackColor(BackColor());
    }
}

void CtrlsTraining::ShowQuestion(const CExprValue& value, int32_t k, const CValueLimit& limit) {
    const AnswerChoices choices = MakeAnswerChoices(value.ResultValue(), limit);
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
}

void CtrlsTraining::ClearResultLabels() {
    for (QLabel* label :
         {m_form.lblCorrect, m_form.lblWrong, m_form.lblScore, m_form.lblTimerCounter,
          m_form.lblSeconds, m_form.lblInfo, m_form.lblGrade}) {
        label->clear();
    }
}

void CtrlsTraining::ShowResults() {
    int32_t wrong = 0;
    for (const QuestionSlot& slot : m_arrSlots) {
        if (slot.bWrong) {
            ++wrong;
            m_form.lblQuestions[static_cast<size_t>(slot.iAnswerLabel)]->SetBackColor(kMissed);
        }
    }
    const auto score =
        static_cast<int32_t>(std::floor((kQuestionCount - wrong) * 100.0 / kQuestionCount));
    m_form.lblCorrect->setText(QStringLiteral("正确：%1").arg(kQuestionCount - wrong));
    m_form.lblWrong->setText(QStringLiteral("错误：%1").arg(wrong));
    m_form.lblScore->setText(QStringLiteral("得分：%1分").arg(score));
    m_form.lblGrade->setText(GradeCaption(wrong));
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
