#include "ui/frmMain.h"

#include "foundation/RuntimeError.h"
#include "ui/frmMainHelp.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>

namespace kelvo {

namespace {

const QString ApplicationTitle = QStringLiteral("Kelvo");
// The designed window size, kept within the screen.
constexpr QSize DesignedSize(1185, 929);
// Where the progress frame stands over the worksheet box.
constexpr int InfoTopInOutput = 136;

QString RuntimeErrorText(const CRuntimeError& error) {
    return QString::fromUtf16(u"运行时错误 '%1'：\n\n%2")
        .arg(static_cast<int>(error.Number()))
        .arg(QString::fromStdU16String(error.Description()));
}

// Keeps the progress frame readable while the window around it is disabled.
void KeepActiveColours(QWidget* widget) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::Window}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    widget->setPalette(palette);
}

} // namespace

frmMain::frmMain(QString strSettingsPath, QWidget* parent)
    : QWidget(parent), m_strSettingsPath(std::move(strSettingsPath)),
      m_messageBox([this](const QString& strText) {
          QMessageBox::warning(this, ApplicationTitle, strText);
      }),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    m_ui.SetupUi(this);
    KeepActiveColours(m_ui.fraInfo);
    m_ctrlsOperand = std::make_unique<CtrlsOperand>(m_ui.operandPanel);
    ConnectPanel();
    ConnectCommands();
    ConnectLinks();
    m_ui.cboOperandCount->setCurrentIndex(0);
    m_ctrlsOperand->SetOperandCount(2);
    resize(DesignedSize.boundedTo(screen()->availableGeometry().size()));
}

frmMain::~frmMain() = default;

QString frmMain::DefaultSettingsPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Kelvo.ini"));
}

QString frmMain::GuidePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("KelvoGuide.html"));
}

std::u16string frmMain::GetOperators(int32_t indexOperand) const {
    return m_ctrlsOperand->Operators(indexOperand);
}

void frmMain::ConnectPanel() {
    const COperandPanel& panel = m_ui.operandPanel;
    connect(m_ui.cboOperandCount, &QComboBox::currentIndexChanged, this,
            [this](int index) { Handle([&] { OnOperandCountSelected(index); }); });
    for (int i = 0; i < 10; ++i) {
        connect(panel.chkMultipleOfs[i], &QCheckBox::stateChanged, this,
                [this, i] { Handle([&] { m_ctrlsOperand->DoMultipleOfClicked(i); }); });
    }
    for (int i = 0; i < 12; ++i) {
        connect(panel.chkOperators[i], &QCheckBox::stateChanged, this,
                [this, i] { Handle([&] { OnOperatorChanged(i); }); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(panel.chkCbr[i], &QCheckBox::stateChanged, this,
                [this, i] { Handle([&] { m_ctrlsOperand->DoCbrClicked(i); }); });
    }
}

void frmMain::ConnectCommands() {
    connect(m_ui.cmdHelp, &QPushButton::clicked, this, [this] { Handle([&] { ShowHelp(); }); });
    connect(m_ui.cmdExitMain, &QPushButton::clicked, this, &QWidget::close);
}

void frmMain::ConnectLinks() {
    for (int i = 0; i < 2; ++i) {
        connect(m_ui.lblCultureSite[i], &QLabel::linkActivated, this,
                [this, i] { Handle([&] { OpenGuide(i); }); });
    }
    connect(m_ui.lblSiteDetail, &QLabel::linkActivated, this,
            [this] { Handle([&] { ShowSiteTips(); }); });
    m_ui.txtFilmSite->setText(QDir::toNativeSeparators(GuidePath()));
    setMouseTracking(true);
    m_ui.fraSetting->setMouseTracking(true);
    m_ui.txtOutput->viewport()->setMouseTracking(true);
    m_ui.fraSetting->installEventFilter(this);
    m_ui.txtOutput->viewport()->installEventFilter(this);
    m_ui.txtOutput->installEventFilter(this);
}

void frmMain::OnOperandCountSelected(int index) {
    if (index >= 0) {
        m_ctrlsOperand->SetOperandCount(index + 2);
    }
}

void frmMain::OnOperatorChanged(int index) {
    if (index < 4) {
        m_ctrlsOperand->DoOperatorsChanged(m_ctrlsOperand->Operators(0));
    }
}

void frmMain::ShowHelp() {
    frmMainHelp help(this);
    help.exec();
}

void frmMain::OpenGuide(int index) {
    QUrl url = QUrl::fromLocalFile(GuidePath());
    if (index != 0) {
        url.setFragment(QStringLiteral("settings"));
    }
    m_openUrl(url);
}

void frmMain::ShowSiteTips() {
    if (m_ui.fraSiteTips->isHidden()) {
        PlaceOverlays();
        m_ui.fraSiteTips->show();
        m_ui.fraSiteTips->raise();
    }
    m_ui.txtFilmSite->setFocus();
}

void frmMain::HideSiteTips() {
    if (!m_ui.fraSiteTips->isHidden()) {
        m_ui.fraSiteTips->hide();
    }
}

void frmMain::PlaceOverlays() {
    const QRect output = m_ui.txtOutput->geometry();
    m_ui.fraInfo->move(output.left() + (output.width() - m_ui.fraInfo->width()) / 2,
                       output.top() + InfoTopInOutput);
    const QPoint below = m_ui.lblSiteDetail->mapTo(this, QPoint(0, m_ui.lblSiteDetail->height()));
    m_ui.fraSiteTips->move(below);
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    HideSiteTips();
    QWidget::mouseMoveEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        HideSiteTips();
    } else if (watched == m_ui.txtOutput &&
               (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        PlaceOverlays();
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        m_closePending = true;
        event->ignore();
        return;
    }
    event->accept();
}

void frmMain::BeginProgress(const QString& strTitle) {
    setEnabled(false);
    PlaceOverlays();
    m_ui.fraInfo->show();
    m_ui.fraInfo->raise();
    m_ui.lblInfoTitle->setText(strTitle);
    m_ui.lblInfoContent->clear();
}

void frmMain::ShowProgress(const QString& strCount) {
    m_ui.lblInfoContent->setText(strCount);
}

void frmMain::EndProgress() {
    m_ui.fraInfo->hide();
    setEnabled(true);
}

template <class F>
void frmMain::Handle(F&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorMessage(error);
    }
}

template <class F>
void frmMain::RunJob(F&& job) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    try {
        job();
    } catch (const std::exception& error) {
        m_busy = false;
        EndProgress();
        ShowErrorMessage(error);
    }
    m_busy = false;
    if (m_closePending) {
        m_closePending = false;
        close();
    }
}

void frmMain::ShowErrorMessage(const std::exception& error) {
    if (const auto* runtimeError = dynamic_cast<const CRuntimeError*>(&error)) {
        ShowMessage(RuntimeErrorText(*runtimeError));
    } else {
        ShowMessage(
            QString::fromUtf16(u"运行时错误：%1").arg(QString::fromLocal8Bit(error.what())));
    }
}

void frmMain::ShowMessage(const QString& strText) {
    m_messageBox(strText);
}

} // namespace kelvo
