#pragma once

#include "listening/CSpeaker.h"

#include <QBuffer>

#include <memory>

class QAudioSink;

namespace kelvo {

class CMandarinVoice;

// The Mandarin voice played on the default sound output. Each text is
// synthesised whole and then played from memory.
class CMandarinSpeaker : public CSpeaker {
public:
    // Nullptr when there is no Mandarin voice.
    static std::unique_ptr<CSpeaker> Open();

    explicit CMandarinSpeaker(CMandarinVoice& voice);
    ~CMandarinSpeaker() override;

    void Speak(const std::u16string& text) override;
    void Stop() override;
    bool IsSpeaking() const override;
    void SetRate(int32_t syllablesPerMinute) override { m_rate = syllablesPerMinute; }

private:
    CMandarinVoice& m_voice;
    int32_t m_rate = 140;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

// What the windows say when Open finds no voice.
extern const char16_t* const NoMandarinVoiceText;

} // namespace kelvo
