// listening/ holds 听算's rules (kelvo_core): the sheet's questions are said in
// Chinese (ChineseReading), read one after another by a round (CListeningRound)
// through a voice it is given (CSpeaker), and written as an answer sheet of
// numbered boxes (ListeningSheet). The window above drives the round with the
// time of its own clock; nothing here knows Qt or a sound device.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class CSpeaker;

// A 听算 round: the questions read one after another under their numbers,
// each once or twice, the pace apart; the pace counts from when the voice
// falls silent, so a long question leaves as much time to write as a short
// one. The teacher may pause (the voice stops), go on (the pace starts anew),
// have the current question read again, or stop. The round reads no clock of
// its own: every call brings the time, so a test's clock runs it as well.
class CListeningRound {
public:
    using Time = std::chrono::milliseconds;

    enum class State { Ready, Reading, Paused, Finished };

    // The questions as they are said ("三十七加五等于"); the speaker must outlive
    // the round.
    CListeningRound(std::vector<std::u16string> questions, CSpeaker& speaker);

    void SetPace(std::chrono::seconds value) { m_pace = value; }
    std::chrono::seconds Pace() const { return m_pace; }
    void SetReadTwice(bool value) { m_readTwice = value; }

    // From the first question, also after a stop or the end.
    void Start(Time now);
    void Pause();
    void Resume(Time now);
    // Reads the current question again and goes on from there.
    void Repeat(Time now);
    void Stop();
    // Moves to the next question (or the end) once the pace has passed in silence.
    void Update(Time now);

    State CurrentState() const { return m_state; }
    // 1-based; 0 before the first start.
    int32_t Current() const { return m_current; }
    int32_t Count() const { return static_cast<int32_t>(m_questions.size()); }

private:
    void ReadCurrent(Time now);

    std::vector<std::u16string> m_questions;
    CSpeaker& m_speaker;
    std::chrono::seconds m_pace{5};
    bool m_readTwice = false;
    State m_state = State::Ready;
    int32_t m_current = 0;
    // The last moment the voice was heard, or the round went on.
    Time m_lastSound{0};
};

} // namespace kelvo
