#pragma once

#include "listening/CSpeaker.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelvo {

// Reads a drill's questions aloud for "读题": the first as the drill starts,
// each next one as soon as the pupil answers the one being read. The voice
// opens the first time it is needed.
class CDrillReader {
public:
    explicit CDrillReader(SpeakerOpener openSpeaker) : m_openSpeaker(std::move(openSpeaker)) {}

    void SetSpeakerOpener(SpeakerOpener openSpeaker) { m_openSpeaker = std::move(openSpeaker); }
    // The questions as they are said; false when there is no voice.
    bool Start(std::vector<std::u16string> questions);
    // index: 0-based, the question the pupil just answered.
    void Answered(int32_t index);
    void Stop();

private:
    void Read(int32_t index);

    SpeakerOpener m_openSpeaker;
    std::unique_ptr<CSpeaker> m_speaker;
    std::vector<std::u16string> m_questions;
    // The question being read; -1 when none is.
    int32_t m_reading = -1;
};

} // namespace kelvo
