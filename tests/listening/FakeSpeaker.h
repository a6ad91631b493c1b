#pragma once

#include "listening/CSpeaker.h"

#include <string>
#include <vector>

namespace kelvo::testing {

// Remembers what it was given to say; it speaks until told it has finished,
// or not at all when it finishes at once.
class CFakeSpeaker : public CSpeaker {
public:
    void Speak(const std::u16string& text) override {
        spoken.push_back(text);
        speaking = !finishesAtOnce;
    }
    void Stop() override {
        speaking = false;
        ++stops;
    }
    bool IsSpeaking() const override { return speaking; }
    void SetRate(int32_t syllablesPerMinute) override { rate = syllablesPerMinute; }

    std::vector<std::u16string> spoken;
    bool finishesAtOnce = false;
    bool speaking = false;
    int32_t stops = 0;
    int32_t rate = 0;
};

} // namespace kelvo::testing
