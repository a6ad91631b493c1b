// A fraction kind set up through the operand panel, created, and its PDF with
// the key read back by poppler's pdftotext: stacked, a fraction's numerator
// and denominator stand on lines of their own.
#include "MainWindowFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace kelvo {
namespace {

using FractionSheetTest = MainWindowFixture;

TEST_F(FractionSheetTest, AFractionKindIsSetUpCreatedAndPrintedStackedWithItsKey) {
    SelectOperandCount(2);
    Find<QComboBox>("cboPlaces", 0)->setCurrentIndex(4);
    Find<QComboBox>("cboPlaces", 1)->setCurrentIndex(4);
    Find<QComboBox>("cboPlaces", 4)->setCurrentIndex(5);
    EXPECT_EQ(Find<QGroupBox>("fraOperands", 0)->title(), QString::fromUtf16(u"运算数一的分母"));
    EnterText(Box("txtLimits", 0), QStringLiteral("2"));
    EnterText(Box("txtLimits", 1), QStringLiteral("6"));
    EnterText(Box("txtLimits", 2), QStringLiteral("2"));
    EnterText(Box("txtLimits", 3), QStringLiteral("6"));
    EnterText(Box("txtLimits", 8), QStringLiteral("0"));
    EnterText(Box("txtLimits", 9), QStringLiteral("2"));
    SetGapOperators(0, "x---");
    const auto kind = window->OperandController().QuestionData();
    EXPECT_EQ(kind->Fractions(), (CFractionShape{{FractionOperand::Proper, FractionOperand::Proper},
                                                 FractionResult::Mixed}));
    EnterText(Box("txtSettings", 0), QStringLiteral("6"));
    EnterText(Box("txtSettings", 1), QStringLiteral("3"));
    Find<QPushButton>(QStringLiteral("cmdCreate"))->click();
    static const QRegularExpression plainFraction(QStringLiteral("\\d/\\d"));
    EXPECT_EQ(Output().count(plainFraction), 2 * 18) << Output().toStdString();
    EXPECT_TRUE(Output().contains(u'＋'));

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    const QString path = m_folder.filePath(QStringLiteral("fractions.pdf"));
    dialogs.fileAnswer = path;
    Find<QPushButton>(QStringLiteral("cmdExportPdf"))->click();
    ASSERT_TRUE(messages.empty());
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QStringList pages =
        QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    const auto digits = [](const QString& page) {
        return page.count(QRegularExpression(QStringLiteral("\\d")));
    };
    for (const QString& page : pages) {
        EXPECT_FALSE(page.contains(plainFraction)) << page.toStdString();
        EXPECT_EQ(page.count(u'＋'), 18);
    }
    // The key adds each answer's numerator and denominator.
    EXPECT_GE(digits(pages[1]), digits(pages[0]) + 2 * 18);
}

} // namespace
} // namespace kelvo
