// 按编号重做 end to end: a sheet exported as a PDF, its code read back by
// poppler's pdftotext and its QR code by zbarimg, and the sheet made again
// from each, here and in a fresh Kelvo.
#include "MainWindowFixture.h"
#include "printing/CPagePreview.h"
#include "ui/frmPageOptions.h"
#include "ui/frmSheetCodes.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

namespace kelvo {
namespace {

QString ProgramOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF as pdftotext lays them out, without spaces and without
// the copy's number, which a copy made again alone does not print.
QStringList PdfPages(const QString& path) {
    static const QRegularExpression copyOrSpace(QStringLiteral("第\\s*\\d+\\s*份|\\s"));
    QStringList pages = ProgramOutput(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), path, QStringLiteral("-")})
                            .split(u'\f', Qt::SkipEmptyParts);
    for (QString& page : pages) {
        page.remove(copyOrSpace);
    }
    pages.removeAll(QString());
    return pages;
}

class SheetCodeRemakeTest : public MainWindowFixture {
protected:
    void Click(frmMain& on, const char* name) const {
        QTest::mouseClick(on.findChild<QPushButton*>(QLatin1StringView(name)), Qt::LeftButton);
    }
    // 按编号重做 with the text, exported to the file; the list the dialog showed.
    QStringList Remake(frmMain& on, const QString& text, const QString& path) {
        QStringList listed;
        dialogs.onSheetCodes = [&](frmSheetCodes& dialog) {
            for (int row = 0; row < dialog.lstPrinted->topLevelItemCount(); ++row) {
                listed.append(dialog.lstPrinted->topLevelItem(row)->text(2));
            }
            dialog.txtCode->setText(text);
            dialog.cmdExportPdf->click();
            return true;
        };
        dialogs.fileAnswer = path;
        Click(on, "cmdRemake");
        return listed;
    }
};

// Two copies with fill-in blanks: the code of the second copy, looked up in
// the list of printed sheets, makes that copy and its key again; the QR code
// of the first makes it again in a Kelvo with no settings of its own; text
// that is neither changes nothing.
TEST_F(SheetCodeRemakeTest, APrintedSheetIsMadeAgainFromItsCodeOrItsQrCode) {
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
        GTEST_SKIP() << "zbarimg (zbar-tools) is not installed: the QR code cannot be read back";
    }
    SelectQuestionType(u"20以内的进位加法");
    Find<QCheckBox>(QStringLiteral("chkFillQuestion"))->setChecked(true);
    dialogs.onPageOptions = [](frmPageOptions& dialog) {
        dialog.txtCopies->setValue(2);
        return true;
    };
    Click(*window, "cmdPageOptions");
    Click(*window, "cmdCreate");
    const QString original = m_folder.filePath(QStringLiteral("original.pdf"));
    dialogs.fileAnswer = original;
    Click(*window, "cmdExportPdf");
    const QStringList pages = PdfPages(original);
    ASSERT_EQ(pages.size(), 4); // two copies, then their keys
    static const QRegularExpression code(QStringLiteral("编号([0-9A-Z]{4}-[0-9A-Z]{4})"));
    const QString secondCode = code.match(pages[1]).captured(1);
    ASSERT_FALSE(secondCode.isEmpty()) << pages[1].toStdString();
    const QString shown = Output();

    const QString byCode = m_folder.filePath(QStringLiteral("byCode.pdf"));
    // Printed from the preview, it is listed a second time.
    dialogs.onPreview = [](CPagePreview& preview) { preview.Dialog().accept(); };
    Click(*window, "cmdPreview");
    const QStringList listed =
        Remake(*window, QString::fromUtf16(u"编号 ") + secondCode.toLower(), byCode);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed.front().endsWith(QString::fromUtf16(u"等 2 份")));
    EXPECT_EQ(PdfPages(byCode), (QStringList{pages[1], pages[3]}));
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_EQ(Output(), shown);

    for (const QString& neither :
         {QStringLiteral("7K3F9Q2"), QStringLiteral("KELVO1:7K3F-9Q2A:x")}) {
        const QString none = m_folder.filePath(QStringLiteral("none.pdf"));
        Remake(*window, neither, none);
        EXPECT_FALSE(QFile::exists(none));
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_TRUE(messages.front().contains(QString::fromUtf16(u"不是")))
            << messages.front().toStdString();
        messages.clear();
    }
    EXPECT_EQ(Output(), shown);

    const QString image = m_folder.filePath(QStringLiteral("page"));
    ProgramOutput(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-f"),
                   QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                   QStringLiteral("-png"), QStringLiteral("-singlefile"), original, image});
    const QString qrText =
        ProgramOutput(QStringLiteral("zbarimg"),
                      {QStringLiteral("--raw"), QStringLiteral("-q"), image + ".png"})
            .trimmed();
    ASSERT_TRUE(qrText.startsWith(QStringLiteral("KELVO1:"))) << qrText.toStdString();

    window.reset();
    const QTemporaryDir elsewhere;
    frmMain fresh(QDir(elsewhere.path()).filePath(QStringLiteral("Kelvo.ini")),
                  QDir(elsewhere.path()).filePath(QStringLiteral("KelvoHistory.sqlite")));
    fresh.SetDialogs(dialogs);
    const QString byQrCode = m_folder.filePath(QStringLiteral("byQrCode.pdf"));
    EXPECT_TRUE(Remake(fresh, qrText, byQrCode).isEmpty());
    EXPECT_EQ(PdfPages(byQrCode), (QStringList{pages[0], pages[2]}));
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
}

} // namespace
} // namespace kelvo
