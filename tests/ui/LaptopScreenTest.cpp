#include "MainWindowFixture.h"

#include <QAbstractButton>
#include <QScreen>

namespace kelvo {
namespace {

// Runs on the tests' 1366 × 768 screen (tests/laptop-screen.json), the
// most common school laptop.
using LaptopScreenTest = MainWindowFixture;

TEST_F(LaptopScreenTest, TheWindowOpensInsideTheScreenWithEveryControlReachable) {
    const QRect available = window->screen()->availableGeometry();
    ASSERT_EQ(available.size(), QSize(1366, 768));
    window->show();
    // Room is left for the desktop's title bar.
    EXPECT_LE(window->height(), 768 - 40);
    EXPECT_TRUE(available.contains(window->frameGeometry()));
    int reachable = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool isControl =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QPlainTextEdit*>(control);
        if (!isControl || !control->isVisibleTo(window.get())) {
            continue;
        }
        const QRect place(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(window->rect().contains(place)) << control->objectName().toStdString();
        ++reachable;
    }
    EXPECT_GT(reachable, 30);
}

} // namespace
} // namespace kelvo
