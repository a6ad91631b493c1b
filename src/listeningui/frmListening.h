// listeningui/ is the Qt side of 听算 (kelvo_gui): the Mandarin voice
// (CMandarinVoice over eSpeak NG, played by CMandarinSpeaker), the window
// frmListening and its controller CtrlsListening, which drives the Qt-free round
// and sheet of listening/ through the CSpeaker seam.
//
// The 听算 window: the teacher starts, pauses, resumes, repeats and stops a
// round that reads the current sheet's questions aloud, sets the pace, the
// reading once or twice and the speed, and sees the current number large.
// Every event goes to the controller CtrlsListening; the answer sheet's
// buttons are the main window's to connect, since the sheet lives there.
#pragma once

#include "listeningui/CtrlsListening.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace kelvo {

class frmListening : public QWidget {
public:
    // Opens as a window of its own, owned by `owner`, deleted when closed.
    frmListening(QWidget* owner, CListeningQuestions questions, SpeakerOpener openSpeaker,
                 CtrlsListening::Clock clock);
    ~frmListening() override;

    QLabel* lblNumber = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdPause = nullptr;
    QPushButton* cmdResume = nullptr;
    QPushButton* cmdRepeat = nullptr;
    QPushButton* cmdStop = nullptr;
    QSpinBox* txtPace = nullptr;
    QRadioButton* optReadOnce = nullptr;
    QRadioButton* optReadTwice = nullptr;
    QComboBox* cboRate = nullptr;
    QPushButton* cmdAnswerSheetPdf = nullptr;
    QPushButton* cmdPrintAnswerSheet = nullptr;
    QTimer* timRound = nullptr;

    CtrlsListening& Controller() { return *m_ctrls; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetupUi();
    void ConnectControls();

    std::unique_ptr<CtrlsListening> m_ctrls;
};

} // namespace kelvo
