#include "ui/frmMainUi.h"

#include "question/KindDescription.h"
#include "worksheet/CSheetPlan.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTextDocument>
#include <QVBoxLayout>

namespace kelvo {

namespace {

// Operand-panel geometry in pixels (15 twips each), relative to the panel: the
// result frame and "=" move between these positions with the operand count.
constexpr int FrameTop = 0;
constexpr int FrameWidth = 97;
constexpr int FrameHeight = 181;
constexpr std::array<int, 5> FrameLefts{0, 152, 304, 456, 608};
// The last frame is the result's.
constexpr int ResultFrameIndex = 4;
constexpr int GapTop = 40;
constexpr int GapWidth = 41;
constexpr int GapHeight = 89;
constexpr std::array<int, 3> GapLefts{104, 256, 408};
constexpr int EqualLeft = 560;
constexpr int OutputMargin = 12;
// Room in the open question-type list for the longest unit names.
constexpr int QuestionListWidth = 300;
constexpr int EqualTop = 72;
constexpr int PanelWidth = 705;
constexpr int PanelHeight = 181;
// The plan fills the room between the operand panel and the buttons.
constexpr int PlanPanelWidth = 320;
constexpr int DefaultSectionCount = 20;

const std::array<const char16_t*, 5> OperandCaptions{u"运算数一", u"运算数二", u"运算数三",
                                                     u"运算数四", u"得数"};
const std::array<const char16_t*, 3> GapNames{u"第一个运算符号", u"第二个运算符号",
                                              u"第三个运算符号"};
const std::array<const char16_t*, 4> OperatorCaptions{u"＋", u"－", u"×", u"÷"};

QString Text(const char16_t* text) {
    return QString::fromUtf16(text);
}

template <class W>
W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <class W>
W* Indexed(W* widget, const char* group, int index) {
    return Named(widget, QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index));
}

QLabel* Buddy(const char16_t* caption, QWidget* box, QWidget* parent) {
    auto* label = new QLabel(Text(caption), parent);
    label->setBuddy(box);
    return label;
}

QLabel* LinkLabel(const QString& caption, QWidget* parent) {
    auto* label =
        new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    // Only the caption is a link: the label is as wide as its text, and the
    // link cursor shows over the text alone.
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label->setAccessibleName(caption);
    return label;
}

void SetupOperandFrame(COperandPanel& panel, int i, QWidget* parent) {
    auto* frame = Indexed(new QGroupBox(Text(OperandCaptions[i]), parent), "fraOperands", i);
    frame->setGeometry(FrameLefts[i], FrameTop, FrameWidth, FrameHeight);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const std::array<int, 2> defaults{1, 10};
    const std::array<const char16_t*, 2> labels{u"从", u"到"};
    for (int side = 0; side < 2; ++side) {
        const int index = 2 * i + side;
        auto* box = Indexed(new CNumberBox(0, 10000, defaults[side], frame), "txtLimits", index);
        panel.txtLimits[index] = box;
        grid->addWidget(Buddy(labels[side], box, frame), side, 0);
        grid->addWidget(box, side, 1);
    }
    const std::array<const char16_t*, 2> multiples{u"整十数", u"整百数"};
    for (int side = 0; side < 2; ++side) {
        const int index = 2 * i + side;
        panel.chkMultipleOfs[index] =
            Indexed(new QCheckBox(Text(multiples[side]), frame), "chkMultipleOfs", index);
        grid->addWidget(panel.chkMultipleOfs[index], 2 + side, 0, 1, 2);
    }
    panel.cboPlaces[i] = Indexed(new QComboBox(frame), "cboPlaces", i);
    panel.cboPlaces[i]->addItems(
        {Text(u"整数"), Text(u"一位小数"), Text(u"两位小数"), Text(u"三位小数")});
    // Fractions are asked of two operands.
    if (i == ResultFrameIndex) {
        panel.cboPlaces[i]->addItems({Text(u"分数"), Text(u"带分数")});
    } else if (i < 2) {
        panel.cboPlaces[i]->addItems({Text(u"真分数"), Text(u"假分数")});
    }
    panel.cboPlaces[i]->setAccessibleName(Text(OperandCaptions[i]) + Text(u"的位数"));
    grid->addWidget(panel.cboPlaces[i], 4, 0, 1, 2);
    panel.fraOperands[i] = frame;
}

void SetupGapFrame(COperandPanel& panel, int k, QWidget* parent) {
    auto* frame = Indexed(new QGroupBox(parent), "fraOperators", k);
    frame->setAccessibleName(Text(GapNames[k]));
    frame->setGeometry(GapLefts[k], GapTop, GapWidth, GapHeight);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(3, 2, 0, 2);
    column->setSpacing(0);
    // The gap is narrow; a tighter label spacing keeps the operator visible.
    frame->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
    for (int p = 0; p < 4; ++p) {
        const int index = 4 * k + p;
        panel.chkOperators[index] =
            Indexed(new QCheckBox(Text(OperatorCaptions[p]), frame), "chkOperators", index);
        column->addWidget(panel.chkOperators[index]);
    }
    panel.fraOperators[k] = frame;
}

// The rules in rows under the panel, and a line on repeats, which need no box.
constexpr size_t RulesPerRow = 3;
constexpr int RuleRows = static_cast<int>((RuleCaptions.size() + RulesPerRow - 1) / RulesPerRow);

QGroupBox* SetupRulesFrame(COperandPanel& panel, QLabel*& noRepeats, QWidget* form) {
    auto* frame = Named(new QGroupBox(Text(u"更多规则"), form), QStringLiteral("fraRules"));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    for (size_t k = 0; k < RuleCaptions.size(); ++k) {
        const QString caption = QString::fromUtf16(
            RuleCaptions[k].caption.data(), static_cast<qsizetype>(RuleCaptions[k].caption.size()));
        panel.chkRules[k] = Indexed(new QCheckBox(caption, frame), "chkRules", static_cast<int>(k));
        grid->addWidget(panel.chkRules[k], static_cast<int>(k / RulesPerRow),
                        static_cast<int>(k % RulesPerRow));
    }
    noRepeats = Named(new QLabel(Text(u"不要重复的题：题目够多时，试卷中本来就没有重复的题；"
                                      u"不够时重复的题不相邻。"),
                                 frame),
                      QStringLiteral("lblNoRepeats"));
    grid->addWidget(noRepeats, RuleRows, 0, 1, static_cast<int>(RulesPerRow));
    frame->setFixedWidth(PanelWidth);
    return frame;
}

QWidget* SetupOperandPanel(COperandPanel& panel, QWidget* form) {
    auto* area = Named(new QWidget(form), QStringLiteral("operandArea"));
    area->setFixedSize(PanelWidth, PanelHeight);
    for (int i = 0; i < 5; ++i) {
        SetupOperandFrame(panel, i, area);
    }
    for (int k = 0; k < 3; ++k) {
        SetupGapFrame(panel, k, area);
    }
    panel.lblEqual = Named(new QLabel(QStringLiteral("="), area), QStringLiteral("lblEqual"));
    panel.lblEqual->setGeometry(EqualLeft, EqualTop, 40, 24);
    panel.lblEqual->setAlignment(Qt::AlignCenter);
    QFont equalFont = panel.lblEqual->font();
    equalFont.setPointSize(equalFont.pointSize() * 2);
    panel.lblEqual->setFont(equalFont);
    for (int hidden : {2, 3}) {
        panel.fraOperands[hidden]->hide();
    }
    for (int hidden : {1, 2}) {
        panel.fraOperators[hidden]->hide();
    }
    return area;
}

QPushButton* Button(const char16_t* caption, const char* name, QWidget* parent) {
    return Named(new QPushButton(Text(caption), parent), QString::fromLatin1(name));
}

QGroupBox* SetupPlanPanel(CPlanPanel& panel, QWidget* form) {
    auto* frame = Named(new QGroupBox(Text(u"试卷组成"), form), QStringLiteral("fraPlan"));
    panel.txtSectionCount =
        Named(new CNumberBox(CSheetPlan::MinSectionCount, CSheetPlan::MaxSectionCount,
                             DefaultSectionCount, frame),
              QStringLiteral("txtSectionCount"));
    panel.txtSectionCount->setMaximumWidth(64);
    panel.cmdAddSection = Button(u"加入试卷", "cmdAddSection", frame);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(Buddy(u"题数", panel.txtSectionCount, frame));
    addRow->addWidget(panel.txtSectionCount);
    addRow->addWidget(panel.cmdAddSection, 1);

    panel.tblPlan = Named(new QTableWidget(0, 3, frame), QStringLiteral("tblPlan"));
    panel.tblPlan->setAccessibleName(Text(u"试卷的各部分"));
    panel.tblPlan->setHorizontalHeaderLabels({Text(u"题型"), Text(u"题数"), Text(u"不同题目")});
    panel.tblPlan->setSelectionBehavior(QAbstractItemView::SelectRows);
    panel.tblPlan->setSelectionMode(QAbstractItemView::SingleSelection);
    panel.tblPlan->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    panel.tblPlan->verticalHeader()->hide();
    QHeaderView* header = panel.tblPlan->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // As tall as the row of the operand panel allows, no taller.
    panel.tblPlan->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    panel.tblPlan->setMinimumHeight(80);

    panel.cmdSectionUp = Button(u"上移", "cmdSectionUp", frame);
    panel.cmdSectionDown = Button(u"下移", "cmdSectionDown", frame);
    panel.cmdRemoveSection = Button(u"删除", "cmdRemoveSection", frame);
    panel.cmdClearPlan = Button(u"清空", "cmdClearPlan", frame);
    auto* editColumn = new QVBoxLayout;
    for (QPushButton* button :
         {panel.cmdSectionUp, panel.cmdSectionDown, panel.cmdRemoveSection, panel.cmdClearPlan}) {
        button->setMinimumWidth(52);
        editColumn->addWidget(button);
    }
    editColumn->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(panel.tblPlan, 1);
    listRow->addLayout(editColumn);
    panel.chkMixSections =
        Named(new QCheckBox(Text(u"打乱顺序"), frame), QStringLiteral("chkMixSections"));
    panel.cmdOpenPlan = Button(u"打开试卷...", "cmdOpenPlan", frame);
    panel.cmdSavePlan = Button(u"保存试卷...", "cmdSavePlan", frame);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(panel.chkMixSections);
    fileRow->addStretch();
    fileRow->addWidget(panel.cmdOpenPlan);
    fileRow->addWidget(panel.cmdSavePlan);

    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(6, 4, 6, 4);
    column->addLayout(addRow);
    column->addLayout(listRow, 1);
    column->addLayout(fileRow);
    frame->setFixedWidth(PlanPanelWidth);
    return frame;
}

} // namespace

// Noto's monospaced Chinese font where it is installed (Debian), else 宋体,
// which every Chinese Windows has.
QFont DefaultOutputFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("宋体")});
    font.setPointSize(12);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void frmMainUi::SetupUi(QWidget* form) {
    form->setWindowTitle(Text(u"Kelvo主窗口"));

    fraType = Named(new QGroupBox(form), QStringLiteral("fraType"));
    fraType->setAccessibleName(Text(u"题型"));
    // The grade first, then the unit: both on the row of the question type.
    cboPresetTerm = Named(new QComboBox(fraType), QStringLiteral("cboPresetTerm"));
    cboPresetTerm->setAccessibleName(Text(u"年级"));
    cboQuestionType = Named(new QComboBox(fraType), QStringLiteral("cboQuestionType"));
    cboQuestionType->setMinimumWidth(200);
    cboQuestionType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboQuestionType->view()->setMinimumWidth(QuestionListWidth);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(cboPresetTerm);
    typeRow->addWidget(cboQuestionType, 1);
    cboOperandCount = Named(new QComboBox(fraType), QStringLiteral("cboOperandCount"));
    cboOperandCount->addItems({Text(u"二个运算数"), Text(u"三个运算数"), Text(u"四个运算数")});
    auto* typeGrid = new QGridLayout(fraType);
    typeGrid->addWidget(Buddy(u"运算题型", cboQuestionType, fraType), 0, 0);
    typeGrid->addLayout(typeRow, 0, 1, 1, 2);
    typeGrid->addWidget(Buddy(u"算数个数", cboOperandCount, fraType), 1, 0);
    typeGrid->addWidget(cboOperandCount, 1, 1);
    cmdSaveKind = Named(new QPushButton(Text(u"保存题型"), fraType), QStringLiteral("cmdSaveKind"));
    typeGrid->addWidget(cmdSaveKind, 1, 2);
    operandPanel.cboParentheses = Named(new QComboBox(fraType), QStringLiteral("cboParentheses"));
    typeGrid->addWidget(Buddy(u"小括号", operandPanel.cboParentheses, fraType), 2, 0);
    typeGrid->addWidget(operandPanel.cboParentheses, 2, 1);
    operandPanel.cboForm = Named(new QComboBox(fraType), QStringLiteral("cboForm"));
    operandPanel.cboEstimateUnit = Named(new QComboBox(fraType), QStringLiteral("cboEstimateUnit"));
    auto* formRow = new QHBoxLayout;
    formRow->addWidget(Buddy(u"题型", operandPanel.cboForm, fraType));
    formRow->addWidget(operandPanel.cboForm, 1);
    formRow->addWidget(operandPanel.cboEstimateUnit, 1);
    typeGrid->addLayout(formRow, 2, 2);

    fraCbr = Named(new QGroupBox(form), QStringLiteral("fraCbr"));
    fraCbr->setAccessibleName(Text(u"进位借位"));
    auto* cbrColumn = new QVBoxLayout(fraCbr);
    const std::array<const char16_t*, 2> cbrCaptions{u"有进位", u"无进位"};
    for (int i = 0; i < 2; ++i) {
        operandPanel.chkCbr[i] = Indexed(new QCheckBox(Text(cbrCaptions[i]), fraCbr), "chkCbr", i);
        cbrColumn->addWidget(operandPanel.chkCbr[i]);
    }

    lblCultureSite[0] = Indexed(LinkLabel(Text(u"Kelvo能做什么？"), form), "lblCultureSite", 0);
    lblCultureSite[1] = Indexed(LinkLabel(Text(u"预设题型与设置文件"), form), "lblCultureSite", 1);
    lblSiteDetail = Named(LinkLabel(Text(u"详细>>"), form), QStringLiteral("lblSiteDetail"));
    auto* linkColumn = new QVBoxLayout;
    linkColumn->addWidget(lblCultureSite[0]);
    linkColumn->addWidget(lblCultureSite[1]);
    linkColumn->addWidget(lblSiteDetail);
    linkColumn->addStretch();

    cmdCreate = Named(new QPushButton(Text(u"生成试题"), form), QStringLiteral("cmdCreate"));
    cmdTraining = Named(new QPushButton(Text(u"口算训练"), form), QStringLiteral("cmdTraining"));
    cmdPrint = Named(new QPushButton(Text(u"输出打印"), form), QStringLiteral("cmdPrint"));
    cmdPreview = Named(new QPushButton(Text(u"打印预览"), form), QStringLiteral("cmdPreview"));
    cmdExportPdf = Named(new QPushButton(Text(u"导出PDF"), form), QStringLiteral("cmdExportPdf"));
    cmdRemake = Named(new QPushButton(Text(u"按编号重做"), form), QStringLiteral("cmdRemake"));
    cmdListening = Named(new QPushButton(Text(u"听算"), form), QStringLiteral("cmdListening"));
    cmdPageOptions =
        Named(new QPushButton(Text(u"页面设置..."), form), QStringLiteral("cmdPageOptions"));
    cmdHelp = Named(new QPushButton(Text(u"使用说明"), form), QStringLiteral("cmdHelp"));
    cmdExitMain = Named(new QPushButton(Text(u"退出"), form), QStringLiteral("cmdExitMain"));
    auto* buttonColumn = new QVBoxLayout;
    for (QPushButton* button : {cmdCreate, cmdTraining, cmdPrint, cmdPreview, cmdExportPdf,
                                cmdRemake, cmdListening, cmdPageOptions, cmdHelp, cmdExitMain}) {
        button->setMinimumSize(120, 32);
        buttonColumn->addWidget(button);
    }
    buttonColumn->addStretch();

    auto* selectionRow = new QHBoxLayout;
    selectionRow->addWidget(fraType);
    selectionRow->addWidget(fraCbr);
    selectionRow->addSpacing(16);
    selectionRow->addLayout(linkColumn);
    selectionRow->addStretch();
    auto* questionColumn = new QVBoxLayout;
    questionColumn->addLayout(selectionRow);
    questionColumn->addWidget(SetupOperandPanel(operandPanel, form));
    fraRules = SetupRulesFrame(operandPanel, lblNoRepeats, form);
    questionColumn->addWidget(fraRules);
    questionColumn->addStretch();
    fraPlan = SetupPlanPanel(planPanel, form);
    auto* topRow = new QHBoxLayout;
    topRow->addLayout(questionColumn);
    topRow->addStretch();
    topRow->addWidget(fraPlan);
    topRow->addLayout(buttonColumn);

    fraSetting = Named(new QGroupBox(Text(u"打印设置"), form), QStringLiteral("fraSetting"));
    const std::array<int, 5> minimums{1, 1, 0, 0, 0};
    const std::array<int, 5> maximums{5000, 20, 25, 50, 5000};
    const std::array<int, 5> defaults{10, 5, 1, 6, 10};
    const std::array<const char16_t*, 5> labels{u"行数", u"列数", u"行间距", u"列间距", u"每"};
    auto* settingsGrid = new QGridLayout(fraSetting);
    for (int i = 0; i < 5; ++i) {
        auto* box = Indexed(new CNumberBox(minimums[i], maximums[i], defaults[i], fraSetting),
                            "txtSettings", i);
        box->setMaximumWidth(64);
        settingsPanel.txtSettings[i] = box;
        settingsGrid->addWidget(Buddy(labels[i], box, fraSetting), 0, 2 * i, Qt::AlignRight);
        settingsGrid->addWidget(box, 0, 2 * i + 1);
    }
    settingsPanel.txtSettings[4]->setAccessibleName(Text(u"每几行打印一个标题"));
    settingsGrid->addWidget(new QLabel(Text(u"行打印一个标题"), fraSetting), 0, 10);
    settingsPanel.txtTitle = Named(new QLineEdit(fraSetting), QStringLiteral("txtTitle"));
    settingsPanel.txtTitle->setText(QStringLiteral("  ") + Text(u"姓名：") + QString(19, u' ') +
                                    Text(u"时间：") + QString(19, u' ') + Text(u"得分："));
    settingsGrid->addWidget(Buddy(u"标题", settingsPanel.txtTitle, fraSetting), 1, 0,
                            Qt::AlignRight);
    settingsGrid->addWidget(settingsPanel.txtTitle, 1, 1, 1, 8);
    settingsPanel.chkFillQuestion =
        Named(new QCheckBox(Text(u"填空题型"), fraSetting), QStringLiteral("chkFillQuestion"));
    settingsPanel.chkShowAnswer =
        Named(new QCheckBox(Text(u"显示答案"), fraSetting), QStringLiteral("chkShowAnswer"));
    cmdFont = Named(new QPushButton(Text(u"字体..."), fraSetting), QStringLiteral("cmdFont"));
    settingsGrid->addWidget(settingsPanel.chkFillQuestion, 1, 9);
    settingsGrid->addWidget(settingsPanel.chkShowAnswer, 1, 10);
    settingsGrid->addWidget(cmdFont, 1, 11);
    settingsGrid->setColumnStretch(12, 1);

    txtOutput = Named(new QPlainTextEdit(form), QStringLiteral("txtOutput"));
    txtOutput->setAccessibleName(Text(u"生成的试题"));
    txtOutput->setReadOnly(true);
    txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput->setFont(DefaultOutputFont());
    // A margin as on paper, so the first column does not touch the border.
    txtOutput->document()->setDocumentMargin(OutputMargin);
    // The box gives way first when the screen is small (a 1366 × 768 laptop).
    txtOutput->setMinimumSize(600, 120);

    lblStatus = Named(new QLabel(form), QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->hide();

    auto* mainColumn = new QVBoxLayout(form);
    mainColumn->setContentsMargins(8, 8, 8, 8);
    mainColumn->addLayout(topRow);
    mainColumn->addWidget(fraSetting);
    mainColumn->addWidget(lblStatus);
    mainColumn->addWidget(txtOutput, 1);

    fraInfo = Named(new QGroupBox(form), QStringLiteral("fraInfo"));
    fraInfo->setAccessibleName(Text(u"进度"));
    lblInfoTitle =
        Named(new QLabel(Text(u"生成了试题："), fraInfo), QStringLiteral("lblInfoTitle"));
    lblInfoContent =
        Named(new QLabel(QStringLiteral("0"), fraInfo), QStringLiteral("lblInfoContent"));
    cmdCancel = Named(new QPushButton(Text(u"取消"), fraInfo), QStringLiteral("cmdCancel"));
    auto* infoRow = new QHBoxLayout(fraInfo);
    infoRow->addWidget(lblInfoTitle);
    infoRow->addWidget(lblInfoContent, 1);
    infoRow->addWidget(cmdCancel);
    fraInfo->setAutoFillBackground(true);
    fraInfo->resize(320, 57);
    fraInfo->hide();

    fraSiteTips = Named(new QGroupBox(form), QStringLiteral("fraSiteTips"));
    fraSiteTips->setAccessibleName(Text(u"使用指南的位置"));
    fraSiteTips->setAutoFillBackground(true);
    txtFilmSite = Named(new QLineEdit(fraSiteTips), QStringLiteral("txtFilmSite"));
    txtFilmSite->setReadOnly(true);
    auto* tipColumn = new QVBoxLayout(fraSiteTips);
    tipColumn->addWidget(Buddy(u"使用指南在本机的位置：", txtFilmSite, fraSiteTips));
    tipColumn->addWidget(txtFilmSite);
    fraSiteTips->resize(420, 72);
    fraSiteTips->hide();
}

} // namespace kelvo
