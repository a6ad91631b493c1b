#include "listening/CListeningRound.h"

#include "listening/CSpeaker.h"
#include "listening/ChineseReading.h"

namespace kelvo {

CListeningRound::CListeningRound(std::vector<std::u16string> questions, CSpeaker& speaker)
    : m_questions(std::move(questions)), m_speaker(speaker) {}

void CListeningRound::Start(Time now) {
    if (m_questions.empty()) {
        m_state = State::Finished;
        return;
    }
    m_current = 1;
    ReadCurrent(now);
}

void CListeningRound::Pause() {
    if (m_state == State::Reading) {
        m_speaker.Stop();
        m_state = State::Paused;
    }
}

void CListeningRound::Resume(Time now) {
    if (m_state == State::Paused) {
        m_state = State::Reading;
        m_lastSound = now;
    }
}

void CListeningRound::Repeat(Time now) {
    if (m_state == State::Reading || m_state == State::Paused) {
        ReadCurrent(now);
    }
}

void CListeningRound::Stop() {
    if (m_state == State::Reading || m_state == State::Paused) {
        m_speaker.Stop();
        m_state = State::Finished;
    }
}

void CListeningRound::Update(Time now) {
    if (m_state != State::Reading) {
        return;
    }
    if (m_speaker.IsSpeaking()) {
        m_lastSound = now;
        return;
    }
    if (now - m_lastSound < m_pace) {
        return;
    }
    if (m_current == Count()) {
        m_state = State::Finished;
        return;
    }
    ++m_current;
    ReadCurrent(now);
}

void CListeningRound::ReadCurrent(Time now) {
    const std::u16string& question = m_questions[static_cast<size_t>(m_current - 1)];
    std::u16string text = SpokenItem(m_current, question);
    if (m_readTwice) {
        text += u"。" + question;
    }
    m_speaker.Speak(text);
    m_state = State::Reading;
    m_lastSound = now;
}

} // namespace kelvo
