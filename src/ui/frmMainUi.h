#pragma once

#include "question/KindDescription.h"
#include "widgets/CNumberBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <array>

namespace kelvo {

// The controls of the operand panel, which CtrlsOperand drives. Indexes are
// those of the control groups: txtLimits 2i / 2i+1 are "从" / "到" of operand
// i+1 (i = 4: the result), chkOperators 4k..4k+3 the operators of gap k+1.
struct COperandPanel {
    std::array<QGroupBox*, 5> fraOperands{};
    std::array<QGroupBox*, 3> fraOperators{};
    std::array<CNumberBox*, 10> txtLimits{};
    std::array<QCheckBox*, 10> chkMultipleOfs{};
    // Per frame: whole numbers, or decimals of one to three places.
    std::array<QComboBox*, 5> cboPlaces{};
    std::array<QCheckBox*, 12> chkOperators{};
    std::array<QCheckBox*, 2> chkCbr{};
    QLabel* lblEqual = nullptr;
    // Where a kind of three or four operands puts its parentheses.
    QComboBox* cboParentheses = nullptr;
    // How the kind's questions are asked; the unit box only for "估算".
    QComboBox* cboForm = nullptr;
    QComboBox* cboEstimateUnit = nullptr;
    // The kind's rules, in the order of RuleCaptions.
    std::array<QCheckBox*, RuleCaptions.size()> chkRules{};
};

// The print-settings controls, which CtrlsSettings reads.
struct CSettingsPanel {
    // Rows, columns, row spacing, column spacing, rows per title.
    std::array<CNumberBox*, 5> txtSettings{};
    QLineEdit* txtTitle = nullptr;
    QCheckBox* chkFillQuestion = nullptr;
    QCheckBox* chkShowAnswer = nullptr;
};

// The controls of the sheet plan, which CtrlsPlan drives. tblPlan has one
// row per section: title, count (editable), different questions the kind
// admits.
struct CPlanPanel {
    CNumberBox* txtSectionCount = nullptr;
    QPushButton* cmdAddSection = nullptr;
    QTableWidget* tblPlan = nullptr;
    QPushButton* cmdSectionUp = nullptr;
    QPushButton* cmdSectionDown = nullptr;
    QPushButton* cmdRemoveSection = nullptr;
    QPushButton* cmdClearPlan = nullptr;
    QCheckBox* chkMixSections = nullptr;
    QPushButton* cmdOpenPlan = nullptr;
    QPushButton* cmdSavePlan = nullptr;
};

// Every control of the main window, created and laid out by SetupUi. The
// window and its controllers reach the controls through this struct; each
// control also carries its name (objectName "txtLimits_3") for tests and
// assistive technology.
struct frmMainUi {
    QGroupBox* fraType = nullptr;
    QComboBox* cboPresetTerm = nullptr;
    QComboBox* cboQuestionType = nullptr;
    QComboBox* cboOperandCount = nullptr;
    QPushButton* cmdSaveKind = nullptr;
    QGroupBox* fraCbr = nullptr;
    COperandPanel operandPanel;
    // "更多规则": the rule boxes and what is the rule anyway.
    QGroupBox* fraRules = nullptr;
    QLabel* lblNoRepeats = nullptr;
    QGroupBox* fraSetting = nullptr;
    CSettingsPanel settingsPanel;
    QPushButton* cmdFont = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdExportPdf = nullptr;
    QPushButton* cmdRemake = nullptr;
    QPushButton* cmdListening = nullptr;
    QPushButton* cmdPageOptions = nullptr;
    QPushButton* cmdCreate = nullptr;
    QPushButton* cmdTraining = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdExitMain = nullptr;
    QGroupBox* fraInfo = nullptr;
    QLabel* lblInfoTitle = nullptr;
    QLabel* lblInfoContent = nullptr;
    QPushButton* cmdCancel = nullptr;
    QGroupBox* fraPlan = nullptr;
    CPlanPanel planPanel;
    // One line that tells what a Create should know, without a message box.
    QLabel* lblStatus = nullptr;
    QPlainTextEdit* txtOutput = nullptr;
    std::array<QLabel*, 2> lblCultureSite{};
    QLabel* lblSiteDetail = nullptr;
    QGroupBox* fraSiteTips = nullptr;
    QLineEdit* txtFilmSite = nullptr;

    void SetupUi(QWidget* form);
};

// The font of the worksheet box until the user picks another: fixed width,
// with Chinese glyphs, so that the columns of a worksheet line up.
QFont DefaultOutputFont();

} // namespace kelvo
