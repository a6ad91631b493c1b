#pragma once

#include <cstdint>

namespace kelvo {

class CtrlsTraining;
class frmTraining;

// The clock of a drill on the window's ticks. Mode 2 counts down from the
// time box's limit, shrinks the bar and ends the drill when the time is up;
// mode 1 counts seconds up. Every tick goes through DoTimered.
class CtrlsTimer {
public:
    explicit CtrlsTimer(frmTraining& form);

    void Reset();
    void Start(int32_t iMode, int32_t iInterval, CtrlsTraining& owner);
    void DoTimered();
    // Stops the ticks and shows the time used.
    void Finish();
    // Stops the ticks and shows nothing.
    void Stop();
    // Of the last drill in a timed mode: the limit of mode 2, the seconds used.
    int32_t TimeLimit() const { return m_iSeconds; }
    int32_t SecondsUsed() const;

private:
    void CountUp();
    void CountDown();

    frmTraining& m_form;
    int32_t m_iMode = 2;
    int32_t m_iFullWidth;
    CtrlsTraining* m_owner = nullptr;
    int32_t m_iSeconds = 0;
    int32_t m_iRemaining = 0;
    int32_t m_iStep = 0;
    int32_t m_iWidth = 0;
};

} // namespace kelvo
