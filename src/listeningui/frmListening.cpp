#include "listeningui/frmListening.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvo {

namespace {

// Often enough that the next question follows the pace to a tenth of a second.
constexpr int TickMilliseconds = 100;
constexpr int NumberPointSize = 72;
constexpr int MinPaceSeconds = 2;
constexpr int MaxPaceSeconds = 60;

template <class T, class... Args>
T* Named(const char* name, Args&&... args) {
    auto* widget = new T(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString Text(const char16_t* text) {
    return QString::fromUtf16(text);
}

} // namespace

frmListening::frmListening(QWidget* owner, CListeningQuestions questions, SpeakerOpener openSpeaker,
                           CtrlsListening::Clock clock)
    : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmListening"));
    setWindowTitle(Text(u"听算"));
    SetupUi();
    m_ctrls = std::make_unique<CtrlsListening>(*this, std::move(questions), std::move(openSpeaker),
                                               std::move(clock));
    ConnectControls();
    m_ctrls->DoFormLoad();
}

frmListening::~frmListening() = default;

void frmListening::SetupUi() {
    lblNumber = Named<QLabel>("lblNumber");
    QFont numberFont = lblNumber->font();
    numberFont.setPointSize(NumberPointSize);
    numberFont.setBold(true);
    lblNumber->setFont(numberFont);
    lblNumber->setAlignment(Qt::AlignCenter);
    lblNumber->setMinimumHeight(lblNumber->fontMetrics().height());
    lblCount = Named<QLabel>("lblCount");
    lblCount->setAlignment(Qt::AlignCenter);
    lblStatus = Named<QLabel>("lblStatus");
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setWordWrap(true);

    cmdStart = Named<QPushButton>("cmdStart", Text(u"开始"));
    cmdPause = Named<QPushButton>("cmdPause", Text(u"暂停"));
    cmdResume = Named<QPushButton>("cmdResume", Text(u"继续"));
    cmdRepeat = Named<QPushButton>("cmdRepeat", Text(u"重读"));
    cmdStop = Named<QPushButton>("cmdStop", Text(u"停止"));
    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {cmdStart, cmdPause, cmdResume, cmdRepeat, cmdStop}) {
        commands->addWidget(button);
    }

    txtPace = Named<QSpinBox>("txtPace");
    txtPace->setRange(MinPaceSeconds, MaxPaceSeconds);
    txtPace->setSuffix(Text(u" 秒"));
    optReadOnce = Named<QRadioButton>("optReadOnce", Text(u"读一遍"));
    optReadTwice = Named<QRadioButton>("optReadTwice", Text(u"读两遍"));
    optReadOnce->setChecked(true);
    auto* readings = new QButtonGroup(this);
    readings->addButton(optReadOnce);
    readings->addButton(optReadTwice);
    cboRate = Named<QComboBox>("cboRate");
    cboRate->addItems({Text(u"慢"), Text(u"中"), Text(u"快")});
    auto* readingRow = new QHBoxLayout;
    readingRow->addWidget(optReadOnce);
    readingRow->addWidget(optReadTwice);
    readingRow->addStretch();
    auto* settings = new QFormLayout;
    settings->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    settings->addRow(Text(u"每题间隔："), txtPace);
    settings->addRow(Text(u"每题读："), readingRow);
    settings->addRow(Text(u"语速："), cboRate);

    cmdAnswerSheetPdf = Named<QPushButton>("cmdAnswerSheetPdf", Text(u"答题纸PDF"));
    cmdPrintAnswerSheet = Named<QPushButton>("cmdPrintAnswerSheet", Text(u"打印答题纸"));
    auto* paper = new QHBoxLayout;
    paper->addStretch();
    paper->addWidget(cmdAnswerSheetPdf);
    paper->addWidget(cmdPrintAnswerSheet);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNumber);
    layout->addWidget(lblCount);
    layout->addWidget(lblStatus);
    layout->addLayout(commands);
    layout->addLayout(settings);
    layout->addLayout(paper);

    timRound = Named<QTimer>("timRound", this);
    timRound->setInterval(TickMilliseconds);
}

void frmListening::ConnectControls() {
    CtrlsListening& ctrls = *m_ctrls;
    connect(cmdStart, &QPushButton::clicked, this, [&ctrls] { ctrls.DoStartClicked(); });
    connect(cmdPause, &QPushButton::clicked, this, [&ctrls] { ctrls.DoPauseClicked(); });
    connect(cmdResume, &QPushButton::clicked, this, [&ctrls] { ctrls.DoResumeClicked(); });
    connect(cmdRepeat, &QPushButton::clicked, this, [&ctrls] { ctrls.DoRepeatClicked(); });
    connect(cmdStop, &QPushButton::clicked, this, [&ctrls] { ctrls.DoStopClicked(); });
    connect(txtPace, &QSpinBox::valueChanged, this,
            [&ctrls](int seconds) { ctrls.DoPaceChanged(seconds); });
    connect(optReadTwice, &QRadioButton::toggled, this,
            [&ctrls](bool checked) { ctrls.DoReadTwiceToggled(checked); });
    connect(cboRate, &QComboBox::currentIndexChanged, this, [&ctrls] { ctrls.DoRateChanged(); });
    connect(timRound, &QTimer::timeout, this, [&ctrls] { ctrls.DoTimered(); });
}

void frmListening::closeEvent(QCloseEvent* event) {
    m_ctrls->DoStopClicked();
    event->accept();
}

} // namespace kelvo
