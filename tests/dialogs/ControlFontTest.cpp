#include "dialogs/ControlFont.h"

#include "QStringPrinter.h"
#include "dialogs/CFontDialog.h"
#include "foundation/RuntimeError.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace kelvo {
namespace {

class ControlFontTest : public testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPointSizeF(10.5);
        font.setUnderline(true);
        m_output.setFont(font);
        SetControlTextColor(m_output, 0x00FF00);
        SetControlCharset(m_output, 134);
    }

    QPlainTextEdit m_output;
};

TEST_F(ControlFontTest, TextBoxColourIsItsTextColour) {
    EXPECT_EQ(m_output.palette().color(QPalette::Text), QColor(0, 0xFF, 0));
    QLabel label;
    SetControlTextColor(label, 0x0080FF);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0));
    EXPECT_EQ(ControlTextColor(label), 0x0080FF);
}

TEST_F(ControlFontTest, PresetTakesEveryPropertyOfTheControl) {
    CFontDialog dialog;
    PresetFontDialog(dialog, m_output);
    EXPECT_EQ(dialog.Name(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(dialog.Size(), 10); // 10.5 rounds to the even neighbour
    EXPECT_EQ(dialog.Weight(), 400);
    EXPECT_FALSE(dialog.Italic());
    EXPECT_TRUE(dialog.Underline());
    EXPECT_FALSE(dialog.Strikethru());
    EXPECT_EQ(dialog.Color(), 0x00FF00);
    EXPECT_EQ(dialog.Charset(), 134);
}

TEST_F(ControlFontTest, ACharacterSetBeyondOneByteStopsThePreset) {
    SetControlCharset(m_output, 300);
    CFontDialog dialog;
    try {
        PresetFontDialog(dialog, m_output);
        FAIL() << "the preset went through";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }
}

} // namespace
} // namespace kelvo
