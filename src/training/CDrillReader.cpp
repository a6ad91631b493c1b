#include "training/CDrillReader.h"

#include "listening/ChineseReading.h"

namespace kelvo {

bool CDrillReader::Start(std::vector<std::u16string> questions) {
    if (!m_speaker) {
        m_speaker = m_openSpeaker();
        if (!m_speaker) {
            return false;
        }
    }
    m_questions = std::move(questions);
    Read(0);
    return true;
}

void CDrillReader::Answered(int32_t index) {
    if (index == m_reading) {
        Read(index + 1);
    }
}

void CDrillReader::Stop() {
    if (m_speaker) {
        m_speaker->Stop();
    }
    m_reading = -1;
}

void CDrillReader::Read(int32_t index) {
    if (index >= static_cast<int32_t>(m_questions.size())) {
        m_reading = -1;
        return;
    }
    m_reading = index;
    m_speaker->Speak(SpokenItem(index + 1, m_questions[static_cast<size_t>(index)]));
}

} // namespace kelvo
