#include "ui/frmMain.h"

#include "foundation/UserInterfaceYield.h"
#include "listening/ListeningSheet.h"
#include "listeningui/CMandarinSpeaker.h"
#include "listeningui/frmListening.h"
#include "printing/CPagePreview.h"
#include "printing/PdfExport.h"
#include "printing/WorksheetPrint.h"
#include "question/KindDescription.h"
#include "store/CProgramFolder.h"
#include "training/frmTraining.h"
#include "ui/CPrintJob.h"
#include "ui/MainConfigBinding.h"
#include "ui/frmMainHelp.h"
#include "ui/frmPageOptions.h"
#include "widgets/WindowUtils.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
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
// What a desktop's title bar and borders add around the window.
constexpr QSize FrameAllowance(16, 40);
// The character set of a Chinese font, kept with the worksheet font.
constexpr int32_t ChineseCharset = 134;
// The open height of the question-type list, in pixels.
constexpr int QuestionListHeight = 860;
// The worksheet box shows at most this many characters of the worksheet.
constexpr qsizetype OutputBoxLimit = 65535;
const char16_t* const TooLongText = u"生成的题目太多，无法全部显示，可以点击【输出打印】按钮显示";
// Where the progress frame stands over the worksheet box.
constexpr int InfoTopInOutput = 136;
const char16_t* const NoSheetForPreview = u"当前还没有生成题目，生成题目后才能打印预览。";
const char16_t* const NoSheetForPdf = u"当前还没有生成题目，生成题目后才能导出PDF。";
const char16_t* const NoSheetForListening = u"当前还没有生成题目，生成题目后才能听算。";
const char16_t* const TurnedForPdf =
    u"题目太宽，纵向纸张即使用最小的 9 磅字也排不下一行，PDF 文件改用了横向纸张。";
const char16_t* const TooWideForPdf =
    u"题目太宽，即使用横向纸张和最小的 9 磅字也排不下一行，右边的题目会印不全。"
    u"请减少列数或列间距后再导出。";
const char16_t* const LayingOutCaption = u"正在排版";
const char16_t* const CancelledPdf = u"已取消，没有保存 PDF 文件。";
const char16_t* const PlanFileFilter = u"Kelvo试卷 (*.json)";

// User input waits until the job ends; painting, timers and a close request
// are handled.
void ProcessEventsWithoutInput() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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

frmMain::frmMain(QString strSettingsPath, QString strHistoryPath, QWidget* parent)
    : QWidget(parent), m_messageBox([this](const QString& strText) {
          QMessageBox::warning(this, ApplicationTitle, strText);
      }),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_chooseFile([this](bool bSaving, const QString& strFolder) {
          const QString strFilter = QString::fromUtf16(PlanFileFilter);
          if (!bSaving) {
              return QFileDialog::getOpenFileName(this, QString::fromUtf16(u"打开试卷"), strFolder,
                                                  strFilter);
          }
          QString strPath = QFileDialog::getSaveFileName(this, QString::fromUtf16(u"保存试卷"),
                                                         strFolder, strFilter);
          if (!strPath.isEmpty() && QFileInfo(strPath).suffix().isEmpty()) {
              strPath += QStringLiteral(".json");
          }
          return strPath;
      }),
      m_askKindName([this](const QString& strSuggestion) {
          return QInputDialog::getText(this, QString::fromUtf16(u"保存题型"),
                                       QString::fromUtf16(u"题型名称："), QLineEdit::Normal,
                                       strSuggestion);
      }),
      m_choosePdfPath([this](const QString& strSuggestion) {
          QString strPath =
              QFileDialog::getSaveFileName(this, QString::fromUtf16(u"导出PDF"), strSuggestion,
                                           QString::fromUtf16(u"PDF 文件 (*.pdf)"));
          if (!strPath.isEmpty() && QFileInfo(strPath).suffix().isEmpty()) {
              strPath += QStringLiteral(".pdf");
          }
          return strPath;
      }),
      m_runPreview([](CPagePreview& preview) { preview.Dialog().exec(); }),
      m_runPageOptions([](frmPageOptions& dialog) { return dialog.exec() == QDialog::Accepted; }),
      m_openSpeaker(&CMandarinSpeaker::Open), m_listeningClock([] {
          return std::chrono::duration_cast<CListeningRound::Time>(
              std::chrono::steady_clock::now().time_since_epoch());
      }),
      m_strPlanFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    m_ui.SetupUi(this);
    SetOutputCharset(ChineseCharset);
    KeepActiveColours(m_ui.fraInfo);
    SetYieldHook([this] { YieldToEvents(); });
    s_yieldOwner = this;
    m_ctrlsOperand = std::make_unique<CtrlsOperand>(m_ui.operandPanel);
    m_ctrlsSettings = std::make_unique<CtrlsSettings>(m_ui.settingsPanel);
    m_ctrlsPlan = std::make_unique<CtrlsPlan>(m_ui.planPanel);
    m_store = std::make_unique<CStore>(strSettingsPath, std::move(strHistoryPath));
    m_ctrlsQuestionTypes = std::make_unique<CtrlsQuestionTypes>(
        m_ui.cboQuestionType, m_precreatedQuestions, m_store->KindsFile());
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
        if (m_store->Config().Load()) {
            UpdateMainView(m_store->Config(), *this);
        }
        // Files that cannot serve are said on the status line.
        QStringList notes{m_store->UsedElsewhereNote(), m_ctrlsQuestionTypes->Load(),
                          RestoreLastPlan(), LoadPageOptions()};
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
    // While the progress frame shows, everything else is disabled and its
    // "取消" must be able to take a click.
    if (!m_ui.fraInfo->isHidden()) {
        QCoreApplication::processEvents();
    } else {
        ProcessEventsWithoutInput();
    }
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
    connect(m_ui.cmdCreate, &QPushButton::clicked, this, [this] { RunJob([&] { Create(); }); });
    connect(m_ui.cmdCancel, &QPushButton::clicked, this, [this] { m_cancelRequested = true; });
    for (QCheckBox* toggle :
         {m_ui.settingsPanel.chkFillQuestion, m_ui.settingsPanel.chkShowAnswer}) {
        connect(toggle, &QCheckBox::stateChanged, this, [this] { ShowQuestions(true); });
    }
    connect(m_ui.settingsPanel.chkFillQuestion, &QCheckBox::stateChanged, this,
            [this] { CloseListening(); });
    connect(m_ui.cmdHelp, &QPushButton::clicked, this, [this] { Handle([&] { ShowHelp(); }); });
    connect(m_ui.cmdTraining, &QPushButton::clicked, this,
            [this] { Handle([&] { OpenTraining(); }); });
    connect(m_ui.cmdFont, &QPushButton::clicked, this,
            [this] { Handle([&] { ChooseOutputFont(); }); });
    connect(m_ui.cmdPrint, &QPushButton::clicked, this, [this] { Handle([&] { Print(); }); });
    connect(m_ui.cmdPreview, &QPushButton::clicked, this,
            [this] { RunJob([&] { PreviewPages(PrintedPages::Sheet); }); });
    connect(m_ui.cmdExportPdf, &QPushButton::clicked, this,
            [this] { RunJob([&] { ExportPdf(PrintedPages::Sheet); }); });
    connect(m_ui.cmdListening, &QPushButton::clicked, this,
            [this] { Handle([&] { OpenListening(); }); });
    connect(m_ui.cmdPageOptions, &QPushButton::clicked, this,
            [this] { Handle([&] { EditPageOptions(); }); });
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
    m_strWorksheet.clear();
    m_questionSet = {};
    m_planSheet.reset();
    m_createdKind.reset();
    m_createdPlan.reset();
    m_cancelRequested = false;
    if (!m_ctrlsPlan->Plan().IsEmpty()) {
        CreatePlan();
        return;
    }
    const std::shared_ptr<CQuestionData> kind = m_ctrlsOperand->QuestionData();
    const std::shared_ptr<COutputSettings> layout = m_ctrlsSettings->OutputSettings();
    ShowStatus(RepetitionWarning(CountAdmittedQuestions(*kind),
                                 int64_t{layout->RowCount()} * layout->ColumnCount()));
    CWorksheet worksheet = MakeWorksheet(*kind, *layout, this);
    m_questionSet = std::move(worksheet.questionSet);
    m_createdKind = kind;
    ShowWorksheet(worksheet.text, m_questionSet.HasQuestions(), false);
}

void frmMain::CreatePlan() {
    ShowStatus(m_ctrlsPlan->RepetitionWarning());
    m_createdPlan = m_ctrlsPlan->Plan();
    m_planSheet = MakePlanSheet(*m_createdPlan, this);
    ShowWorksheet(FormatPlanSheet(*m_planSheet, *m_ctrlsSettings->OutputSettings(), this),
                  m_planSheet->HasQuestions(), false);
}

// Without questions of a Create there is nothing to re-format.
void frmMain::ShowQuestions(bool silent) {
    RunJob([&] {
        if (m_planSheet && m_planSheet->HasQuestions()) {
            ShowWorksheet(FormatPlanSheet(*m_planSheet, *m_ctrlsSettings->OutputSettings(), this),
                          true, silent);
        } else if (m_questionSet.HasQuestions()) {
            ShowWorksheet(FormatWorksheet(m_questionSet, *m_ctrlsSettings->OutputSettings(), this),
                          true, silent);
        }
    });
}

// The text is the worksheet, or the reason there is none.
void frmMain::ShowWorksheet(const std::u16string& strText, bool hasQuestions, bool silent) {
    if (!hasQuestions) {
        ShowOutput(QString::fromStdU16String(strText));
        return;
    }
    m_strWorksheet = QString::fromStdU16String(strText);
    if (m_strWorksheet.size() > OutputBoxLimit && !silent) {
        ShowMessage(QString::fromUtf16(TooLongText));
    }
    // A job that stopped short says so above the sheet; the printed sheet stays as it is.
    const QString status = QString::fromStdU16String(m_planSheet ? m_planSheet->statusLine
                                                                 : StatusLine(m_questionSet));
    const QString shown = m_strWorksheet.left(OutputBoxLimit);
    ShowOutput(status.isEmpty() ? shown : status + QStringLiteral("\r\n") + shown);
}

void frmMain::ShowStatus(const std::u16string& strText) {
    m_ui.lblStatus->setText(QString::fromStdU16String(strText));
    m_ui.lblStatus->setVisible(!strText.empty());
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

std::unique_ptr<CPrintJob> frmMain::MakePrintJob(const char16_t* strNoSheetText,
                                                 PrintedPages printed) {
    const std::shared_ptr<COutputSettings> layout = m_ctrlsSettings->OutputSettings();
    const QFont& font = m_ui.txtOutput->font();
    // Every pupil of a 听算 hears the same questions: one answer sheet serves all.
    const int32_t copyCount = printed == PrintedPages::Sheet ? m_pageOptions.Copies() : 1;
    m_cancelRequested = false;
    if (m_planSheet && m_planSheet->HasQuestions()) {
        std::vector<CPlanSheet> copies{*m_planSheet};
        while (static_cast<int32_t>(copies.size()) < copyCount) {
            copies.push_back(MakePlanSheet(*m_createdPlan, this));
            if (m_cancelRequested || !copies.back().HasQuestions()) {
                return nullptr;
            }
        }
        return std::make_unique<CPrintJob>(std::move(copies), *layout, font, printed);
    }
    if (!m_questionSet.HasQuestions()) {
        ShowOutput(QString::fromUtf16(strNoSheetText));
        return nullptr;
    }
    std::vector<CQuestionSet> copies{m_questionSet};
    while (static_cast<int32_t>(copies.size()) < copyCount) {
        copies.push_back(MakeQuestions(*m_createdKind, m_questionSet.questions.Count(), this));
        if (m_cancelRequested) {
            return nullptr;
        }
    }
    return std::make_unique<CPrintJob>(std::move(copies), *layout, font, printed);
}

void frmMain::PreviewPages(PrintedPages printed) {
    const std::unique_ptr<CPrintJob> job = MakePrintJob(NoSheetForPreview, printed);
    if (!job) {
        return;
    }
    CPagePreview preview(
        [&](const CPageOptions& options) -> const CPageLayout& { return job->LayOut(options); },
        m_pageOptions, job->Font(), this);
    preview.ShowNote(job->Note(m_pageOptions));
    m_runPreview(preview);
    // Landscape taken in the preview stays for the next sheet.
    if (!(preview.Options() == m_pageOptions)) {
        KeepPageOptions(preview.Options());
    }
}

void frmMain::ExportPdf(PrintedPages printed) {
    const QString strSuggestion =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QString::fromUtf16(printed == PrintedPages::Sheet ? u"口算练习.pdf"
                                                                        : u"听算答题纸.pdf"));
    if (!(m_planSheet && m_planSheet->HasQuestions()) && !m_questionSet.HasQuestions()) {
        ShowOutput(QString::fromUtf16(NoSheetForPdf));
        return;
    }
    const QString strPath = m_choosePdfPath(strSuggestion);
    if (strPath.isEmpty()) {
        return;
    }
    const std::unique_ptr<CPrintJob> job = MakePrintJob(NoSheetForPdf, printed);
    if (!job) {
        return;
    }
    // The layout of a long job shows its progress, and its "取消" is heeded.
    const auto layOut = [&](const CPageOptions& options) -> const CPageLayout& {
        BeginProgress(QString::fromUtf16(LayingOutCaption));
        const CPageLayout& laidOut = job->LayOut(options, this);
        EndProgress();
        return laidOut;
    };
    // A sheet too wide for upright paper goes on its side rather than be cut.
    CPageOptions options = m_pageOptions;
    const CPageLayout* pages = &layOut(options);
    QString strNotice;
    if (!pages->IsCancelled() && !pages->Fits() &&
        options.Paper().Orientation() == PageOrientation::Portrait) {
        options.Paper().SetOrientation(PageOrientation::Landscape);
        pages = &layOut(options);
        strNotice = QString::fromUtf16(TurnedForPdf);
    }
    if (pages->IsCancelled()) {
        ShowMessage(QString::fromUtf16(CancelledPdf));
        return;
    }
    if (!pages->Fits()) {
        strNotice = QString::fromUtf16(TooWideForPdf);
    }
    QString strError;
    if (!kelvo::ExportPdf(*pages, job->Font(), strPath, this, strError)) {
        ShowMessage(strError);
    } else if (!strNotice.isEmpty()) {
        ShowMessage(strNotice);
    }
}

void frmMain::EditPageOptions() {
    frmPageOptions dialog(m_pageOptions, this);
    if (m_runPageOptions(dialog)) {
        KeepPageOptions(dialog.Options());
    }
}

void frmMain::KeepPageOptions(const CPageOptions& options) {
    m_pageOptions = options;
    const QString strMessage = m_store->KeepPageOptions(options);
    if (!strMessage.isEmpty()) {
        ShowMessage(strMessage);
    }
}

// Options that cannot be read leave the defaults.
QString frmMain::LoadPageOptions() {
    auto [options, strNote] = m_store->RestorePageOptions();
    m_pageOptions = options.value_or(m_pageOptions);
    return strNote;
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

frmListening* frmMain::ListeningWindow() const {
    return m_listening;
}

// One training window at a time; it drills the kind of question the panel
// describes at the moment it creates its questions.
void frmMain::OpenTraining() {
    if (!m_training) {
        m_training = new frmTraining(
            this, [this](int32_t wanted) { return MakeQuestions(*CurrentKind(), wanted, nullptr); },
            m_store->Config(), m_store->History());
    }
    m_training->show();
    m_training->raise();
    m_training->activateWindow();
}

// The round reads the sheet as it stands, in the form it is shown in.
void frmMain::OpenListening() {
    CloseListening();
    const bool isFill = m_ctrlsSettings->OutputSettings()->IsFillQuestions();
    CListeningQuestions questions;
    if (m_planSheet && m_planSheet->HasQuestions()) {
        questions = ListeningQuestions(*m_planSheet, isFill);
    } else if (m_questionSet.HasQuestions()) {
        const std::shared_ptr<COutputSettings> layout = m_ctrlsSettings->OutputSettings();
        questions =
            ListeningQuestions(m_questionSet, layout->RowCount() * layout->ColumnCount(), isFill);
    } else {
        ShowOutput(QString::fromUtf16(NoSheetForListening));
        return;
    }
    m_listening = new frmListening(this, std::move(questions), m_openSpeaker, m_listeningClock);
    connect(m_listening->cmdAnswerSheetPdf, &QPushButton::clicked, this,
            [this] { RunJob([&] { ExportPdf(PrintedPages::AnswerSheet); }); });
    connect(m_listening->cmdPrintAnswerSheet, &QPushButton::clicked, this,
            [this] { RunJob([&] { PreviewPages(PrintedPages::AnswerSheet); }); });
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
    if (!m_openUrl(url)) {
        ShowMessage(
            QString::fromUtf16(u"没有找到能打开使用指南的浏览器。使用指南在本机的位置：\n%1")
                .arg(QDir::toNativeSeparators(GuidePath())));
    }
}

void frmMain::ConnectPlan() {
    const CPlanPanel& panel = m_ui.planPanel;
    connect(panel.cmdAddSection, &QPushButton::clicked, this,
            [this] { Handle([&] { AddSection(); }); });
    connect(panel.cmdSectionUp, &QPushButton::clicked, this,
            [this] { Handle([&] { m_ctrlsPlan->DoMoveClicked(-1); }); });
    connect(panel.cmdSectionDown, &QPushButton::clicked, this,
            [this] { Handle([&] { m_ctrlsPlan->DoMoveClicked(1); }); });
    connect(panel.cmdRemoveSection, &QPushButton::clicked, this,
            [this] { Handle([&] { m_ctrlsPlan->DoRemoveClicked(); }); });
    connect(panel.cmdClearPlan, &QPushButton::clicked, this,
            [this] { Handle([&] { m_ctrlsPlan->DoClearClicked(); }); });
    connect(panel.tblPlan, &QTableWidget::cellChanged, this, [this](int row, int column) {
        Handle([&] { m_ctrlsPlan->DoCellEdited(row, column); });
    });
    connect(panel.tblPlan, &QTableWidget::itemSelectionChanged, this,
            [this] { Handle([&] { m_ctrlsPlan->DoSelectionChanged(); }); });
    connect(panel.chkMixSections, &QCheckBox::toggled, this,
            [this] { Handle([&] { m_ctrlsPlan->DoMixToggled(); }); });
    connect(panel.cmdOpenPlan, &QPushButton::clicked, this,
            [this] { Handle([&] { OpenPlan(); }); });
    connect(panel.cmdSavePlan, &QPushButton::clicked, this,
            [this] { Handle([&] { SavePlan(); }); });
    connect(m_ui.cmdSaveKind, &QPushButton::clicked, this, [this] { Handle([&] { SaveKind(); }); });
}

void frmMain::AddSection() {
    const QString strMessage = m_ctrlsPlan->DoAddClicked(CurrentKind());
    if (!strMessage.isEmpty()) {
        ShowMessage(strMessage);
    }
}

void frmMain::SaveKind() {
    const QString strName =
        m_askKindName(QString::fromStdU16String(CurrentKind()->Title())).trimmed();
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

void frmMain::OpenPlan() {
    const QString strPath = m_chooseFile(false, m_strPlanFolder);
    if (strPath.isEmpty()) {
        return;
    }
    m_strPlanFolder = QFileInfo(strPath).absolutePath();
    const QString strMessage = m_ctrlsPlan->Open(strPath);
    if (!strMessage.isEmpty()) {
        ShowMessage(strMessage);
    }
    m_admittedCounter.start();
}

void frmMain::SavePlan() {
    const QString strPath = m_chooseFile(true, m_strPlanFolder);
    if (strPath.isEmpty()) {
        return;
    }
    m_strPlanFolder = QFileInfo(strPath).absolutePath();
    const QString strMessage = m_ctrlsPlan->Save(strPath);
    if (!strMessage.isEmpty()) {
        ShowMessage(strMessage);
    }
}

// The plan of the last run comes back, or the user is told why not.
QString frmMain::RestoreLastPlan() {
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
        UpdateMainConfig(m_store->Config(), *this);
        m_store->KeepAtClose(m_ctrlsPlan->Plan());
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
    SetControlsEnabled(false);
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
    SetControlsEnabled(true);
}

void frmMain::SetControlsEnabled(bool enabled) {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_ui.fraInfo) {
            child->setEnabled(enabled);
        }
    }
}

template <class F>
void frmMain::Handle(F&& handler) {
    m_errors.Run(std::forward<F>(handler));
}

template <class F>
void frmMain::RunJob(F&& job) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    m_errors.Run(std::forward<F>(job), [this] {
        m_busy = false;
        EndProgress();
    });
    m_busy = false;
    if (m_closePending) {
        m_closePending = false;
        close();
    }
}

void frmMain::ShowMessage(const QString& strText) {
    m_messageBox(strText);
}

} // namespace kelvo
