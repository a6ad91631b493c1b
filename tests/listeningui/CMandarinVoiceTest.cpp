#include "listeningui/CMandarinVoice.h"

#include <espeak-ng/speak_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace kelvo {
namespace {

// The voice really speaks a question: in Mandarin syllables with their tones
// (not pinyin spelled in English), audible, about as long as its ten syllables
// take at the chosen rate, and shorter when read faster.
TEST(CMandarinVoiceTest, AQuestionBecomesSpeechOfAPlausibleLength) {
    CMandarinVoice* voice = CMandarinVoice::Shared();
    if (voice == nullptr) {
        GTEST_SKIP() << "no Mandarin voice: install libespeak-ng1 and espeak-ng-data";
    }
    const char* clause = "三十七加五等于";
    const void* position = clause;
    const std::string phonemes = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, 0);
    EXPECT_EQ(phonemes.find("(en)"), std::string::npos) << phonemes;
    EXPECT_NE(phonemes.find("s'a55n"), std::string::npos) << phonemes;

    const std::u16string question = u"第三题，三十七加五等于";
    constexpr double Syllables = 10;
    const CSpeech slow = voice->Synthesize(question, 100);
    const CSpeech fast = voice->Synthesize(question, 180);
    ASSERT_GT(slow.sampleRate, 0);
    const double seconds = static_cast<double>(slow.samples.size()) / slow.sampleRate;
    EXPECT_GT(seconds, Syllables * 0.15);
    EXPECT_LT(seconds, Syllables * 1.2);
    const auto loudest = std::ranges::max(slow.samples, {}, [](int16_t s) { return std::abs(s); });
    EXPECT_GT(std::abs(loudest), 1000);
    EXPECT_LT(fast.samples.size(), slow.samples.size());
}

} // namespace
} // namespace kelvo
