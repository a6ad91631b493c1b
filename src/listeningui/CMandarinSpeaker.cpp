#include "listeningui/CMandarinSpeaker.h"

#include "listeningui/CMandarinVoice.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace kelvo {

const char16_t* const NoMandarinVoiceText =
    u"没有找到普通话语音，无法朗读。请安装 espeak-ng-data。";

std::unique_ptr<CSpeaker> CMandarinSpeaker::Open() {
    CMandarinVoice* voice = CMandarinVoice::Shared();
    if (voice == nullptr) {
        return nullptr;
    }
    return std::make_unique<CMandarinSpeaker>(*voice);
}

CMandarinSpeaker::CMandarinSpeaker(CMandarinVoice& voice) : m_voice(voice) {}

CMandarinSpeaker::~CMandarinSpeaker() {
    Stop();
}

void CMandarinSpeaker::Speak(const std::u16string& text) {
    Stop();
    const CSpeech speech = m_voice.Synthesize(text, m_rate);
    QAudioFormat format;
    format.setSampleRate(speech.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_buffer.setData(reinterpret_cast<const char*>(speech.samples.data()),
                     static_cast<qsizetype>(speech.samples.size() * sizeof(int16_t)));
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    m_sink->start(&m_buffer);
}

void CMandarinSpeaker::Stop() {
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}

bool CMandarinSpeaker::IsSpeaking() const {
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

} // namespace kelvo
