#include "training/CTimeBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvo {
namespace {

void LoseFocus(CTimeBox& box) {
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &leave);
}

TEST(CTimeBoxTest, TypingKeepsDigitsPointAndBackspace) {
    CTimeBox box;
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("a1-2.b5 e"));
    EXPECT_EQ(box.text(), QStringLiteral("12.5"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("12."));
}

TEST(CTimeBoxTest, LeavingTheBoxPutsItsNumberIntoRange) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{"99999", "9999"}, Case{"0", "1"}, Case{"  7", "7"}, Case{"0.4", "1"},
                          Case{"0.5", "1"}, Case{"7.5", "7.5"}, Case{"007", "7"},
                          Case{"123456", "9999"}, Case{"  9999.", "9999"}, Case{"1", "1"}}) {
        CTimeBox box;
        box.setText(QLatin1String(c.typed));
        LoseFocus(box);
        EXPECT_EQ(box.text(), QLatin1String(c.kept)) << c.typed;
    }
}

TEST(CTimeBoxTest, TextWithoutANumberGivesBackTheLastSeconds) {
    CTimeBox box;
    for (const char* typed : {"", ".", "1.2.3", "abc"}) {
        box.setText(QLatin1String(typed));
        LoseFocus(box);
        EXPECT_EQ(box.text(), QStringLiteral("60")) << typed;
    }
    box.setText(QStringLiteral("25"));
    EXPECT_EQ(box.Seconds(), 25);
    box.setText(QStringLiteral("."));
    EXPECT_EQ(box.Seconds(), 25);
    LoseFocus(box);
    EXPECT_EQ(box.text(), QStringLiteral("25"));
}

TEST(CTimeBoxTest, SecondsAreWholeRoundedHalvesToEvenWithinRange) {
    struct Case {
        const char* text;
        int32_t seconds;
    };
    for (const Case& c :
         {Case{"7.5", 8}, Case{"6.5", 6}, Case{"0.4", 1}, Case{"0", 1}, Case{"0.6", 1},
          Case{"9999", 9999}, Case{"9999.6", 9999}, Case{"2147484", 9999}, Case{"  42", 42}}) {
        CTimeBox box;
        box.setText(QLatin1String(c.text));
        EXPECT_EQ(box.Seconds(), c.seconds) << c.text;
    }
}

} // namespace
} // namespace kelvo
