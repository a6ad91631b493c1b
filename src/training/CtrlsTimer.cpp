#include "training/CtrlsTimer.h"

#include "training/CtrlsTraining.h"
#include "training/frmTraining.h"
#include "widgets/CNumberBox.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace kelvo {
namespace {

constexpr int32_t kTimed = 1;
constexpr int32_t kTimeLimited = 2;

void SetBarWidth(QLabel& bar, int32_t width) {
    bar.resize(width, bar.height());
}

} // namespace

CtrlsTimer::CtrlsTimer(frmTraining& form)
    : m_form(form), m_iFullWidth(form.lblCountdownProgress->width()),
      m_lblProgress(form.lblCountdownProgress), m_lblCounter(form.lblTimerCounter) {}

void CtrlsTimer::Reset() {
    m_iRemaining = 0;
    SetBarWidth(*m_lblProgress, m_iFullWidth);
    m_lblCounter->clear();
}

void CtrlsTimer::Start(int32_t iMode, int32_t iInterval, CtrlsTraining& owner) {
    m_iMode = iMode;
    m_owner = &owner;
    if (m_iMode == kTimeLimited) {
        // The box reads as a whole number within 1..9999 whatever it shows, so
        // the step has no zero divisor and the milliseconds fit easily.
        m_iSeconds = m_form.txtTime->Value();
        m_iRemaining = m_iSeconds;
        m_iWidth = m_iFullWidth;
        m_iStep = static_cast<int32_t>(
            std::floor(static_cast<double>(m_iFullWidth) / (m_iSeconds * 1000.0) * iInterval));
        m_lblCounter->setNum(m_iRemaining);
    } else if (m_iMode == kTimed) {
        m_iSeconds = 0;
        m_lblCounter->setText(QStringLiteral("0"));
    }
    m_form.timTimer->start(iInterval);
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
    m_form.lblSeconds->setText(QStringLiteral("用时：%1秒").arg(SecondsUsed()));
}

int32_t CtrlsTimer::SecondsUsed() const {
    if (m_iMode == kTimeLimited) {
        return m_iSeconds - m_iRemaining;
    }
    return m_iMode == kTimed ? m_iSeconds : 0;
}

void CtrlsTimer::Stop() {
    m_form.timTimer->stop();
}

void CtrlsTimer::CountUp() {
    ++m_iSeconds;
    m_lblCounter->setNum(m_iSeconds);
}

void CtrlsTimer::CountDown() {
    --m_iRemaining;
    if (m_iRemaining < 0) {
        m_iRemaining = 0;
        Finish();
        m_owner->DoFinishClicked();
        return;
    }
    m_lblCounter->setNum(m_iRemaining);
    m_iWidth = std::max(0, m_iWidth - m_iStep);
    SetBarWidth(*m_lblProgress, m_iWidth);
}

} // namespace kelvo
