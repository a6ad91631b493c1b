#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// Speech in memory: 16-bit mono samples.
struct CSpeech {
    int32_t sampleRate = 0;
    std::vector<int16_t> samples;
};

// eSpeak NG's Mandarin voice, synthesising into memory. The library
// holds one voice for the whole program, so there is one of these, opened
// the first time it is asked for.
class CMandarinVoice {
public:
    // Nullptr when the library cannot start or its Mandarin data is missing.
    static CMandarinVoice* Shared();

    // The text as the voice reads it at the rate, in syllables per minute.
    CSpeech Synthesize(const std::u16string& text, int32_t syllablesPerMinute);

private:
    explicit CMandarinVoice(int32_t sampleRate) : m_sampleRate(sampleRate) {}

    int32_t m_sampleRate;
};

} // namespace kelvo
