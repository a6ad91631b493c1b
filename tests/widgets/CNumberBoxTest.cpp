#include "widgets/CNumberBox.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace kelvo {
namespace {

void LoseFocus(QWidget* widget) {
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &focusOut);
}

struct ReadCase {
    const char* text;
    int32_t minimum;
    int32_t maximum;
    int32_t expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << '"' << c.text << "\" in " << c.minimum << ".." << c.maximum;
}

class NumberBoxReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NumberBoxReadTest, ReadsTextThroughTheBoxRule) {
    const ReadCase& c = GetParam();
    // 7 is the value committed before the edit.
    CNumberBox box(c.minimum, c.maximum, 7);
    box.setText(QString::fromUtf8(c.text));
    EXPECT_EQ(box.Value(), c.expected) << c.text;
    LoseFocus(&box);
    EXPECT_EQ(box.text(), QString::number(c.expected)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberBoxReadTest,
    ::testing::Values(ReadCase{"  12345678", 0, 10000, 10000}, // only 123456 counts
                      ReadCase{"12345678", 0, 200000, 123456}, ReadCase{"2.5", 0, 10000, 2},
                      ReadCase{"3.5", 0, 10000, 4}, ReadCase{" 0.5", 0, 10000, 0},
                      ReadCase{"0", 1, 20, 1}, ReadCase{"25", 1, 20, 20},
                      ReadCase{"99999999999", 0, 10000, 10000}, ReadCase{"-5", 0, 10000, 0},
                      ReadCase{"12 ", 0, 10000, 12}, ReadCase{"", 0, 10000, 7},
                      ReadCase{".", 0, 10000, 7}, ReadCase{"1.2.3", 0, 10000, 7},
                      ReadCase{"   ", 0, 10000, 7}, ReadCase{"abc", 0, 10000, 7},
                      ReadCase{"1 2", 0, 10000, 7}, ReadCase{"1e999", 0, 10000, 7},
                      ReadCase{"二十", 0, 10000, 7}));

TEST(NumberBoxTest, NoNumberFallsBackToTheValueBeforeTheEdit) {
    CNumberBox box(0, 10000, 1);
    box.setText(QStringLiteral("42"));
    LoseFocus(&box);
    box.setText(QStringLiteral("."));
    EXPECT_EQ(box.Value(), 42);
    LoseFocus(&box);
    EXPECT_EQ(box.text(), QStringLiteral("42"));
}

TEST(NumberBoxTest, SetValueClampsIntoTheRange) {
    CNumberBox box(0, 25, 1);
    box.SetValue(30);
    EXPECT_EQ(box.text(), QStringLiteral("25"));
    box.setText(QString());
    EXPECT_EQ(box.Value(), 25);
}

TEST(NumberBoxTest, TypingLetsOnlyDigitsPointAndBackspaceThrough) {
    CNumberBox box(0, 10000, 1);
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("1a2-.+3 e"));
    EXPECT_EQ(box.text(), QStringLiteral("12.3"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("12."));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.text(), QStringLiteral("12."));
}

TEST(NumberBoxTest, ClipboardShortcutsAreDropped) {
    CNumberBox box(0, 10000, 5);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("5"));
}

} // namespace
} // namespace kelvo
