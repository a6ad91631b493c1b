// The printed sheet end to end: the main window's buttons, the page options
// and their file, the preview, and the PDF read back by poppler's tools.
#include "MainWindowFixture.h"
#include "printing/CPagePreview.h"
#include "printing/CPageView.h"
#include "support/KindFactory.h"
#include "ui/frmPageOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace kelvo {
namespace {

class PagesTest : public MainWindowFixture {
protected:
    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // Sums below 200 in a 10 × 5 sheet.
    void CreateAdditions() const {
        window->ShowQuestionData(*testing::MakeKind({{1, 99}, {1, 99}}, {u"＋$$$"}, {0, 200}));
        Click("cmdCreate");
    }
    void SetPageOptions(const std::function<void(frmPageOptions&)>& change) {
        dialogs.onPageOptions = [&](frmPageOptions& dialog) {
            change(dialog);
            return true;
        };
        Click("cmdPageOptions");
    }
    static QString Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

struct Cell {
    int number;
    QString first, second, result;
};

// Every "(n) a＋b=c" of a page in reading order; a blank operand is empty.
std::vector<Cell> Cells(const QString& page) {
    static const QRegularExpression cell(
        QStringLiteral("\\((\\d+)\\)\\s*(\\d*)\\s*＋\\s*(\\d*)\\s*=\\s*(\\d+)"));
    std::vector<Cell> cells;
    for (const QString& line : page.split(u'\n')) {
        for (auto match = cell.globalMatch(line); match.hasNext();) {
            const auto found = match.next();
            cells.push_back({found.captured(1).toInt(), found.captured(2), found.captured(3),
                             found.captured(4)});
        }
    }
    return cells;
}

TEST_F(PagesTest, ThePdfHasEachCopysQuestionsInOrderAndAKeyThatAnswersThem) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    CreateAdditions();
    QTest::mouseClick(Find<QCheckBox>(QStringLiteral("chkFillQuestion")), Qt::LeftButton);
    SetPageOptions([](frmPageOptions& dialog) { dialog.txtCopies->setValue(2); });
    const QString path =
        qEnvironmentVariable("KELVO_KEEP_PDF", m_folder.filePath(QStringLiteral("sheet.pdf")));
    dialogs.fileAnswer = path;
    Click("cmdExportPdf");
    // Five columns of numbered fill-in sums fit at 10.5 pt only, and the status
    // line says so beside the file's place, with no message box in the way.
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblStatus"))
                    ->text()
                    .contains(QStringLiteral("<br>字号已从 12 磅缩小到 10.5 磅，以便每行排得下")));
    ASSERT_EQ(dialogs.fileQuestions.size(), 1U);
    EXPECT_TRUE(dialogs.fileQuestions.front().start.endsWith(QStringLiteral(".pdf")));

    const QStringList pages =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
            .split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4);
    std::vector<std::vector<Cell>> copies;
    for (int index = 0; index < 4; ++index) {
        const std::vector<Cell> cells = Cells(pages[index]);
        ASSERT_EQ(cells.size(), 50U) << index;
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(cells[static_cast<size_t>(i)].number, i + 1);
        }
        EXPECT_EQ(pages[index].contains(QStringLiteral("答案")), index >= 2);
        // The glyph of 页 comes back as the radical ⻚ it shares.
        EXPECT_TRUE(
            pages[index].contains(QRegularExpression(QStringLiteral("第 1 [页⻚] / 共 1 [页⻚]"))));
        copies.push_back(cells);
    }
    EXPECT_NE(copies[0][0].result + copies[0][1].result, copies[1][0].result + copies[1][1].result);
    for (int copy = 0; copy < 2; ++copy) {
        for (size_t i = 0; i < 50; ++i) {
            const Cell& asked = copies[static_cast<size_t>(copy)][i];
            const Cell& answered = copies[static_cast<size_t>(copy) + 2][i];
            EXPECT_EQ(answered.first.toInt() + answered.second.toInt(), answered.result.toInt());
            // One operand blank on the sheet, the same one the key fills in.
            EXPECT_NE(asked.first.isEmpty(), asked.second.isEmpty());
            EXPECT_EQ(asked.result, answered.result);
            EXPECT_TRUE(asked.first.isEmpty() || asked.first == answered.first);
            EXPECT_TRUE(asked.second.isEmpty() || asked.second == answered.second);
        }
    }

    EXPECT_TRUE(Run(QStringLiteral("pdfinfo"), {path})
                    .contains(QRegularExpression(
                        QStringLiteral("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)"))));
    const QStringList fonts =
        Run(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2);
    for (const QString& font : fonts.mid(2)) {
        const QStringList fields = font.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(fields.size(), 5);
        EXPECT_EQ(fields[fields.size() - 5], QStringLiteral("yes")) << font.toStdString();
    }
}

TEST_F(PagesTest, PageOptionsAreKeptInTheirOwnFileAndABadOneSaysSo) {
    SetPageOptions([](frmPageOptions& dialog) {
        dialog.cboPaper->setCurrentIndex(1);
        dialog.optLandscape->click();
        dialog.txtMargin->setValue(20);
        dialog.txtCopies->setValue(50);
        dialog.chkNumbered->click();
        dialog.chkLargePrint->click();
        dialog.chkHeaderFields[0]->click();
        dialog.chkHeaderFields[1]->click();
    });
    const CPageOptions chosen = window->PageOptions();
    EXPECT_EQ(chosen.Paper().Size(), PaperSize::A5);
    EXPECT_EQ(chosen.Paper().Orientation(), PageOrientation::Landscape);
    EXPECT_EQ(chosen.Paper().MarginMillimetres(), 20);
    EXPECT_EQ(chosen.Copies(), 50);
    EXPECT_FALSE(chosen.IsNumbered());
    EXPECT_TRUE(chosen.IsAnswerKey());
    EXPECT_TRUE(chosen.IsLargePrint());
    EXPECT_TRUE(chosen.HasHeaderField(0));
    EXPECT_FALSE(chosen.HasHeaderField(1));
    EXPECT_TRUE(chosen.HasHeaderField(2));
    window.reset();
    EXPECT_TRUE(MakeWindow()->PageOptions() == chosen);

    QFile file(m_folder.filePath(QStringLiteral("KelvoPage.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"({"format": "kelvo-page", "version": 1, "paper": "A3"})");
    file.close();
    window = MakeWindow();
    EXPECT_TRUE(window->PageOptions() == CPageOptions());
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblStatus"))
                    ->text()
                    .startsWith(QStringLiteral("页面设置没有恢复")));
}

// Twenty wide columns cannot fit upright even at 9 pt; the preview says so and
// landscape, once taken, is kept.
TEST_F(PagesTest, ThePreviewSaysWhenRowsDoNotFitAndOffersLandscape) {
    EnterText(Box("txtSettings", 1), QStringLiteral("20"));
    EnterText(Box("txtSettings", 3), QStringLiteral("50"));
    CreateAdditions();
    bool warned = false;
    dialogs.onPreview = [&](CPagePreview& preview) {
        warned = preview.FitWarning().isVisibleTo(&preview.Dialog());
        QTest::mouseClick(&preview.LandscapeButton(), Qt::LeftButton);
    };
    Click("cmdPreview");
    EXPECT_TRUE(warned);
    EXPECT_EQ(window->PageOptions().Paper().Orientation(), PageOrientation::Landscape);

    EnterText(Box("txtSettings", 3), QStringLiteral("1"));
    EnterText(Box("txtSettings", 1), QStringLiteral("5"));
    Click("cmdCreate");
    dialogs.onPreview = [&](CPagePreview& preview) {
        warned = preview.FitWarning().isVisibleTo(&preview.Dialog());
    };
    Click("cmdPreview");
    EXPECT_FALSE(warned);
}

// A sheet of many pages: the preview counts them all, paints the one scrolled
// to, and zooms.
TEST_F(PagesTest, ThePreviewShowsAnyPageOfALongSheet) {
    EnterText(Box("txtSettings", 0), QStringLiteral("300"));
    CreateAdditions();
    QString first;
    QString last;
    int inkOfLast = 0;
    dialogs.onPreview = [&](CPagePreview& preview) {
        preview.Dialog().resize(700, 600);
        preview.Dialog().show();
        QCoreApplication::processEvents();
        first = preview.PageLabel().text();
        CPageView& view = preview.View();
        const double wholePage = view.Zoom();
        QTest::mouseClick(preview.Dialog().findChild<QPushButton*>(QStringLiteral("cmdFitWidth")),
                          Qt::LeftButton);
        EXPECT_GT(view.Zoom(), wholePage);
        // The foot of the last page, with its page number and code.
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        last = preview.PageLabel().text();
        const QImage shown = view.viewport()->grab().toImage();
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                inkOfLast += qGray(shown.pixel(x, y)) < 64 ? 1 : 0;
            }
        }
        QTest::mouseClick(preview.Dialog().findChild<QPushButton*>(QStringLiteral("cmdWholePage")),
                          Qt::LeftButton);
        EXPECT_DOUBLE_EQ(view.Zoom(), wholePage);
    };
    Click("cmdPreview");
    const QRegularExpression count(QStringLiteral("^第 1 页 / 共 (\\d+) 页$"));
    const QRegularExpressionMatch match = count.match(first);
    ASSERT_TRUE(match.hasMatch()) << first.toStdString();
    EXPECT_GE(match.captured(1).toInt(), 12) << "30 sheet pages with as many key pages";
    EXPECT_EQ(last, QStringLiteral("第 %1 页 / 共 %1 页").arg(match.captured(1)));
    EXPECT_GT(inkOfLast, 100) << "the last page is painted when scrolled to";
}

TEST_F(PagesTest, WithoutASheetThereIsNothingToPreviewOrExport) {
    Click("cmdExportPdf");
    EXPECT_TRUE(dialogs.fileQuestions.empty()) << "no file is asked for";
    EXPECT_EQ(Output(), QStringLiteral("当前还没有生成题目，生成题目后才能导出PDF。"));
    Click("cmdPreview");
    EXPECT_EQ(Output(), QStringLiteral("当前还没有生成题目，生成题目后才能打印预览。"));
}

// The system's reason is said in Chinese, not in the system's own words.
TEST_F(PagesTest, APdfThatCannotBeWrittenSaysWhyInChinese) {
    CreateAdditions();
    const QString path = m_folder.filePath(QStringLiteral("missing/sheet.pdf"));
    dialogs.fileAnswer = path;
    Click("cmdExportPdf");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages.front(), QStringLiteral("无法写入文件 %1：文件或文件夹不存在。")
                                    .arg(QDir::toNativeSeparators(path)));
}

// Eight columns fit only on paper on its side: the PDF takes it and says so.
TEST_F(PagesTest, APdfTooWideForUprightPaperIsTurned) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    EnterText(Box("txtSettings", 1), QStringLiteral("8"));
    CreateAdditions();
    const QString path = m_folder.filePath(QStringLiteral("wide.pdf"));
    dialogs.fileAnswer = path;
    Click("cmdExportPdf");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblStatus"))
                    ->text()
                    .contains(QStringLiteral("改用了横向纸张")));
    EXPECT_TRUE(Run(QStringLiteral("pdfinfo"), {path})
                    .contains(QRegularExpression(
                        QStringLiteral("Page size:\\s+84[12][.\\d]* x 595[.\\d]* pts \\(A4\\)"))));
    EXPECT_EQ(window->PageOptions().Paper().Orientation(), PageOrientation::Portrait);
}

// A long export counts its pages in the progress frame as it paints them.
TEST_F(PagesTest, ALongExportCountsItsPages) {
    CreateAdditions();
    SetPageOptions([](frmPageOptions& dialog) { dialog.txtCopies->setValue(5); });
    dialogs.fileAnswer = m_folder.filePath(QStringLiteral("copies.pdf"));
    QStringList shown;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const QString text = Find<QLabel>(QStringLiteral("lblInfoContent"))->text();
        if (!text.isEmpty() && (shown.isEmpty() || shown.back() != text)) {
            shown << text;
        }
    });
    probe.start();
    Click("cmdExportPdf");
    probe.stop();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.back(), QString::fromUtf16(u"第 10 页 / 共 10 页"));
}

// The status line says where the PDF went and opens it or its folder; the
// next export starts there. Rows too wide even on a page's side give no file.
TEST_F(PagesTest, TheExportSaysWhereThePdfWentAndRefusesCutRows) {
    CreateAdditions();
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("sheets")));
    const QString path = m_folder.filePath(QStringLiteral("sheets/a.pdf"));
    dialogs.fileAnswer = path;
    Click("cmdExportPdf");
    ASSERT_TRUE(messages.empty()) << messages.front().toStdString();
    auto* status = Find<QLabel>(QStringLiteral("lblStatus"));
    EXPECT_TRUE(status->text().contains(QDir::toNativeSeparators(path)));
    emit status->linkActivated(QStringLiteral("file"));
    emit status->linkActivated(QStringLiteral("folder"));
    EXPECT_EQ(openedUrls, (std::vector<QUrl>{QUrl::fromLocalFile(path),
                                             QUrl::fromLocalFile(QFileInfo(path).absolutePath())}));

    EnterText(Box("txtSettings", 1), QStringLiteral("20"));
    Click("cmdCreate");
    dialogs.fileAnswer = m_folder.filePath(QStringLiteral("sheets/wide.pdf"));
    Click("cmdExportPdf");
    EXPECT_EQ(dialogs.fileQuestions.back().start,
              QDir(QFileInfo(path).absolutePath()).filePath(QStringLiteral("口算练习.pdf")));
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("没有导出 PDF 文件")));
    EXPECT_FALSE(QFile::exists(dialogs.fileAnswer));
}

} // namespace
} // namespace kelvo
