#include "training/frmTraining.h"

#include "dialogs/ControlFont.h"
#include "drill/FormAnswers.h"
#include "drill/SpeedTarget.h"
#include "number/OperatorCodes.h"
#include "question/CConfig.h"
#include "training/CClickLabel.h"
#include "training/CtrlsTraining.h"
#include "training/StackedFractionText.h"
#include "training/TrainingSettings.h"
#include "training/frmMasteryMap.h"
#include "training/frmMistakeBook.h"
#include "training/frmPaperAnswers.h"
#include "training/frmScoreHistory.h"
#include "training/frmTrainingHelp.h"
#include "widgets/CNumberBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvo {
namespace {

constexpr int kRowsPerColumn = 15;
constexpr int kBarWidth = 540;
constexpr int kBarHeight = 14;
constexpr int kSidePanelWidth = 190;
// A key a child's finger hits without touching the next one.
constexpr int kKeypadKeySize = 56;
constexpr int kKeypadSpacing = 6;
constexpr int kKeypadWidth = 3 * kKeypadKeySize + 2 * kKeypadSpacing;

const QColor kBarColor(0, 120, 215);
const QColor kChosen(0, 255, 0);
const QColor kMissed(255, 0, 0);
const QColor kBarBackground(210, 210, 210);
const QColor kCurrent(255, 230, 120);

template <class Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString IndexedName(const char* group, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index);
}

QLabel* ResultLabel(const char* name) {
    return Named(new QLabel, QLatin1String(name));
}

QLabel* PlainBar(const char* name, const QColor& color, QWidget* parent) {
    auto* bar = Named(new QLabel(parent), QLatin1String(name));
    bar->setAutoFillBackground(true);
    QPalette colours = bar->palette();
    colours.setColor(QPalette::Window, color);
    bar->setPalette(colours);
    return bar;
}

QString RemainderText() {
    return QString::fromUtf16(RemainderMark.data(), static_cast<qsizetype>(RemainderMark.size()));
}

// An answer place not typed into yet is a box, as in a workbook.
QString AnswerPlace(const QString& strDigits) {
    return strDigits.isEmpty() ? QStringLiteral("□") : strDigits;
}

// Keys that drive the drill; with Ctrl or Alt they stay with the control.
bool IsDrillKey(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return modifiers == Qt::NoModifier &&
           (key.key() == Qt::Key_S || key.key() == Qt::Key_F || key.key() == Qt::Key_C);
}

// Asks for room for every question frame. The window bounds that by what the
// screen leaves (the maximum size); the frames scroll beyond it.
class CQuestionArea : public QScrollArea {
public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        QSize wanted = widget()->sizeHint() + QSize(frame, frame);
        // A scroll bar that must show needs room of its own.
        if (wanted.height() > maximumHeight()) {
            wanted.rwidth() += verticalScrollBar()->sizeHint().width();
        }
        if (wanted.width() > maximumWidth()) {
            wanted.rheight() += horizontalScrollBar()->sizeHint().height();
        }
        return wanted;
    }
};

} // namespace

frmTraining::frmTraining(QWidget* owner, QuestionSource questions, SheetTaker takeSheet,
                         CConfig& config, CDrillHistory& history)
    : QWidget(owner, Qt::Window), m_config(config), m_history(history),
      m_errors(
          [this](const QString& strText) { QMessageBox::warning(this, windowTitle(), strText); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Kelvo训练"));
    timTimer = Named(new QTimer(this), QStringLiteral("timTimer"));
    Label1 =
        Named(new QLabel(QStringLiteral(
                  "注意：训练题目是根据主窗口上显示的题型来出的，如果要改变题型，请切换到主窗口"
                  "修改，然后再点出题按钮，训练题型就会跟着变化。")),
              QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(CreateQuestionArea(), 1);
    m_countdownBar = CreateCountdownBar();
    left->addWidget(m_countdownBar);
    m_drillOptions = CreateDrillOptions();
    left->addWidget(m_drillOptions);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(CreateKeypad(), 0, Qt::AlignTop);
    layout->addWidget(CreateSidePanel());
    // The window is as large as its questions need at their font, no larger:
    // it grows and shrinks with the font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BoundQuestionArea();
    ConnectEvents();

    // Keys reach the window before its controls, whichever control has the focus.
    qApp->installEventFilter(this);
    m_ctrls = std::make_unique<CtrlsTraining>(*this, std::move(questions), std::move(takeSheet),
                                              m_history);
    Forward([this] { m_ctrls->DoFormLoad(); });
    UpdateTrainingView(m_config, *this);
    FitQuestionFrames();
}

frmTraining::~frmTraining() = default;

QWidget* frmTraining::CreateQuestionArea() {
    Frame1 = Named(new QFrame, QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(Frame1);
    grid->setSpacing(4);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto* frame = Named(new QFrame, IndexedName("fraQuestions", slot));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(4, 1, 4, 1);
        row->setSpacing(6);
        for (int part = 0; part < 3; ++part) {
            const int index = 3 * slot + part;
            auto* label = Named(new CClickLabel, IndexedName("lblQuestions", index));
            label->setAlignment(part == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            label->setMargin(2);
            label->SetBackColor(palette().color(QPalette::Window));
            lblQuestions[index] = label;
            row->addWidget(label, part == 0 ? 3 : 1);
        }
        fraQuestions[slot] = frame;
        grid->addWidget(frame, slot % kRowsPerColumn, slot / kRowsPerColumn);
    }
    // Spare room goes below the questions, so that all frames keep one size.
    grid->setRowStretch(kRowsPerColumn, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    m_questionArea = Named(new CQuestionArea, QStringLiteral("scrQuestions"));
    m_questionArea->setFrameShape(QFrame::NoFrame);
    m_questionArea->setWidgetResizable(true);
    m_questionArea->setWidget(Frame1);
    return m_questionArea;
}

void frmTraining::FitQuestionFrames() {
    // A gap two digits wide keeps each question apart from its choices at any font.
    const int gap = lblQuestions[0]->fontMetrics().horizontalAdvance(QStringLiteral("00"));
    int widest = 0;
    for (QFrame* frame : fraQuestions) {
        if (frame->layout()->spacing() != gap) {
            frame->layout()->setSpacing(gap);
        }
        widest = std::max(widest, frame->sizeHint().width());
    }
    // Fixed: the options below the questions may widen the area by an odd pixel.
    for (QFrame* frame : fraQuestions) {
        frame->setFixedWidth(widest);
    }
    // The scroll area does not pass its questions' new size on by itself.
    m_questionArea->updateGeometry();
}

void frmTraining::BoundQuestionArea() {
    const QSize decoration = frameGeometry().size() - size();
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const int keypad = fraKeypad->isHidden() ? 0 : spacing + kKeypadWidth;
    const QSize others(margins.left() + margins.right() + spacing + kSidePanelWidth + keypad,
                       margins.top() + margins.bottom() + 2 * spacing +
                           m_countdownBar->sizeHint().height() +
                           m_drillOptions->sizeHint().height());
    const QSize room = screen()->availableGeometry().size() - decoration - others;
    m_questionArea->setMaximumSize(room.expandedTo(QSize(0, 0)));
}

QWidget* frmTraining::CreateCountdownBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    lblProgress2 = PlainBar("lblProgress2", kBarBackground, nullptr);
    lblProgress2->setFixedSize(kBarWidth, kBarHeight);
    // The countdown bar lies on its background and shrinks from the right.
    lblCountdownProgress = PlainBar("lblCountdownProgress", kBarColor, lblProgress2);
    lblCountdownProgress->setGeometry(0, 0, kBarWidth, kBarHeight);
    lblTimerCounter = ResultLabel("lblTimerCounter");
    lblTimerCounter->setMinimumWidth(
        lblTimerCounter->fontMetrics().horizontalAdvance(QStringLiteral("99999")));
    row->addWidget(lblProgress2);
    row->addWidget(lblTimerCounter);
    row->addStretch(1);
    return bar;
}

QWidget* frmTraining::CreateModeOptions() {
    Frame3 = Named(new QGroupBox, QStringLiteral("Frame3"));
    const QStringList modeCaptions{QStringLiteral("限时"), QStringLiteral("计时模式"),
                                   QStringLiteral("计分模式")};
    for (int i = 0; i < 3; ++i) {
        optModes[i] = Named(new QRadioButton(modeCaptions[i]), IndexedName("optModes", i));
    }
    optModes[0]->setChecked(true);
    // The time box reads only its first five characters.
    txtTime = Named(new CNumberBox(CConfig::MinTrainingTime, CConfig::MaxTrainingTime,
                                   CConfig::DefaultTrainingTime, nullptr, 5),
                    QStringLiteral("txtTime"));
    txtTime->setMaximumWidth(60);
    lblSecond = Named(new QLabel(QStringLiteral("秒")), QStringLiteral("lblSecond"));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(optModes[0]);
    timeRow->addWidget(txtTime);
    timeRow->addWidget(lblSecond);
    timeRow->addStretch(1);
    auto* modes = new QVBoxLayout(Frame3);
    modes->addLayout(timeRow);
    modes->addWidget(optModes[1]);
    modes->addWidget(optModes[2]);
    return Frame3;
}

QWidget* frmTraining::CreateChildOptions() {
    fraChildren = Named(new QGroupBox(QStringLiteral("孩子")), QStringLiteral("fraChildren"));
    cboChildren = Named(new QComboBox, QStringLiteral("cboChildren"));
    cmdAddChild = Named(new QPushButton(QStringLiteral("添加")), QStringLiteral("cmdAddChild"));
    cmdRenameChild =
        Named(new QPushButton(QStringLiteral("改名")), QStringLiteral("cmdRenameChild"));
    cmdRemoveChild =
        Named(new QPushButton(QStringLiteral("删除")), QStringLiteral("cmdRemoveChild"));
    auto* row = new QHBoxLayout(fraChildren);
    row->addWidget(cboChildren);
    for (QPushButton* button : {cmdAddChild, cmdRenameChild, cmdRemoveChild}) {
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance(button->text()) * 2);
        row->addWidget(button);
    }
    return fraChildren;
}

QWidget* frmTraining::CreateAnswerModes() {
    fraAnswerModes =
        Named(new QGroupBox(QStringLiteral("答题方式")), QStringLiteral("fraAnswerModes"));
    const QStringList captions{QStringLiteral("选择"), QStringLiteral("输入")};
    auto* row = new QHBoxLayout(fraAnswerModes);
    for (int i = 0; i < 2; ++i) {
        optAnswerModes[i] = Named(new QRadioButton(captions[i]), IndexedName("optAnswerModes", i));
        row->addWidget(optAnswerModes[i]);
    }
    optAnswerModes[0]->setChecked(true);
    return fraAnswerModes;
}

QWidget* frmTraining::CreateTargetOptions() {
    fraTarget = Named(new QGroupBox(QStringLiteral("达标")), QStringLiteral("fraTarget"));
    cboSchoolYear = Named(new QComboBox, QStringLiteral("cboSchoolYear"));
    cboSchoolYear->addItems({QStringLiteral("一年级"), QStringLiteral("二年级"),
                             QStringLiteral("三年级"), QStringLiteral("四年级"),
                             QStringLiteral("五年级"), QStringLiteral("六年级")});
    cboSchoolYear->setToolTip(QStringLiteral("选年级后，达标速度改为这个年级的建议值，可以再改。"));
    txtTarget = Named(new CNumberBox(MinTarget, MaxTarget, DefaultTarget(FirstSchoolYear)),
                      QStringLiteral("txtTarget"));
    txtTarget->setMaximumWidth(40);
    auto* row = new QHBoxLayout(fraTarget);
    row->addWidget(cboSchoolYear);
    row->addWidget(new QLabel(QStringLiteral("每分钟答对")));
    row->addWidget(txtTarget);
    row->addWidget(new QLabel(QStringLiteral("题")));
    return fraTarget;
}

// The child's own time within which a right answer counts as fluent.
QWidget* frmTraining::CreateFluentOptions() {
    auto* group = Named(new QGroupBox(QStringLiteral("熟练")), QStringLiteral("fraFluent"));
    spnFluentSeconds = Named(new QSpinBox, QStringLiteral("spnFluentSeconds"));
    spnFluentSeconds->setRange(MinFluentSeconds, MaxFluentSeconds);
    spnFluentSeconds->setValue(CFactMastery::DefaultFluentMilliseconds / 1000);
    spnFluentSeconds->setToolTip(
        QStringLiteral("在这个时间以内做对的题算熟练；改了以后，掌握情况按新的时间重新计算。"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(spnFluentSeconds);
    row->addWidget(new QLabel(QStringLiteral("秒以内")));
    return group;
}

// Below the questions: the side panel has no room left on a laptop screen.
QWidget* frmTraining::CreateDrillOptions() {
    auto* options = new QWidget;
    auto* row = new QHBoxLayout(options);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(CreateChildOptions());
    row->addWidget(CreateAnswerModes());
    row->addWidget(CreateTargetOptions());
    row->addWidget(CreateFluentOptions());
    row->addStretch(1);
    return options;
}

// 7 8 9 / 4 5 6 / 1 2 3 / 退格 0 确定, as on a calculator. The keys take no
// focus, so that Enter always answers instead of pressing a button.
QWidget* frmTraining::CreateKeypad() {
    fraKeypad = Named(new QWidget, QStringLiteral("fraKeypad"));
    auto* grid = new QGridLayout(fraKeypad);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kKeypadSpacing);
    QFont keyFont = font();
    keyFont.setPointSizeF(keyFont.pointSizeF() * 1.5);
    const auto key = [&](QPushButton* button, int row, int column) {
        button->setFixedSize(kKeypadKeySize, kKeypadKeySize);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(keyFont);
        grid->addWidget(button, row, column);
        return button;
    };
    for (int digit = 1; digit <= 9; ++digit) {
        cmdKeys[digit] =
            key(Named(new QPushButton(QString::number(digit)), IndexedName("cmdKeys", digit)),
                2 - (digit - 1) / 3, (digit - 1) % 3);
    }
    cmdBackspace =
        key(Named(new QPushButton(QStringLiteral("退格")), QStringLiteral("cmdBackspace")), 3, 0);
    cmdKeys[0] = key(Named(new QPushButton(QStringLiteral("0")), IndexedName("cmdKeys", 0)), 3, 1);
    cmdEnter =
        key(Named(new QPushButton(QStringLiteral("确定")), QStringLiteral("cmdEnter")), 3, 2);
    cmdRemainder =
        key(Named(new QPushButton(QStringLiteral("余")), QStringLiteral("cmdRemainder")), 4, 1);
    cmdRemainder->setToolTip(
        QStringLiteral("有余数的题：输入商以后按“余”或者空格键，再输入余数。"));
    cmdRemainder->setEnabled(false);
    cmdPoint = key(Named(new QPushButton(QStringLiteral(".")), QStringLiteral("cmdPoint")), 4, 0);
    cmdPoint->setToolTip(QStringLiteral("小数题：输入小数点；分数题：输入分数线。"));
    cmdPoint->setEnabled(false);
    // Four narrower keys fill the keypad's width.
    auto* signRow = new QHBoxLayout;
    signRow->setSpacing(kKeypadSpacing);
    for (size_t k = 0; k < cmdSigns.size(); ++k) {
        cmdSigns[k] = Named(new QPushButton, IndexedName("cmdSigns", static_cast<int>(k)));
        cmdSigns[k]->setFixedSize((kKeypadWidth - 3 * kKeypadSpacing) / 4, kKeypadKeySize);
        cmdSigns[k]->setFocusPolicy(Qt::NoFocus);
        cmdSigns[k]->setFont(keyFont);
        cmdSigns[k]->hide();
        signRow->addWidget(cmdSigns[k]);
    }
    signRow->addStretch(1);
    grid->addLayout(signRow, 5, 0, 1, 3);
    fraKeypad->setFixedWidth(kKeypadWidth);
    fraKeypad->hide();
    return fraKeypad;
}

QWidget* frmTraining::CreateResultPanel() {
    Frame2 = Named(new QGroupBox, QStringLiteral("Frame2"));
    Label4 = Named(new QLabel(QStringLiteral("成 绩")), QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignCenter);
    lblCorrect = ResultLabel("lblCorrect");
    lblWrong = ResultLabel("lblWrong");
    lblScore = ResultLabel("lblScore");
    lblSeconds = ResultLabel("lblSeconds");
    lblGrade = ResultLabel("lblGrade");
    lblRate = ResultLabel("lblRate");
    auto* results = new QVBoxLayout(Frame2);
    for (QLabel* label : {Label4, lblCorrect, lblWrong, lblScore, lblSeconds, lblGrade, lblRate}) {
        results->addWidget(label);
    }
    return Frame2;
}

QWidget* frmTraining::CreateSidePanel() {
    auto* panel = new QWidget;
    panel->setFixedWidth(kSidePanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    column->addWidget(CreateModeOptions());
    // Off, the wrong choices are drawn as they always were.
    chkTeachingChoices = Named(new QCheckBox(QStringLiteral("错误选项用常见错误")),
                               QStringLiteral("chkTeachingChoices"));
    chkTeachingChoices->setToolTip(
        QStringLiteral("勾选后，错误的选项是这道题常见的算错结果，例如忘了进位、忘了借位、"
                       "差十、口诀背串。下次出题时起作用。"));
    column->addWidget(chkTeachingChoices);
    // Off, the drill is silent as it always was.
    chkReadAloud = Named(new QCheckBox(QStringLiteral("读题")), QStringLiteral("chkReadAloud"));
    chkReadAloud->setToolTip(
        QStringLiteral("勾选后，开始做题时用普通话读第一题，每答一题就读下一题。"));
    column->addWidget(chkReadAloud);

    cmdCreate = Named(new QPushButton(QStringLiteral("出题（C 键）")), QStringLiteral("cmdCreate"));
    cmdStart = Named(new QPushButton(QStringLiteral("开始（S 键）")), QStringLiteral("cmdStart"));
    cmdFinish = Named(new QPushButton(QStringLiteral("结束（F 键）")), QStringLiteral("cmdFinish"));
    cmdStart->setEnabled(false);
    cmdFinish->setEnabled(false);
    // Both make the questions of a drill.
    cmdDailyPractice =
        Named(new QPushButton(QStringLiteral("今日练习")), QStringLiteral("cmdDailyPractice"));
    cmdDailyPractice->setToolTip(
        QStringLiteral("先练做错的、做得慢的和该复习的题，再加几道新题和已经熟练的题。"));
    auto* createRow = new QHBoxLayout;
    createRow->addWidget(cmdCreate, 1);
    createRow->addWidget(cmdDailyPractice, 1);
    column->addLayout(createRow);
    column->addWidget(cmdStart);
    column->addWidget(cmdFinish);

    column->addWidget(CreateResultPanel());
    cmdMistakeBook =
        Named(new QPushButton(QStringLiteral("错题本")), QStringLiteral("cmdMistakeBook"));
    cmdScoreHistory =
        Named(new QPushButton(QStringLiteral("成绩记录")), QStringLiteral("cmdScoreHistory"));
    cmdMasteryMap =
        Named(new QPushButton(QStringLiteral("掌握情况")), QStringLiteral("cmdMasteryMap"));
    auto* historyRow = new QHBoxLayout;
    historyRow->addWidget(cmdMistakeBook);
    historyRow->addWidget(cmdScoreHistory);
    historyRow->addWidget(cmdMasteryMap);
    column->addLayout(historyRow);

    lblInfo = ResultLabel("lblInfo");
    lblInfo->setWordWrap(true);
    column->addWidget(lblInfo);
    column->addStretch(1);
    column->addWidget(Label1);

    cmdFont = Named(new QPushButton(QStringLiteral("字体...")), QStringLiteral("cmdFont"));
    cmdShowHelp = Named(new QPushButton(QStringLiteral("使用说明")), QStringLiteral("cmdShowHelp"));
    cmdExit = Named(new QPushButton(QStringLiteral("退出训练")), QStringLiteral("cmdExit"));
    column->addWidget(cmdFont);
    column->addWidget(cmdShowHelp);
    column->addWidget(cmdExit);
    return panel;
}

void frmTraining::ConnectEvents() {
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdShowHelp, &QPushButton::clicked, this, &frmTraining::ShowHelp);
    connect(cmdFont, &QPushButton::clicked, this, [this] { Forward([this] { ChooseFont(); }); });
    connect(cmdCreate, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoCreateClicked(); }); });
    connect(cmdStart, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoStartClicked(); }); });
    connect(cmdFinish, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoFinishClicked(); }); });
    connect(cmdMistakeBook, &QPushButton::clicked, this,
            [this] { Forward([this] { ShowMistakeBook(); }); });
    connect(cmdScoreHistory, &QPushButton::clicked, this,
            [this] { Forward([this] { ShowScoreHistory(); }); });
    connect(cmdDailyPractice, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoDailyPracticeClicked(); }); });
    connect(spnFluentSeconds, &QSpinBox::valueChanged, this, [this](int seconds) {
        Forward([this, seconds] { m_ctrls->DoFluentSecondsChanged(seconds); });
    });
    connect(cmdMasteryMap, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoMasteryMapClicked(); }); });
    connect(timTimer, &QTimer::timeout, this,
            [this] { Forward([this] { m_ctrls->DoTimered(); }); });
    for (int i = 0; i < 3; ++i) {
        connect(optModes[i], &QRadioButton::clicked, this, [this, i] { OnModesClicked(i); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(optAnswerModes[i], &QRadioButton::clicked, this,
                [this, i] { Forward([this, i] { m_ctrls->DoAnswerModesClicked(i); }); });
    }
    connect(cboChildren, &QComboBox::activated, this,
            [this](int index) { Forward([this, index] { m_ctrls->DoChildChanged(index); }); });
    connect(cmdAddChild, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoAddChildClicked(); }); });
    connect(cmdRenameChild, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoRenameChildClicked(); }); });
    connect(cmdRemoveChild, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoRemoveChildClicked(); }); });
    connect(cboSchoolYear, &QComboBox::activated, this,
            [this](int index) { Forward([this, index] { m_ctrls->DoSchoolYearChanged(index); }); });
    for (int digit = 0; digit < 10; ++digit) {
        connect(cmdKeys[digit], &QPushButton::clicked, this,
                [this, digit] { Forward([this, digit] { m_ctrls->DoDigitClicked(digit); }); });
    }
    connect(cmdRemainder, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoRemainderClicked(); }); });
    connect(cmdPoint, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoPointClicked(); }); });
    connect(cmdBackspace, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoBackspaceClicked(); }); });
    connect(cmdEnter, &QPushButton::clicked, this,
            [this] { Forward([this] { m_ctrls->DoEnterClicked(); }); });
    for (int k = 0; k < static_cast<int>(cmdSigns.size()); ++k) {
        connect(cmdSigns[static_cast<size_t>(k)], &QPushButton::clicked, this,
                [this, k] { Forward([this, k] { m_ctrls->DoSignClicked(k); }); });
    }
    for (int i = 0; i < kLabelCount; ++i) {
        connect(lblQuestions[i], &CClickLabel::clicked, this,
                [this, i] { Forward([this, i] { m_ctrls->DoQuestionsClicked(i); }); });
    }
}

void frmTraining::OnModesClicked(int index) {
    Forward([this, index] { m_ctrls->DoModesClicked(index); });
    const bool limited = index == 0;
    optModes[0]->setText(limited ? QStringLiteral("限时") : QStringLiteral("限时模式"));
    txtTime->setVisible(limited);
    lblSecond->setVisible(limited);
}

// The choice goes to all 90 question labels, the empty ones too.
void frmTraining::ChooseFont() {
    ChooseControlFont(this, *lblQuestions[0], {lblQuestions.begin(), lblQuestions.end()});
}

// Both open over the training window without stopping a running drill.
void frmTraining::ShowMistakeBook() {
    auto* book = new frmMistakeBook(m_history, !m_ctrls->IsDoingTraining(), this);
    book->setAttribute(Qt::WA_DeleteOnClose);
    connect(book, &frmMistakeBook::reviewRequested, this,
            [this] { Forward([this] { m_ctrls->DoReviewClicked(); }); });
    book->open();
}

void frmTraining::ShowScoreHistory() {
    auto* scores = new frmScoreHistory(m_history, this);
    scores->setAttribute(Qt::WA_DeleteOnClose);
    scores->open();
}

void frmTraining::ShowMasteryMap(CMasteryMap map, const QString& strTitle) {
    auto* mastery = new frmMasteryMap(std::move(map), strTitle, this);
    mastery->setAttribute(Qt::WA_DeleteOnClose);
    // The sheet goes to the main window, which the map would keep out of reach.
    connect(mastery->cmdWeakSheet, &QPushButton::clicked, this, [this, mastery] {
        mastery->close();
        Forward([this] { m_ctrls->DoWeakSheetClicked(); });
    });
    connect(mastery->cmdPaperAnswers, &QPushButton::clicked, this, [this, mastery] {
        mastery->close();
        Forward([this] { m_ctrls->DoPaperAnswersClicked(); });
    });
    mastery->open();
}

void frmTraining::ShowHelp() {
    frmTrainingHelp help(this);
    help.exec();
}

void frmTraining::ClearQuestions() {
    for (CClickLabel* label : lblQuestions) {
        label->clear();
        label->SetBackColor(palette().color(QPalette::Window));
    }
}

void frmTraining::ShowQuestion(int32_t slot, const QString& strQuestion,
                               const std::array<QString, 2>& choices) {
    const auto first = 3 * static_cast<size_t>(slot);
    lblQuestions.at(first)->setText(StackedFractionText(strQuestion));
    for (size_t c = 0; c < choices.size(); ++c) {
        CClickLabel* label = lblQuestions.at(first + 1 + c);
        label->setText(StackedFractionText(choices[c]));
        label->SetBackColor(palette().color(QPalette::Window));
    }
}

void frmTraining::ShowChoice(int32_t slot, int32_t choice) {
    const auto first = 3 * static_cast<size_t>(slot) + 1;
    lblQuestions.at(first + static_cast<size_t>(choice))->SetBackColor(kChosen);
    lblQuestions.at(first + static_cast<size_t>(1 - choice))
        ->SetBackColor(palette().color(QPalette::Window));
}

void frmTraining::ShowMissed(int32_t slot, int32_t rightChoice) {
    lblQuestions.at(3 * static_cast<size_t>(slot) + 1 + static_cast<size_t>(rightChoice))
        ->SetBackColor(kMissed);
}

void frmTraining::ShowTypedQuestion(int32_t slot, const QString& strQuestion, bool bWithRemainder) {
    const auto first = 3 * static_cast<size_t>(slot);
    lblQuestions.at(first)->setText(StackedFractionText(strQuestion));
    for (size_t part = 1; part <= 2; ++part) {
        lblQuestions.at(first + part)->clear();
        lblQuestions.at(first + part)->SetBackColor(palette().color(QPalette::Window));
    }
    if (bWithRemainder) {
        lblQuestions.at(first + 1)->setText(AnswerPlace({}) + RemainderText() + AnswerPlace({}));
    }
}

void frmTraining::MarkCurrent(int32_t slot, bool bCurrent) {
    lblQuestions.at(3 * static_cast<size_t>(slot))
        ->SetBackColor(bCurrent ? kCurrent : palette().color(QPalette::Window));
    if (bCurrent) {
        m_questionArea->ensureWidgetVisible(fraQuestions.at(static_cast<size_t>(slot)));
    }
}

void frmTraining::ShowTyped(int32_t slot, const QString& strTyped) {
    lblQuestions.at(3 * static_cast<size_t>(slot) + 1)->setText(strTyped);
}

void frmTraining::ShowTypedWithRemainder(int32_t slot, const QString& strQuotient,
                                         const QString& strRemainder, bool bAtRemainder) {
    const auto typedInto = [](const QString& strPlace) {
        return QStringLiteral("<span style=\"background-color: %1\">%2</span>")
            .arg(kCurrent.name(), strPlace);
    };
    const QString quotient = AnswerPlace(strQuotient);
    const QString remainder = AnswerPlace(strRemainder);
    lblQuestions.at(3 * static_cast<size_t>(slot) + 1)
        ->setText(bAtRemainder ? quotient + RemainderText() + typedInto(remainder)
                               : typedInto(quotient) + RemainderText() + remainder);
}

void frmTraining::ShowTypedRight(int32_t slot) {
    lblQuestions.at(3 * static_cast<size_t>(slot) + 1)->SetBackColor(kChosen);
}

void frmTraining::ShowRightAnswer(int32_t slot, const QString& strAnswer) {
    CClickLabel* label = lblQuestions.at(3 * static_cast<size_t>(slot) + 2);
    label->setText(StackedFractionText(strAnswer));
    label->SetBackColor(kMissed);
}

void frmTraining::ShowKeypad(bool bShown) {
    fraKeypad->setVisible(bShown);
    BoundQuestionArea();
}

void frmTraining::EnableRemainderKey(bool bEnabled) {
    cmdRemainder->setEnabled(bEnabled);
}

void frmTraining::ShowPointKey(const QString& mark) {
    cmdPoint->setEnabled(!mark.isEmpty());
    if (!mark.isEmpty()) {
        cmdPoint->setText(mark);
    }
}

void frmTraining::ShowSignKeys(const QStringList& signs) {
    for (size_t k = 0; k < cmdSigns.size(); ++k) {
        const bool shown = static_cast<qsizetype>(k) < signs.size();
        cmdSigns[k]->setText(shown ? signs[static_cast<qsizetype>(k)] : QString());
        cmdSigns[k]->setVisible(shown);
    }
}

void frmTraining::ShowAnswerMode(int32_t index) {
    optAnswerModes.at(static_cast<size_t>(index))->setChecked(true);
}

void frmTraining::ShowChildren(const QStringList& names, int32_t current) {
    const QSignalBlocker quiet(cboChildren);
    cboChildren->clear();
    cboChildren->addItems(names);
    cboChildren->setCurrentIndex(current);
}

std::optional<QString> frmTraining::AskChildName(const QString& strTitle, const QString& strName) {
    bool accepted = false;
    const QString name = QInputDialog::getText(this, strTitle, QStringLiteral("名字："),
                                               QLineEdit::Normal, strName, &accepted);
    return accepted ? std::optional(name) : std::nullopt;
}

std::optional<std::vector<bool>> frmTraining::AskPaperAnswers(const QStringList& questions) {
    frmPaperAnswers dialog(questions, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Missed();
}

bool frmTraining::ConfirmRemoval(const QString& strName) {
    return QMessageBox::question(
               this, QStringLiteral("删除孩子"),
               QStringLiteral("删除“%1”，连同他的全部成绩记录和错题本？删除后不能恢复。")
                   .arg(strName)) == QMessageBox::Yes;
}

void frmTraining::ShowRate(double perMinute, bool bReached) {
    lblRate->setText(
        (bReached ? QStringLiteral("达标：每分钟%1题") : QStringLiteral("未达标：每分钟%1题"))
            .arg(perMinute, 0, 'f', 1));
}

void frmTraining::ShowResults(int32_t right, int32_t wrong, int32_t score,
                              const QString& strGrade) {
    lblCorrect->setText(QStringLiteral("正确：%1").arg(right));
    lblWrong->setText(QStringLiteral("错误：%1").arg(wrong));
    lblScore->setText(QStringLiteral("得分：%1分").arg(score));
    lblGrade->setText(QStringLiteral("等级：") + strGrade);
}

void frmTraining::ShowSecondsUsed(int32_t seconds) {
    lblSeconds->setText(QStringLiteral("用时：%1秒").arg(seconds));
}

void frmTraining::ClearResults() {
    for (QLabel* label : {lblCorrect, lblWrong, lblScore, lblTimerCounter, lblSeconds, lblInfo,
                          lblGrade, lblRate}) {
        label->clear();
    }
}

void frmTraining::ShowInfo(const QString& strText) {
    lblInfo->setText(strText);
}

void frmTraining::ShowCounter(const QString& strText) {
    lblTimerCounter->setText(strText);
}

void frmTraining::ShowCountdownBar(int32_t width) {
    lblCountdownProgress->resize(width, lblCountdownProgress->height());
}

int32_t frmTraining::CountdownBarWidth() const {
    return lblProgress2->width();
}

void frmTraining::StartTicks(int32_t milliseconds) {
    timTimer->start(milliseconds);
}

void frmTraining::StopTicks() {
    timTimer->stop();
}

void frmTraining::EnableCreate(bool bEnabled) {
    cmdCreate->setEnabled(bEnabled);
    cmdDailyPractice->setEnabled(bEnabled);
}

void frmTraining::EnableStart(bool bEnabled) {
    cmdStart->setEnabled(bEnabled);
}

void frmTraining::EnableFinish(bool bEnabled) {
    cmdFinish->setEnabled(bEnabled);
}

void frmTraining::EnableModes(bool bEnabled) {
    for (QRadioButton* option : optModes) {
        option->setEnabled(bEnabled);
    }
    fraAnswerModes->setEnabled(bEnabled);
    fraChildren->setEnabled(bEnabled);
    fraTarget->setEnabled(bEnabled);
}

bool frmTraining::IsTeachingChoices() const {
    return chkTeachingChoices->isChecked();
}

bool frmTraining::IsReadingAloud() const {
    return chkReadAloud->isChecked();
}

int32_t frmTraining::TimeLimit() const {
    return txtTime->Value();
}

void frmTraining::SetTimeLimit(int32_t seconds) {
    txtTime->SetValue(seconds);
}

int32_t frmTraining::Target() const {
    return txtTarget->Value();
}

void frmTraining::SetTarget(int32_t perMinute) {
    txtTarget->SetValue(perMinute);
}

int32_t frmTraining::FluentSeconds() const {
    return spnFluentSeconds->value();
}

void frmTraining::SetFluentSeconds(int32_t seconds) {
    const QSignalBlocker quiet(spnFluentSeconds);
    spnFluentSeconds->setValue(seconds);
}

std::shared_ptr<CFont> frmTraining::QuestionFont() const {
    return FontFromControl(*lblQuestions[0]);
}

void frmTraining::ApplyQuestionFont(const CFont& font) {
    for (CClickLabel* label : lblQuestions) {
        ApplyFontToControl(font, *label);
    }
}

void frmTraining::closeEvent(QCloseEvent* event) {
    timTimer->stop();
    UpdateTrainingConfig(m_config, *this);
    m_ctrls.reset();
    qApp->removeEventFilter(this);
    if (QWidget* owner = parentWidget()) {
        owner->show();
        owner->activateWindow();
    }
    event->accept();
}

// The window frame is known once the window is shown.
void frmTraining::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    BoundQuestionArea();
}

// A window that grew with its font moves back inside the screen.
void frmTraining::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isVisible()) {
        return;
    }
    const QRect room = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != frameGeometry().topLeft()) {
        move(frame.topLeft());
    }
}

bool frmTraining::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !m_ctrls) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    if (ForwardTypingKey(*key)) {
        return true;
    }
    if (!IsDrillKey(*key)) {
        return false;
    }
    // Consumed here, so the key is not handed on to the control's parents again.
    Forward([this, key] { m_ctrls->DoKeyDown(key->key()); });
    return true;
}

bool frmTraining::ForwardTypingKey(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (!m_ctrls->IsTyping()) {
        return false;
    }
    // < > = + - * /, which some keyboards type with Shift.
    if (const QString text = key.text(); text.size() == 1 &&
                                         (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier &&
                                         SignOfKey(text.front().unicode())) {
        Forward([this, sign = text.front().unicode()] { m_ctrls->DoSignKeyDown(sign); });
        return true;
    }
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    const int code = key.key();
    if (code >= Qt::Key_0 && code <= Qt::Key_9) {
        Forward([this, code] { m_ctrls->DoDigitClicked(code - Qt::Key_0); });
    } else if (code == Qt::Key_Space) {
        // Taken even without a remainder: a space must not press the button
        // that has the focus.
        Forward([this] { m_ctrls->DoRemainderClicked(); });
    } else if (code == Qt::Key_Period || code == Qt::Key_Slash) {
        Forward([this] { m_ctrls->DoPointClicked(); });
    } else if (code == Qt::Key_Backspace) {
        Forward([this] { m_ctrls->DoBackspaceClicked(); });
    } else if (code == Qt::Key_Return || code == Qt::Key_Enter) {
        Forward([this] { m_ctrls->DoEnterClicked(); });
    } else {
        return false;
    }
    return true;
}

template <class Action>
void frmTraining::Forward(Action action) {
    if (!m_ctrls) {
        return;
    }
    m_errors.Run(action);
    // New questions or a new font may need other frame sizes.
    FitQuestionFrames();
}

} // namespace kelvo
