#pragma once

#include "listening/CListeningRound.h"
#include "listening/CSpeaker.h"
#include "listening/ListeningSheet.h"

#include <functional>
#include <memory>
#include <optional>

namespace kelvo {

class frmListening;

// Runs a 听算 round on the 听算 window: opens the voice on the first start
// (or says that there is none), passes the teacher's buttons and the pace,
// the reading once or twice and the speed on to the round, and shows the
// current number and which buttons apply.
class CtrlsListening {
public:
    using Clock = std::function<CListeningRound::Time()>;

    CtrlsListening(frmListening& form, CListeningQuestions questions, SpeakerOpener openSpeaker,
                   Clock clock);

    void DoFormLoad();
    void DoStartClicked();
    void DoPauseClicked();
    void DoResumeClicked();
    void DoRepeatClicked();
    void DoStopClicked();
    void DoPaceChanged(int seconds);
    void DoReadTwiceToggled(bool checked);
    void DoRateChanged();
    void DoTimered();

    const CListeningRound* Round() const { return m_round ? &*m_round : nullptr; }

private:
    bool OpenSpeaker();
    void ShowState();
    int32_t Rate() const;

    frmListening& m_form;
    CListeningQuestions m_questions;
    SpeakerOpener m_openSpeaker;
    Clock m_clock;
    std::unique_ptr<CSpeaker> m_speaker;
    std::optional<CListeningRound> m_round;
};

} // namespace kelvo
