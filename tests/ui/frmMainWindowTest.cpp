#include "MainWindowFixture.h"

#include "ui/frmMainHelp.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

namespace kelvo {
namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

using WindowTest = MainWindowFixture;

// The help window shows the guide that is installed beside the program.
TEST_F(WindowTest, HelpShowsTheShippedGuideModallyAndCloses) {
    QString title;
    QString shown;
    QTimer::singleShot(0, window.get(), [&] {
        auto* help = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(help, nullptr);
        title = help->windowTitle();
        shown = help->findChild<QTextBrowser*>(QStringLiteral("txtHelp"))->toPlainText();
        auto* close = help->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        EXPECT_EQ(close->text(), QString::fromUtf16(u"关闭"));
        close->click();
    });
    Find<QPushButton>(QStringLiteral("cmdHelp"))->click();
    EXPECT_EQ(title, QString::fromUtf16(u"Kelvo帮助"));
    QFile shipped(frmMain::GuidePath());
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QTextDocument guide;
    guide.setHtml(QString::fromUtf8(shipped.readAll()));
    EXPECT_TRUE(shown.startsWith(QString::fromUtf16(u"Kelvo使用指南")));
    EXPECT_EQ(shown, guide.toPlainText());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowTest, LinkLabelsOpenTheShippedGuide) {
    EXPECT_TRUE(QFile::exists(frmMain::GuidePath()));
    emit Find<QLabel>(QStringLiteral("lblCultureSite_0"))->linkActivated(QStringLiteral("#"));
    emit Find<QLabel>(QStringLiteral("lblCultureSite_1"))->linkActivated(QStringLiteral("#"));
    ASSERT_EQ(openedUrls.size(), 2u);
    EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(frmMain::GuidePath()));
    EXPECT_EQ(openedUrls[1].adjusted(QUrl::RemoveFragment), openedUrls[0]);
    EXPECT_EQ(openedUrls[1].fragment(), QStringLiteral("settings"));
}

TEST_F(WindowTest, DetailShowsWhereTheGuideIsUntilTheMouseMovesOn) {
    auto* tips = Find<QGroupBox>(QStringLiteral("fraSiteTips"));
    auto* site = Find<QLineEdit>(QStringLiteral("txtFilmSite"));
    EXPECT_TRUE(tips->isHidden());
    emit Find<QLabel>(QStringLiteral("lblSiteDetail"))->linkActivated(QStringLiteral("#"));
    EXPECT_FALSE(tips->isHidden());
    EXPECT_TRUE(site->text().endsWith(QStringLiteral("KelvoGuide.html")));
    EXPECT_EQ(window->focusWidget(), site);

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Find<QPlainTextEdit>(QStringLiteral("txtOutput"))->viewport(), &move);
    EXPECT_TRUE(tips->isHidden());
}

TEST_F(WindowTest, ExitClosesAndSaves) {
    window->show();
    Find<QPushButton>(QStringLiteral("cmdExitMain"))->click();
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(QFile::exists(SettingsPath()));
}

TEST_F(WindowTest, EveryControlHasANameForAssistiveTechnology) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        EXPECT_EQ(AccessibleName(button), button->text()) << button->objectName().toStdString();
    }
    for (QWidget* box : window->findChildren<QLineEdit*>()) {
        EXPECT_FALSE(AccessibleName(box).isEmpty()) << box->objectName().toStdString();
    }
    for (QWidget* list : window->findChildren<QComboBox*>()) {
        EXPECT_FALSE(AccessibleName(list).isEmpty()) << list->objectName().toStdString();
    }
    for (QWidget* frame : window->findChildren<QGroupBox*>()) {
        EXPECT_FALSE(AccessibleName(frame).isEmpty()) << frame->objectName().toStdString();
    }
    EXPECT_FALSE(AccessibleName(Find<QPlainTextEdit>(QStringLiteral("txtOutput"))).isEmpty());
    EXPECT_EQ(AccessibleName(Box("txtSettings", 0)), QString::fromUtf16(u"行数"));
    EXPECT_EQ(AccessibleName(Find<QGroupBox>("fraOperands", 4)), QString::fromUtf16(u"得数"));
}

} // namespace
} // namespace kelvo

namespace kelvo {
namespace {

// Cells of one worksheet hold the same number of characters, operators
// included; they line up only when every operator has one advance and every
// digit and space another.
TEST(OutputFontTest, OperatorsShareOneWidthAndDigitsAndSpacesAnother) {
    const QFontMetricsF metrics(DefaultOutputFont());
    const qreal operatorWidth = metrics.horizontalAdvance(QString::fromUtf16(u"＋"));
    for (const char16_t* op : {u"－", u"×", u"÷"}) {
        EXPECT_EQ(metrics.horizontalAdvance(QString::fromUtf16(op)), operatorWidth);
    }
    const qreal digitWidth = metrics.horizontalAdvance(QStringLiteral("0"));
    for (const char* narrow : {"1", "7", " ", "=", "(", ")"}) {
        EXPECT_EQ(metrics.horizontalAdvance(QString::fromLatin1(narrow)), digitWidth) << narrow;
    }
    EXPECT_TRUE(QFontInfo(DefaultOutputFont()).family().contains(QStringLiteral("CJK")));
}

} // namespace
} // namespace kelvo

namespace kelvo {
namespace {

using GuideTest = MainWindowFixture;

TEST_F(GuideTest, WithoutAViewerTheLinksSayWhereTheGuideIs) {
    dialogs.urlsOpen = false;
    for (const char* link : {"lblCultureSite_0", "lblCultureSite_1"}) {
        emit Find<QLabel>(QLatin1String(link))->linkActivated(QStringLiteral("#"));
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(frmMain::GuidePath())));
    EXPECT_EQ(messages[1], messages[0]);
}

// A link label is no wider than its caption, and only the caption shows the
// link cursor (QLabel's own, over the anchor).
TEST_F(GuideTest, OnlyTheCaptionOfALinkLabelIsALink) {
    window->show();
    for (const char* name : {"lblCultureSite_0", "lblCultureSite_1", "lblSiteDetail"}) {
        auto* label = Find<QLabel>(QLatin1String(name));
        EXPECT_EQ(label->width(), label->sizeHint().width()) << name;
        EXPECT_NE(label->cursor().shape(), Qt::PointingHandCursor) << name;
    }
}

} // namespace
} // namespace kelvo
