#include "listeningui/CtrlsListening.h"

#include "listeningui/CMandarinSpeaker.h"
#include "listeningui/frmListening.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <array>

namespace kelvo {

namespace {

using State = CListeningRound::State;

// 慢, 中, 快 in syllables per minute: slower than conversation, as pupils hear
// a question once and must keep it.
constexpr std::array<int32_t, 3> Rates = {100, 140, 180};
constexpr int DefaultRateIndex = 1;

QString StatusText(State state) {
    switch (state) {
    case State::Ready:
        return QString::fromUtf16(u"点“开始”，从第一题读起。");
    case State::Reading:
        return QString::fromUtf16(u"正在听算，请学生只写得数。");
    case State::Paused:
        return QString::fromUtf16(u"已暂停，点“继续”接着听算。");
    case State::Finished:
        return QString::fromUtf16(u"听算结束。");
    }
    return {};
}

} // namespace

CtrlsListening::CtrlsListening(frmListening& form, CListeningQuestions questions,
                               SpeakerOpener openSpeaker, Clock clock)
    : m_form(form), m_questions(std::move(questions)), m_openSpeaker(std::move(openSpeaker)),
      m_clock(std::move(clock)) {}

void CtrlsListening::DoFormLoad() {
    m_form.txtPace->setValue(static_cast<int>(m_questions.pace.count()));
    m_form.cboRate->setCurrentIndex(DefaultRateIndex);
    m_form.lblCount->setText(
        QString::fromUtf16(u"共 %1 题").arg(static_cast<qsizetype>(m_questions.spoken.size())));
    m_form.timRound->start();
    ShowState();
}

void CtrlsListening::DoStartClicked() {
    if (!OpenSpeaker()) {
        return;
    }
    if (!m_round) {
        m_round.emplace(m_questions.spoken, *m_speaker);
        m_round->SetPace(std::chrono::seconds(m_form.txtPace->value()));
        m_round->SetReadTwice(m_form.optReadTwice->isChecked());
    }
    m_round->Start(m_clock());
    ShowState();
}

void CtrlsListening::DoPauseClicked() {
    if (m_round) {
        m_round->Pause();
        ShowState();
    }
}

void CtrlsListening::DoResumeClicked() {
    if (m_round) {
        m_round->Resume(m_clock());
        ShowState();
    }
}

void CtrlsListening::DoRepeatClicked() {
    if (m_round) {
        m_round->Repeat(m_clock());
        ShowState();
    }
}

void CtrlsListening::DoStopClicked() {
    if (m_round) {
        m_round->Stop();
        ShowState();
    }
}

void CtrlsListening::DoPaceChanged(int seconds) {
    if (m_round) {
        m_round->SetPace(std::chrono::seconds(seconds));
    }
}

void CtrlsListening::DoReadTwiceToggled(bool checked) {
    if (m_round) {
        m_round->SetReadTwice(checked);
    }
}

void CtrlsListening::DoRateChanged() {
    if (m_speaker) {
        m_speaker->SetRate(Rate());
    }
}

void CtrlsListening::DoTimered() {
    if (m_round) {
        const State before = m_round->CurrentState();
        const int32_t current = m_round->Current();
        m_round->Update(m_clock());
        if (m_round->CurrentState() != before || m_round->Current() != current) {
            ShowState();
        }
    }
}

// The voice opens on the first start, not with the program.
bool CtrlsListening::OpenSpeaker() {
    if (!m_speaker) {
        m_speaker = m_openSpeaker();
        if (!m_speaker) {
            m_form.lblStatus->setText(QString::fromUtf16(NoMandarinVoiceText));
            return false;
        }
        m_speaker->SetRate(Rate());
    }
    return true;
}

void CtrlsListening::ShowState() {
    const State state = m_round ? m_round->CurrentState() : State::Ready;
    const int32_t current = m_round ? m_round->Current() : 0;
    m_form.lblNumber->setText(current > 0 ? QString::number(current) : QString());
    m_form.lblStatus->setText(StatusText(state));
    const bool isIdle = state == State::Ready || state == State::Finished;
    m_form.cmdStart->setEnabled(isIdle && !m_questions.spoken.empty());
    m_form.cmdPause->setEnabled(state == State::Reading);
    m_form.cmdResume->setEnabled(state == State::Paused);
    m_form.cmdRepeat->setEnabled(!isIdle);
    m_form.cmdStop->setEnabled(!isIdle);
}

int32_t CtrlsListening::Rate() const {
    const int index = m_form.cboRate->currentIndex();
    return Rates[static_cast<size_t>(index >= 0 ? index : DefaultRateIndex)];
}

} // namespace kelvo
