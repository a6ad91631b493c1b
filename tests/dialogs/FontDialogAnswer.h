#pragma once

#include "dialogs/ControlFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace kelvo {

inline const QString kChosenFace = QStringLiteral("Noto Sans Mono CJK SC");

// Answers the next font dialog as a user does: the face above, size 16, bold, italic,
// strikethrough, no underline and blue, then the button ("cmdOK" or "cmdCancel").
inline void AnswerNextFontDialog(const char* pButton) {
    QTimer::singleShot(0, [pButton] {
        auto* pForm = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pForm, nullptr);
        auto* pNames = pForm->findChild<QFontComboBox*>(QStringLiteral("cboFontName"));
        pNames->setCurrentIndex(pNames->findText(kChosenFace));
        pForm->findChild<QSpinBox*>(QStringLiteral("spnFontSize"))->setValue(16);
        auto* pWeights = pForm->findChild<QComboBox*>(QStringLiteral("cboFontWeight"));
        pWeights->setCurrentIndex(pWeights->findText(QStringLiteral("粗体")));
        pForm->findChild<QCheckBox*>(QStringLiteral("chkItalic"))->setChecked(true);
        pForm->findChild<QCheckBox*>(QStringLiteral("chkUnderline"))->setChecked(false);
        pForm->findChild<QCheckBox*>(QStringLiteral("chkStrikethru"))->setChecked(true);
        auto* pColors = pForm->findChild<QComboBox*>(QStringLiteral("cboColor"));
        pColors->setCurrentIndex(pColors->findText(QStringLiteral("蓝色")));
        pForm->findChild<QPushButton*>(QString::fromLatin1(pButton))->click();
    });
}

inline void ExpectChosenFont(const QWidget& control, int32_t iCharset) {
    EXPECT_EQ(control.font().family(), kChosenFace);
    EXPECT_EQ(control.font().pointSize(), 16);
    EXPECT_EQ(control.font().weight(), QFont::Bold);
    EXPECT_TRUE(control.font().italic());
    EXPECT_FALSE(control.font().underline());
    EXPECT_TRUE(control.font().strikeOut());
    EXPECT_EQ(ControlTextColor(control), 0xFF0000);
    EXPECT_EQ(ControlCharset(control), iCharset);
}

} // namespace kelvo
