#include "ui/CProgressFrame.h"

#include "foundation/UserInterfaceYield.h"
#include "ui/frmMainUi.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPushButton>

namespace kelvo {

CProgressFrame* CProgressFrame::s_yieldOwner = nullptr;

namespace {

// Where the frame stands below the top of the box it covers.
constexpr int TopInBox = 136;

// User input waits until the job ends; painting, timers and a close request
// are handled.
void ProcessEventsWithoutInput() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Keeps the frame readable while the window around it is disabled.
void KeepActiveColours(QWidget& widget) {
    QPalette palette = widget.palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::Window}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    widget.setPalette(palette);
}

} // namespace

CProgressFrame::CProgressFrame(QWidget& window, const frmMainUi& ui) : m_window(window), m_ui(ui) {
    KeepActiveColours(*m_ui.fraInfo);
    QObject::connect(m_ui.cmdCancel, &QPushButton::clicked, m_ui.fraInfo,
                     [this] { m_isCancelRequested = true; });
    SetYieldHook([this] { YieldToEvents(); });
    s_yieldOwner = this;
}

CProgressFrame::~CProgressFrame() {
    if (s_yieldOwner == this) {
        s_yieldOwner = nullptr;
        SetYieldHook([] { ProcessEventsWithoutInput(); });
    }
}

void CProgressFrame::Start(const std::u16string& info) {
    Begin(QString::fromStdU16String(info));
}

void CProgressFrame::Begin(const QString& strTitle) {
    SetWindowEnabled(false);
    Place();
    m_ui.fraInfo->show();
    m_ui.fraInfo->raise();
    m_ui.lblInfoTitle->setText(strTitle);
    m_ui.lblInfoContent->clear();
    m_pendingText.clear();
    // The frame is painted at the next yield, before a posted relayout would run.
    m_ui.fraInfo->layout()->activate();
}

void CProgressFrame::End() {
    m_ui.fraInfo->hide();
    SetWindowEnabled(true);
}

void CProgressFrame::Place() {
    const QRect box = m_ui.txtOutput->geometry();
    m_ui.fraInfo->move(box.left() + (box.width() - m_ui.fraInfo->width()) / 2,
                       box.top() + TopInBox);
}

void CProgressFrame::ProcessPages(int32_t page, int32_t pageCount) {
    m_pendingText = QString::fromUtf16(u"第 %1 页 / 共 %2 页").arg(page).arg(pageCount);
}

// Only the count at a yield is ever painted, so the label takes it there
// rather than after every question.
void CProgressFrame::YieldToEvents() {
    if (!m_pendingText.isEmpty()) {
        m_ui.lblInfoContent->setText(m_pendingText);
        m_pendingText.clear();
    }
    // While the frame shows, everything else is disabled and its "取消" must
    // be able to take a click.
    if (!m_ui.fraInfo->isHidden()) {
        QCoreApplication::processEvents();
    } else {
        ProcessEventsWithoutInput();
    }
}

void CProgressFrame::SetWindowEnabled(bool enabled) {
    for (QWidget* child : m_window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_ui.fraInfo) {
            child->setEnabled(enabled);
        }
    }
}

} // namespace kelvo
