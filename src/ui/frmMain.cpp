#include "ui/frmMain.h"

#include "foundation/UserInterfaceYield.h"
#include "listening/ListeningSheet.h"
#include "listeningui/CMandarinSpeaker.h"
#include "printing/WorksheetPrint.h"
#include "question/KindDescription.h"
#include "store/CProgramFolder.h"
#include "ui/CSiteTips.h"
#include "ui/MainConfigBinding.h"
#include "ui/frmMainHelp.h"
#include "widgets/WindowUtils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>

namespace kelvo {

namespace {

// The designed window size, kept within the screen.
constexpr QSize DesignedSize(1185, 929);
// What a desktop's title bar and borders add around the window.
constexpr QSize FrameAllowance(16, 40);
// The character set of a Chinese font, kept with the worksheet font.
constexpr int32_t ChineseCharset = 134;
// The open height of the question-type list, in pixels.
constexpr int QuestionListHeight = 860;
// The worksheet box shows at most this many characters of the worksheet.
constexpr qsizetype OutputBoxLimit = 65535;
const char16_t* const TooLongText = u"生成的题目太多，无法全部显示，可以点击【输出打印】按钮显示";
const char16_t* const NoSheetForListening = u"当前还没有生成题目，生成题目后才能听算。";
} // namespace

frmMain::frmMain(QString strSettingsPath, QString strHistoryPath, QWidget* parent)
    : QWidget(parent), m_openSpeaker(&CMandarinSpeaker::Open), m_listeningClock([] {
          return std::chrono::duration_cast<CListeningRound::Time>(
              std::chrono::steady_clock::now().time_since_epoch());
      }) {
    m_ui.SetupUi(this);
    SetOutputCharset(ChineseCharset);
    m_progress = std::make_unique<CProgressFrame>(*this, m_ui);
    m_ctrlsOperand = std::make_unique<CtrlsOperand>(m_ui.operandPanel);
    m_ctrlsSettings = std::make_unique<CtrlsSettings>(m_ui.settingsPanel);
    m_ctrlsPlan = std::make_unique<CtrlsPlan>(m_ui.planPanel);
    m_store = std::make_unique<CStore>(strSettingsPath, std::move(strHistoryPath));
    m_paper = std::make_unique<CtrlsPaper>(*this, m_document, *m_ctrlsSettings, *m_ui.txtOutput,
                                           *m_store, *m_progress);
    m_sheetCodes = std::make_unique<CtrlsSheetCodes>(*this, *m_paper, *m_store, *m_progress);
    m_ctrlsQuestionTypes = std::make_unique<CtrlsQuestionTypes>(
        m_ui.cboPresetTerm, m_ui.cboQuestionType, m_precreatedQuestions, m_store->KindsFile());
    ConnectPanel();
    ConnectCommands();
    ConnectPlan();
    ConnectLinks();
    m_admittedCounter.setInterval(0);
    connect(&m_admittedCounter, &QTimer::timeout, this,
            [this] { Handle([&] { CountNextAdmitted(); }); });
    Handle([&] {
        LoadPresets();
        m_ui.cboOperandCount->setCurrentIndex(0);
        m_ctrlsOperand->SetOperandCount(2);
        SetComboDropHeight(m_ui.cboQuestionType, QuestionListHeight);
        if (m_store->LoadSettings()) {
            UpdateMainView(m_store->Config(), *this);
        }
        // Files that cannot serve are said on the status line.
        QStringList notes{m_store->UsedElsewhereNote(), m_ctrlsQuestionTypes->Load(),
                          RestoreLastPlan(), m_paper->Restore()};
        notes.removeAll(QString());
        ShowStatus(notes.join(u'\n').toStdU16String());
    });
    FitIntoScreen();
}

// The designed size where the screen has room; on a smaller screen the window
// takes the available area less the window frame, and stands inside it.
void frmMain::FitIntoScreen() {
    const QRect available = screen()->availableGeometry();
    const QSize room = available.size() - FrameAllowance;
    resize(DesignedSize.boundedTo(room).expandedTo(minimumSizeHint()));
    move(available.left() + std::max(0, (room.width() - width()) / 2),
         available.top() + std::max(0, (room.height() - height()) / 2));
}

frmMain::~frmMain() {
    // The training window records into the history, which goes with the members.
    delete m_training.data();
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

void frmMain::ShowQuestionData(const CQuestionData& qd) {
    const int32_t count = qd.Limits().Count();
    if (count < CQuestionData::MinOperandCount || count > CQuestionData::MaxOperandCount) {
        return;
    }
    m_ctrlsOperand->ShowQuestionData(qd);
    m_ui.cboOperandCount->setCurrentIndex(count - 2);
}

void frmMain::ConnectPanel() {
    const COperandPanel& panel = m_ui.operandPanel;
    connect(m_ui.cboQuestionType, &QComboBox::currentIndexChanged, this,
            [this](int index) { Handle([&] { OnQuestionTypeSelected(index); }); });
    // A pick of the entry already shown changes no index, yet must put its
    // preset back on the panel; applying a preset twice changes nothing.
    connect(m_ui.cboQuestionType, &QComboBox::activated, this,
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
    OnClickedRunJob(m_ui.cmdCreate, [this] { Create(); });
    for (QCheckBox* toggle :
         {m_ui.settingsPanel.chkFillQuestion, m_ui.settingsPanel.chkShowAnswer}) {
        connect(toggle, &QCheckBox::stateChanged, this, [this] { ShowQuestions(true); });
    }
    connect(m_ui.settingsPanel.chkFillQuestion, &QCheckBox::stateChanged, this,
            [this] { CloseListening(); });
    OnClicked(m_ui.cmdHelp, [this] { ShowHelp(); });
    OnClicked(m_ui.cmdTraining, [this] { OpenTraining(); });
    OnClicked(m_ui.cmdFont, [this] { ChooseOutputFont(); });
    OnClicked(m_ui.cmdPrint, [this] { Print(); });
    OnClickedRunJob(m_ui.cmdPreview,
                    [this] { m_paper->DoPreviewClicked(PrintedPages::Sheet, *m_dialogs); });
    OnClickedRunJob(m_ui.cmdExportPdf, [this] {
        ShowExported(m_paper->DoExportPdfClicked(PrintedPages::Sheet, *m_dialogs));
    });
    OnClickedRunJob(m_ui.cmdRemake,
                    [this] { ShowExported(m_sheetCodes->DoRemakeClicked(*m_dialogs)); });
    OnClicked(m_ui.cmdListening, [this] { OpenListening(); });
    OnClicked(m_ui.cmdPageOptions, [this] { m_paper->DoPageOptionsClicked(*m_dialogs); });
    connect(m_ui.cmdExitMain, &QPushButton::clicked, this, &QWidget::close);
}

void frmMain::ConnectLinks() {
    for (int i = 0; i < 2; ++i) {
        connect(m_ui.lblCultureSite[i], &QLabel::linkActivated, this,
                [this, i] { Handle([&] { OpenGuide(i); }); });
    }
    auto* tips = new CSiteTips(*this, m_ui, GuidePath());
    connect(m_ui.lblStatus, &QLabel::linkActivated, this, [this](const QString& strLink) {
        Handle([&] { OpenExported(strLink == QStringLiteral("folder")); });
    });
    connect(m_ui.lblSiteDetail, &QLabel::linkActivated, this,
            [this, tips] { Handle([&] { tips->Show(); }); });
    m_ui.txtOutput->installEventFilter(this);
}

void frmMain::OnQuestionTypeSelected(int index) {
    if (const CQuestionData* qd = m_ctrlsQuestionTypes->EntryAt(index)) {
        ShowQuestionData(*qd);
    }
}

std::shared_ptr<const CQuestionData> frmMain::CurrentKind() const {
    const std::shared_ptr<CQuestionData> kind = m_ctrlsOperand->QuestionData();
    const int index = m_ui.cboQuestionType->currentIndex();
    // The custom entry only starts a kind of the user's own.
    kind->SetTitle(KindTitle(*kind, index == 0 ? nullptr : m_ctrlsQuestionTypes->EntryAt(index)));
    return kind;
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

// With sections in the plan the plan is made; else the panel's kind.
void frmMain::Create() {
    CloseListening();
    // The last sheet's warning is not this one's.
    ShowStatus({});
    m_strWorksheet.clear();
    m_document.Clear();
    m_progress->ForgetCancel();
    const std::shared_ptr<COutputSettings> layout = m_ctrlsSettings->OutputSettings();
    const CSheetPlan& plan = m_ctrlsPlan->Plan();
    const CShownSheet shown = m_document.Create(
        plan.IsEmpty()
            ? CSheetPlan::OfOneKind(m_ctrlsOperand->QuestionData(),
                                    CheckedMultiply(layout->RowCount(), layout->ColumnCount()))
            : plan,
        *layout, m_ctrlsPlan->Counts(), m_progress.get());
    ShowStatus(shown.repetitionWarning);
    ShowWorksheet(shown, false);
}

// Without questions of a Create there is nothing to re-format.
void frmMain::ShowQuestions(bool silent) {
    RunJob([&] {
        if (m_document.HasSheet()) {
            ShowWorksheet(m_document.Show(*m_ctrlsSettings->OutputSettings(), m_progress.get()),
                          silent);
        }
    });
}

// The text is the worksheet, or the reason there is none.
void frmMain::ShowWorksheet(const CShownSheet& shown, bool silent) {
    if (!shown.hasQuestions) {
        ShowOutput(QString::fromStdU16String(shown.text));
        return;
    }
    m_strWorksheet = QString::fromStdU16String(shown.text);
    if (m_strWorksheet.size() > OutputBoxLimit && !silent) {
        ShowMessage(QString::fromUtf16(TooLongText));
    }
    // A job that stopped short says so above the sheet; the printed sheet stays as it is.
    const QString status = QString::fromStdU16String(shown.statusLine);
    const QString shownText = m_strWorksheet.left(OutputBoxLimit);
    ShowOutput(status.isEmpty() ? shownText : status + QStringLiteral("\r\n") + shownText);
}

void frmMain::ShowStatus(const std::u16string& strText) {
    m_ui.lblStatus->setTextFormat(Qt::PlainText);
    m_ui.lblStatus->setText(QString::fromStdU16String(strText));
    m_ui.lblStatus->setVisible(!strText.empty());
}

// Where the PDF went, with links that open it or its folder.
void frmMain::ShowExported(const CExportedPdf& exported) {
    if (exported.strPath.isEmpty()) {
        return;
    }
    m_strExportedPath = exported.strPath;
    m_ui.lblStatus->setTextFormat(Qt::RichText);
    m_ui.lblStatus->setText(exported.StatusText());
    m_ui.lblStatus->show();
}

void frmMain::OpenExported(bool isFolder) {
    const QString strTarget =
        isFolder ? QFileInfo(m_strExportedPath).absolutePath() : m_strExportedPath;
    if (!m_dialogs->OpenUrl(QUrl::fromLocalFile(strTarget))) {
        ShowMessage(QString::fromUtf16(u"没有找到能打开它的程序：%1")
                        .arg(QDir::toNativeSeparators(strTarget)));
    }
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

// One training window at a time; it drills the kind of question the panel
// describes at the moment it creates its questions.
void frmMain::OpenTraining() {
    if (!m_training) {
        m_training = new frmTraining(
            this, [this](int32_t wanted) { return MakeQuestions(*CurrentKind(), wanted, nullptr); },
            [this](CQuestionSet questions, std::u16string title) {
                CloseListening();
                ShowStatus({});
                ShowWorksheet(m_document.Adopt(std::move(questions), std::move(title),
                                               *m_ctrlsSettings->OutputSettings()),
                              false);
            },
            m_store->Config(), m_store->History());
    }
    m_training->show();
    m_training->raise();
    m_training->activateWindow();
}

// The round reads the sheet as it stands, in the form it is shown in.
void frmMain::OpenListening() {
    CloseListening();
    if (!m_document.HasSheet()) {
        ShowOutput(QString::fromUtf16(NoSheetForListening));
        return;
    }
    CListeningQuestions questions =
        ListeningQuestions(m_document.Sheet(), *m_ctrlsSettings->OutputSettings());
    m_listening = new frmListening(this, std::move(questions), m_openSpeaker, m_listeningClock);
    OnClickedRunJob(m_listening->cmdAnswerSheetPdf, [this] {
        ShowExported(m_paper->DoExportPdfClicked(PrintedPages::AnswerSheet, *m_dialogs));
    });
    OnClickedRunJob(m_listening->cmdPrintAnswerSheet,
                    [this] { m_paper->DoPreviewClicked(PrintedPages::AnswerSheet, *m_dialogs); });
    m_listening->show();
}

// A round and its answer sheet belong to one sheet in one form: a new sheet or
// the other form ends them.
void frmMain::CloseListening() {
    if (m_listening) {
        m_listening->close();
    }
}

void frmMain::OpenGuide(int index) {
    QUrl url = QUrl::fromLocalFile(GuidePath());
    if (index != 0) {
        url.setFragment(QStringLiteral("settings"));
    }
    if (!m_dialogs->OpenUrl(url)) {
        ShowMessage(
            QString::fromUtf16(u"没有找到能打开使用指南的浏览器。使用指南在本机的位置：\n%1")
                .arg(QDir::toNativeSeparators(GuidePath())));
    }
}

void frmMain::ConnectPlan() {
    const CPlanPanel& panel = m_ui.planPanel;
    OnClicked(panel.cmdAddSection, [this] { AddSection(); });
    OnClicked(panel.cmdSectionUp, [this] { m_ctrlsPlan->DoMoveClicked(-1); });
    OnClicked(panel.cmdSectionDown, [this] { m_ctrlsPlan->DoMoveClicked(1); });
    OnClicked(panel.cmdRemoveSection, [this] { m_ctrlsPlan->DoRemoveClicked(); });
    OnClicked(panel.cmdClearPlan, [this] { m_ctrlsPlan->DoClearClicked(); });
    connect(panel.tblPlan, &QTableWidget::cellChanged, this, [this](int row, int column) {
        Handle([&] { m_ctrlsPlan->DoCellEdited(row, column); });
    });
    connect(panel.tblPlan, &QTableWidget::itemSelectionChanged, this,
            [this] { Handle([&] { m_ctrlsPlan->DoSelectionChanged(); }); });
    connect(panel.chkMixSections, &QCheckBox::toggled, this,
            [this] { Handle([&] { m_ctrlsPlan->DoMixToggled(); }); });
    OnClicked(panel.cmdOpenPlan, [this] {
        m_ctrlsPlan->DoOpenClicked(*m_dialogs);
        m_admittedCounter.start();
    });
    OnClicked(panel.cmdSavePlan, [this] { m_ctrlsPlan->DoSaveClicked(*m_dialogs); });
    OnClicked(m_ui.cmdSaveKind, [this] { SaveKind(); });
}

void frmMain::AddSection() {
    const QString strMessage = m_ctrlsPlan->DoAddClicked(CurrentKind());
    if (!strMessage.isEmpty()) {
        ShowMessage(strMessage);
    }
}

void frmMain::SaveKind() {
    const QString strName =
        m_dialogs
            ->AskText(QString::fromUtf16(u"保存题型"), QString::fromUtf16(u"题型名称："),
                      QString::fromStdU16String(CurrentKind()->Title()))
            .trimmed();
    if (strName.isEmpty()) {
        return;
    }
    auto kind = m_ctrlsOperand->QuestionData();
    kind->SetTitle(strName.toStdU16String());
    const QString strMessage = m_ctrlsQuestionTypes->Save(std::move(kind));
    if (!strMessage.isEmpty()) {
        ShowMessage(strMessage);
    }
}

// The plan of the last run and its count box come back, or the user is told why not.
QString frmMain::RestoreLastPlan() {
    if (const auto count = m_store->LastSectionCount()) {
        m_ui.planPanel.txtSectionCount->SetValue(*count);
    }
    auto [plan, strNote] = m_store->RestoreLastPlan();
    if (plan) {
        m_ctrlsPlan->SetPlan(std::move(*plan));
        m_admittedCounter.start();
    }
    return strNote;
}

// A count that fails stops the counting rather than fail again at every turn.
void frmMain::CountNextAdmitted() {
    if (m_busy) {
        return;
    }
    m_admittedCounter.stop();
    if (m_ctrlsPlan->DoCountNextAdmitted()) {
        m_admittedCounter.start();
    }
}

// The progress frame keeps its place over the worksheet box.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui.txtOutput &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        m_progress->Place();
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
        UpdateMainConfig(m_store->Config(), *this);
        m_store->KeepAtClose(m_ctrlsPlan->Plan(), m_ui.planPanel.txtSectionCount->Value());
    });
    event->accept();
}

template <class F>
void frmMain::Handle(F&& handler) {
    m_errors.Run(std::forward<F>(handler));
}

template <class F>
void frmMain::OnClicked(QAbstractButton* button, F handler) {
    connect(button, &QAbstractButton::clicked, this, [this, handler] { Handle(handler); });
}

template <class F>
void frmMain::OnClickedRunJob(QAbstractButton* button, F job) {
    connect(button, &QAbstractButton::clicked, this, [this, job] { RunJob(job); });
}

template <class F>
void frmMain::RunJob(F&& job) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    m_errors.Run(std::forward<F>(job), [this] {
        m_busy = false;
        m_progress->End();
    });
    m_busy = false;
    if (m_closePending) {
        m_closePending = false;
        close();
    }
}

void frmMain::ShowMessage(const QString& strText) {
    m_dialogs->Tell(strText);
}

} // namespace kelvo
