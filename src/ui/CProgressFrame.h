#pragma once

#include "generation/CInfoReceiver.h"

#include <QString>

class QWidget;

namespace kelvo {

struct frmMainUi;

// The progress of the main window's long jobs, in a frame over the worksheet
// box: between Start and Stopped everything else in the window is disabled,
// the frame shows the job's title and count, and its "取消" asks the job to
// stop. The model's yields bring the count up to date and let the frame take
// its click; otherwise user input waits until the job ends.
class CProgressFrame : public CInfoReceiver {
public:
    CProgressFrame(QWidget& window, const frmMainUi& ui);
    ~CProgressFrame() override;

    CProgressFrame(const CProgressFrame&) = delete;
    CProgressFrame& operator=(const CProgressFrame&) = delete;

    void Start(const std::u16string& info) override;
    void Process(int32_t info) override { m_pendingText = QString::number(info); }
    void ProcessPages(int32_t page, int32_t pageCount) override;
    void Stopped() override { End(); }
    bool IsCancelled() const override { return m_isCancelRequested; }

    void Begin(const QString& strTitle);
    void End();
    // A new job starts uncancelled.
    void ForgetCancel() { m_isCancelRequested = false; }
    // Centred over the worksheet box, near its top.
    void Place();

private:
    void YieldToEvents();
    void SetWindowEnabled(bool enabled);

    // The frame whose count the model's yields bring up to date.
    static CProgressFrame* s_yieldOwner;

    QWidget& m_window;
    const frmMainUi& m_ui;
    // What the frame says at the next yield: the count of a job, or its pages.
    QString m_pendingText;
    bool m_isCancelRequested = false;
};

} // namespace kelvo
