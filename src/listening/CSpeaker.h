#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kelvo {

// A voice that reads text aloud. A 听算 round speaks through it: the windows
// give it the Mandarin voice, tests a voice of their own.
class CSpeaker {
public:
    virtual ~CSpeaker() = default;

    // Breaks off what it is saying and starts on the text.
    virtual void Speak(const std::u16string& text) = 0;
    virtual void Stop() = 0;
    virtual bool IsSpeaking() const = 0;
    // How fast it reads, in syllables per minute.
    virtual void SetRate(int32_t syllablesPerMinute) = 0;
};

// Opens the voice when it is first needed; nullptr when there is none.
using SpeakerOpener = std::function<std::unique_ptr<CSpeaker>()>;

} // namespace kelvo
