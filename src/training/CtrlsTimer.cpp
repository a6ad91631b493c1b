#include "training/CtrlsTimer.h"

#include "training/CtrlsTraining.h"
#include "training/frmTraining.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace kelvo {
namespace {

constexpr int32_t kTimed = CDrill::kTimed;
constexpr int32_t kTimeLimited = CDrill::kTimeLimited;

} // namespace

CtrlsTimer::CtrlsTimer(frmTraining& form) : m_form(form), m_iFullWidth(form.CountdownBarWidth()) {}

void CtrlsTimer::Reset() {
    m_iRemaining = 0;
    m_form.ShowCountdownBar(m_iFullWidth);
    m_form.ShowCounter({});
}

void CtrlsTimer::Start(int32_t iMode, int32_t iInterval, CtrlsTraining& owner) {
    m_iMode = iMode;
    m_owner = &owner;
    if (m_iMode == kTimeLimited) {
        // The box reads as a whole number within 1..9999 whatever it shows, so
        // the step has no zero divisor and the milliseconds fit easily.
        m_iSeconds = m_form.TimeLimit();
        m_iRemaining = m_iSeconds;
        m_iWidth = m_iFullWidth;
        m_iStep = static_cast<int32_t>(
            std::floor(static_cast<double>(m_iFullWidth) / (m_iSeconds * 1000.0) * iInterval));
        m_form.ShowCounter(QString::number(m_iRemaining));
    } else if (m_iMode == kTimed) {
        m_iSeconds = 0;
        m_form.ShowCounter(QStringLiteral("0"));
    }
    m_form.StartTicks(iInterval);
}

void CtrlsTimer::DoTimered() {
    if (m_iMode == kTimeLimited) {
        CountDown();
    } else if (m_iMode == kTimed) {
        CountUp();
    }
}

void CtrlsTimer::Finish() {
    Stop();
    m_form.ShowSecondsUsed(SecondsUsed());
}

int32_t CtrlsTimer::SecondsUsed() const {
    if (m_iMode == kTimeLimited) {
        return m_iSeconds - m_iRemaining;
    }
    return m_iMode == kTimed ? m_iSeconds : 0;
}

void CtrlsTimer::Stop() {
    m_form.StopTicks();
}

void CtrlsTimer::CountUp() {
    ++m_iSeconds;
    m_form.ShowCounter(QString::number(m_iSeconds));
}

void CtrlsTimer::CountDown() {
    --m_iRemaining;
    if (m_iRemaining < 0) {
        m_iRemaining = 0;
        Finish();
        m_owner->DoFinishClicked();
        return;
    }
    m_form.ShowCounter(QString::number(m_iRemaining));
    m_iWidth = std::max(0, m_iWidth - m_iStep);
    m_form.ShowCountdownBar(m_iWidth);
}

} // namespace kelvo
