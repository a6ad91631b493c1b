#include "widgets/CNumberBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
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

// Pasted and dropped text keeps what typing it would keep.
TEST(NumberBoxTest, PastedAndDroppedTextIsFilteredAsTyped) {
    struct Case {
        const char* pasted;
        bool replaceAll;
        const char* pastedResult;
        const char* droppedResult; // dropped at the end; a drop keeps the selection's text
    };
    const Case cases[] = {
        {"1a2-3.4 ", false, "5123.4", "5123.4"},
        {"  42  ", true, "42", "542"},
        {"abc", true, "5", "5"},
        {"二十", false, "5", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        const QString text = QString::fromUtf8(c.pasted);
        QGuiApplication::clipboard()->setText(text);
        CNumberBox pasting(0, 10000, 5);
        pasting.show();
        if (c.replaceAll) {
            pasting.selectAll();
        }
        const QPoint inside(2, 2);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, pasting.mapToGlobal(inside));
        QApplication::sendEvent(&pasting, &click);
        auto* menu = pasting.findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->text().startsWith(QStringLiteral("&Paste"));
        });
        ASSERT_NE(paste, actions.end());
        (*paste)->trigger();
        menu->close();
        EXPECT_EQ(pasting.text(), QString::fromUtf8(c.pastedResult));

        CNumberBox dropping(0, 10000, 5);
        dropping.show();
        if (c.replaceAll) {
            dropping.selectAll();
        }
        QMimeData dragged;
        dragged.setText(text);
        const QPoint end(dropping.width() - 2, 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dropping, &enter);
        QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dropping, &drop);
        EXPECT_EQ(dropping.text(), QString::fromUtf8(c.droppedResult));
    }
}

} // namespace
} // namespace kelvo
