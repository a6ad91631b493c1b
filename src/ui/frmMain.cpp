#include "ui/frmMain.h"

#include "foundation/RuntimeError.h"
#include "foundation/UserInterfaceYield.h"
#include "number/OperatorCodes.h"
#include "output/COutputFormatter.h"
#include "output/WorksheetPrint.h"
#include "training/frmTraining.h"
#include "ui/MainConfigBinding.h"
#include "ui/frmMainHelp.h"
#include "widgets/CProgramFolder.h"
#include "widgets/WindowUtils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>

namespace kelvo {

frmMain* frmMain::s_yieldOwner = nullptr;

namespace {

const QString ApplicationTitle = QStringLiteral("Kelvo");
// The designed window size, kept within the screen.
constexpr QSize DesignedSize(1185, 929);
// The character set of a Chinese font, kept with the worksheet font.
constexpr int32_t ChineseCharset = 134;
// The open height of the question-type list, in pixels.
constexpr int QuestionListHeight = 860;
// The worksheet box shows at most this many characters of the worksheet.
constexpr qsizetype OutputBoxLimit = 65535;
const char16_t* const TooLongText = u"生成的题目太多，无法全部显示，可以点击【输出打印】按钮显示";
const char16_t* const NoQuestionText = u"很抱歉，没有生成题目。可能是您设计的算式有问题。";
// Where the progress frame stands over the worksheet box.
constexpr int InfoTopInOutput = 136;

// User input waits until the job ends; painting, timers and a close request
// are handled.
void ProcessEventsWithoutInput() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

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
    : QWidget(parent), m_messageBox([this](const QString& strText) {
          QMessageBox::warning(this, ApplicationTitle, strText);
      }),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    m_ui.SetupUi(this);
    SetOutputCharset(ChineseCharset);
    KeepActiveColours(m_ui.fraInfo);
    SetYieldHook([this] { YieldToEvents(); });
    s_yieldOwner = this;
    m_ctrlsOperand = std::make_unique<CtrlsOperand>(m_ui.operandPanel);
    m_ctrlsSettings = std::make_unique<CtrlsSettings>(m_ui.settingsPanel);
    ConnectPanel();
    ConnectCommands();
    ConnectLinks();
    m_config = std::make_unique<CConfig>(std::filesystem::path(strSettingsPath.toStdU16String()));
    Handle([&] {
        LoadPresets();
        m_ui.cboOperandCount->setCurrentIndex(0);
        m_ctrlsOperand->SetOperandCount(2);
        SetComboDropHeight(m_ui.cboQuestionType, QuestionListHeight);
        if (m_config->Load()) {
            UpdateMainView(*m_config, *this);
        }
    });
    resize(DesignedSize.boundedTo(screen()->availableGeometry().size()));
}

frmMain::~frmMain() {
    if (s_yieldOwner == this) {
        s_yieldOwner = nullptr;
        SetYieldHook([] { ProcessEventsWithoutInput(); });
    }
}

// Only the count at a yield is ever painted, so the label takes it there
// rather than after every question.
void frmMain::YieldToEvents() {
    if (m_iPendingProgress) {
        m_ui.lblInfoContent->setText(QString::number(*m_iPendingProgress));
        m_iPendingProgress.reset();
    }
    ProcessEventsWithoutInput();
}

QString frmMain::DefaultSettingsPath() {
    return CProgramFolder().WritableFilePath(QStringLiteral("Kelvo.ini"),
                                             QStandardPaths::AppConfigLocation);
}

QString frmMain::GuidePath() {
    return CProgramFolder().ShippedFilePath(QStringLiteral("KelvoGuide.html"));
}

std::u16string frmMain::GetOperators(int32_t indexOperand) const {
    return m_ctrlsOperand->Operators(indexOperand);
}

void frmMain::LoadPresets() {
    m_precreatedQuestions.SetAddQuestionHandler([this](const std::shared_ptr<CQuestionData>& qd) {
        m_ui.cboQuestionType->addItem(QString::fromStdU16String(qd->Title()));
    });
    m_precreatedQuestions.Load();
    m_ui.cboQuestionType->setCurrentIndex(0);
}

void frmMain::FillQuestionData(const std::shared_ptr<CQuestionData>& qd, int32_t iOperandCount) {
    if (!qd || iOperandCount < CQuestionData::MinOperandCount ||
        iOperandCount > CQuestionData::MaxOperandCount) {
        return;
    }
    const std::array<std::shared_ptr<CValueLimit>, 4> limits{qd->Limit1(), qd->Limit2(),
                                                             qd->Limit3(), qd->Limit4()};
    for (int32_t i = 0; i < 4; ++i) {
        SetLimitBoxes(i, limits[i]);
    }
    SetGap(0, qd->Operator1(), true);
    SetGap(1, qd->Operator2(), iOperandCount > 2);
    SetGap(2, qd->Operator3(), iOperandCount > 2);
    SetLimitBoxes(4, qd->ResultLimit());
    SetCbrPair(qd->Cbr());
    m_ui.cboOperandCount->setCurrentIndex(iOperandCount - 2);
    m_ctrlsOperand->SetOperandCount(iOperandCount);
}

// Ticking one box of a "整十数" / "整百数" pair unticks the other through the
// pair's own handling.
void frmMain::SetLimitBoxes(int32_t indexOperand, const std::shared_ptr<CValueLimit>& limit) {
    if (!limit) {
        return;
    }
    const COperandPanel& panel = m_ui.operandPanel;
    panel.txtLimits[2 * indexOperand]->SetValue(limit->LowerLimit());
    panel.txtLimits[2 * indexOperand + 1]->SetValue(limit->UpperLimit());
    QCheckBox* tens = panel.chkMultipleOfs[2 * indexOperand];
    QCheckBox* hundreds = panel.chkMultipleOfs[2 * indexOperand + 1];
    if (limit->MultipleOf() == 10) {
        tens->setChecked(true);
    } else if (limit->MultipleOf() == 100) {
        hundreds->setChecked(true);
    } else {
        tens->setChecked(false);
        hundreds->setChecked(false);
    }
}

void frmMain::SetGap(int32_t indexGap, const std::u16string& pattern, bool untickOthers) {
    const std::array<int32_t, 4> operators{Op::Plus, Op::Minus, Op::Times, Op::Divide};
    for (int32_t p = 0; p < 4; ++p) {
        const bool allowed = p < static_cast<int32_t>(pattern.size()) &&
                             std::u16string_view(&pattern[p], 1) == OperatorText(operators[p]);
        if (allowed || untickOthers) {
            m_ui.operandPanel.chkOperators[4 * indexGap + p]->setChecked(allowed);
        }
    }
}

void frmMain::SetCbrPair(int32_t iCbr) {
    const auto& pair = m_ui.operandPanel.chkCbr;
    const bool isCarry = iCbr == Cbr::Carry || iCbr == Cbr::NoCarry;
    const bool isBorrow = iCbr == Cbr::Borrow || iCbr == Cbr::NoBorrow;
    if (isCarry) {
        pair[0]->setText(QString::fromUtf16(u"有进位"));
        pair[1]->setText(QString::fromUtf16(u"无进位"));
    } else if (isBorrow) {
        pair[0]->setText(QString::fromUtf16(u"有借位"));
        pair[1]->setText(QString::fromUtf16(u"无借位"));
    }
    const bool first = iCbr == Cbr::Carry || iCbr == Cbr::Borrow;
    const bool second = iCbr == Cbr::NoCarry || iCbr == Cbr::NoBorrow;
    pair[0]->setChecked(first);
    pair[1]->setChecked(second);
}

void frmMain::ConnectPanel() {
    const COperandPanel& panel = m_ui.operandPanel;
    connect(m_ui.cboQuestionType, &QComboBox::currentIndexChanged, this,
            [this](int index) { Handle([&] { OnQuestionTypeSelected(index); }); });
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
    connect(m_ui.cmdCreate, &QPushButton::clicked, this, [this] { RunJob([&] { Create(); }); });
    for (QCheckBox* toggle :
         {m_ui.settingsPanel.chkFillQuestion, m_ui.settingsPanel.chkShowAnswer}) {
        connect(toggle, &QCheckBox::stateChanged, this, [this] { ShowQuestions(true); });
    }
    connect(m_ui.cmdHelp, &QPushButton::clicked, this, [this] { Handle([&] { ShowHelp(); }); });
    connect(m_ui.cmdTraining, &QPushButton::clicked, this,
            [this] { Handle([&] { OpenTraining(); }); });
    connect(m_ui.cmdFont, &QPushButton::clicked, this,
            [this] { Handle([&] { ChooseOutputFont(); }); });
    connect(m_ui.cmdPrint, &QPushButton::clicked, this, [this] { Handle([&] { Print(); }); });
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

void frmMain::OnQuestionTypeSelected(int index) {
    if (index < 0) {
        return;
    }
    const auto qd =
        m_precreatedQuestions.Item(m_ui.cboQuestionType->itemText(index).toStdU16String());
    if (qd) {
        FillQuestionData(qd, qd->Limits().Count());
    }
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

void frmMain::Create() {
    m_strWorksheet.clear();
    if (m_arrExprValues) {
        m_arrExprValues->Clear();
    }
    m_colExprs = m_ctrlsOperand->Expressions(m_strErrorInfo);
    if (m_colExprs.empty()) {
        ShowOutput(QString::fromStdU16String(m_strErrorInfo));
        m_strErrorInfo.clear();
        return;
    }
    const auto& boxes = m_ui.settingsPanel.txtSettings;
    const int32_t wanted = CheckedMultiply(boxes[1]->Value(), boxes[0]->Value());
    m_arrExprValues =
        std::make_shared<QuestionList>(GenerateQuestions(m_colExprs, wanted, nullptr, this));
    if (m_arrExprValues->Count() == 0) {
        ShowOutput(QString::fromUtf16(NoQuestionText));
    }
    FormatQuestions(false);
}

void frmMain::ShowQuestions(bool silent) {
    RunJob([&] { FormatQuestions(silent); });
}

void frmMain::FormatQuestions(bool silent) {
    if (m_colExprs.empty() || !m_arrExprValues || m_arrExprValues->Count() == 0) {
        return;
    }
    COutputFormatter formatter;
    formatter.SetSettings(m_ctrlsSettings->OutputSettings());
    formatter.SetExprValues(m_arrExprValues.get());
    formatter.RepresentiveExpression(*m_colExprs.front());
    const CStringBuilder text = formatter.Format(this);
    m_strWorksheet = QString::fromUtf16(text.Ptr(), text.View().size());
    if (m_strWorksheet.size() > OutputBoxLimit && !silent) {
        ShowMessage(QString::fromUtf16(TooLongText));
    }
    ShowOutput(m_strWorksheet.left(OutputBoxLimit));
}

void frmMain::ChooseOutputFont() {
    ChooseControlFont(this, *m_ui.txtOutput, {m_ui.txtOutput});
}

void frmMain::Print() {
    PrintWorksheet(m_strWorksheet, m_ui.txtOutput->font(),
                   m_ui.txtOutput->palette().color(QPalette::Text),
                   {[this](const QString& strText) { ShowOutput(strText); },
                    [this](const QString& strText) { ShowMessage(strText); }},
                   m_wordProcessor);
}

void frmMain::ShowOutput(const QString& strText) {
    m_ui.txtOutput->setPlainText(strText);
}

void frmMain::ShowHelp() {
    frmMainHelp help(this);
    help.exec();
}

frmTraining* frmMain::TrainingWindow() const {
    return m_training;
}

// One training window at a time; it drills the kind of question the panel
// describes at the moment it creates its questions.
void frmMain::OpenTraining() {
    if (!m_training) {
        m_training = new frmTraining(
            this, [this] { return m_ctrlsOperand->Expressions(m_strErrorInfo); }, *m_config);
    }
    m_training->show();
    m_training->raise();
    m_training->activateWindow();
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

// Closing is never refused; during a job it waits for the job's end.
void frmMain::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        m_closePending = true;
        event->ignore();
        return;
    }
    Handle([&] {
        // The training window hands its font and time limit to the settings
        // before they are written.
        if (m_training) {
            m_training->close();
        }
        UpdateMainConfig(*m_config, *this);
        m_config->Save();
    });
    event->accept();
}

void frmMain::Start(const std::u16string& info) {
    BeginProgress(QString::fromStdU16String(info));
}

void frmMain::Process(int32_t info) {
    m_iPendingProgress = info;
}

void frmMain::Stopped() {
    EndProgress();
}

void frmMain::BeginProgress(const QString& strTitle) {
    setEnabled(false);
    PlaceOverlays();
    m_ui.fraInfo->show();
    m_ui.fraInfo->raise();
    m_ui.lblInfoTitle->setText(strTitle);
    m_ui.lblInfoContent->clear();
    m_iPendingProgress.reset();
    // The frame is painted at the next yield, before a posted relayout would run.
    m_ui.fraInfo->layout()->activate();
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
