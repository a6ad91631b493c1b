#pragma once

#include "training/CClickLabel.h"
#include "training/frmTraining.h"
#include "widgets/CNumberBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <array>

namespace kelvo::test {

// The training window's controls, found by their object names.
struct TrainingControls {
    explicit TrainingControls(const QWidget& window) : m_window(window) {
        for (int i = 0; i < 3; ++i) {
            optModes[i] = Find<QRadioButton>(QStringLiteral("optModes_%1").arg(i));
        }
        for (int i = 0; i < frmTraining::kSlotCount; ++i) {
            fraQuestions[i] = Find<QFrame>(QStringLiteral("fraQuestions_%1").arg(i));
        }
        for (int i = 0; i < 2; ++i) {
            optAnswerModes[i] = Find<QRadioButton>(QStringLiteral("optAnswerModes_%1").arg(i));
        }
        for (int digit = 0; digit < 10; ++digit) {
            cmdKeys[digit] = Find<QPushButton>(QStringLiteral("cmdKeys_%1").arg(digit));
        }
        for (int i = 0; i < frmTraining::kLabelCount; ++i) {
            lblQuestions[i] = Find<CClickLabel>(QStringLiteral("lblQuestions_%1").arg(i));
        }
    }

    template <class Widget>
    Widget* Find(const QString& name) const {
        return m_window.findChild<Widget*>(name);
    }

    const QWidget& m_window;
    QPushButton* cmdExit = Find<QPushButton>(QStringLiteral("cmdExit"));
    QPushButton* cmdShowHelp = Find<QPushButton>(QStringLiteral("cmdShowHelp"));
    QPushButton* cmdFont = Find<QPushButton>(QStringLiteral("cmdFont"));
    std::array<QRadioButton*, 3> optModes{};
    CNumberBox* txtTime = Find<CNumberBox>(QStringLiteral("txtTime"));
    QLabel* lblSecond = Find<QLabel>(QStringLiteral("lblSecond"));
    QTimer* timTimer = Find<QTimer>(QStringLiteral("timTimer"));
    QLabel* lblCorrect = Find<QLabel>(QStringLiteral("lblCorrect"));
    QLabel* lblWrong = Find<QLabel>(QStringLiteral("lblWrong"));
    QLabel* lblScore = Find<QLabel>(QStringLiteral("lblScore"));
    QLabel* lblSeconds = Find<QLabel>(QStringLiteral("lblSeconds"));
    QLabel* lblGrade = Find<QLabel>(QStringLiteral("lblGrade"));
    QPushButton* cmdCreate = Find<QPushButton>(QStringLiteral("cmdCreate"));
    QPushButton* cmdFinish = Find<QPushButton>(QStringLiteral("cmdFinish"));
    QPushButton* cmdStart = Find<QPushButton>(QStringLiteral("cmdStart"));
    std::array<QFrame*, frmTraining::kSlotCount> fraQuestions{};
    std::array<CClickLabel*, frmTraining::kLabelCount> lblQuestions{};
    QLabel* Label1 = Find<QLabel>(QStringLiteral("Label1"));
    QLabel* lblInfo = Find<QLabel>(QStringLiteral("lblInfo"));
    QLabel* lblCountdownProgress = Find<QLabel>(QStringLiteral("lblCountdownProgress"));
    QLabel* lblProgress2 = Find<QLabel>(QStringLiteral("lblProgress2"));
    QLabel* lblTimerCounter = Find<QLabel>(QStringLiteral("lblTimerCounter"));
    QCheckBox* chkTeachingChoices = Find<QCheckBox>(QStringLiteral("chkTeachingChoices"));
    QCheckBox* chkReadAloud = Find<QCheckBox>(QStringLiteral("chkReadAloud"));
    QPushButton* cmdMistakeBook = Find<QPushButton>(QStringLiteral("cmdMistakeBook"));
    QPushButton* cmdScoreHistory = Find<QPushButton>(QStringLiteral("cmdScoreHistory"));
    std::array<QRadioButton*, 2> optAnswerModes{};
    QComboBox* cboSchoolYear = Find<QComboBox>(QStringLiteral("cboSchoolYear"));
    CNumberBox* txtTarget = Find<CNumberBox>(QStringLiteral("txtTarget"));
    QLabel* lblRate = Find<QLabel>(QStringLiteral("lblRate"));
    QWidget* fraKeypad = Find<QWidget>(QStringLiteral("fraKeypad"));
    std::array<QPushButton*, 10> cmdKeys{};
    QPushButton* cmdRemainder = Find<QPushButton>(QStringLiteral("cmdRemainder"));
    QPushButton* cmdBackspace = Find<QPushButton>(QStringLiteral("cmdBackspace"));
    QPushButton* cmdEnter = Find<QPushButton>(QStringLiteral("cmdEnter"));
};

inline TrainingControls Ui(const QWidget& window) {
    return TrainingControls(window);
}

} // namespace kelvo::test
