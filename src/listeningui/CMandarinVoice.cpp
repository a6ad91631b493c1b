#include "listeningui/CMandarinVoice.h"

#include <QString>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <memory>

namespace kelvo {

namespace {

// Collects what the library synthesises; it hands the speech's owner back
// with every block.
int CollectSamples(short* wav, int count, espeak_EVENT* events) {
    if (wav != nullptr && count > 0) {
        auto* speech = static_cast<CSpeech*>(events->user_data);
        speech->samples.insert(speech->samples.end(), wav, wav + count);
    }
    return 0;
}

} // namespace

CMandarinVoice* CMandarinVoice::Shared() {
    static const std::unique_ptr<CMandarinVoice> voice = []() -> std::unique_ptr<CMandarinVoice> {
        // Without DONT_EXIT the library ends the program when its data is missing.
        const int sampleRate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        // The plain "cmn" voice of this library's version reads many characters
        // as their pinyin spelled in English ("三" as "san one"); the pinyin
        // voice speaks the same characters in Mandarin.
        if (sampleRate <= 0 || espeak_SetVoiceByName("cmn-latn-pinyin") != EE_OK) {
            return nullptr;
        }
        espeak_SetSynthCallback(CollectSamples);
        return std::unique_ptr<CMandarinVoice>(new CMandarinVoice(sampleRate));
    }();
    return voice.get();
}

CSpeech CMandarinVoice::Synthesize(const std::u16string& text, int32_t syllablesPerMinute) {
    CSpeech speech{m_sampleRate, {}};
    espeak_SetParameter(espeakRATE,
                        std::clamp(syllablesPerMinute, espeakRATE_MINIMUM, espeakRATE_MAXIMUM), 0);
    const QByteArray bytes = QString::fromStdU16String(text).toUtf8();
    espeak_Synth(bytes.constData(), static_cast<size_t>(bytes.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, &speech);
    return speech;
}

} // namespace kelvo
