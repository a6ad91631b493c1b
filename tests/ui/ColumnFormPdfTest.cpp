// Column form end to end: the page option, the PDF of a sheet and its key read
// back by poppler's pdftotext, and the note of the preview.
#include "MainWindowFixture.h"
#include "printing/CPagePreview.h"
#include "ui/frmPageOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace kelvo {
namespace {

class ColumnFormPdfTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        EnterText(Box("txtSettings", 0), QStringLiteral("10"));
        EnterText(Box("txtSettings", 1), QStringLiteral("4"));
        dialogs.onPageOptions = [](frmPageOptions& dialog) {
            dialog.chkColumnForm->click();
            return true;
        };
        Click("cmdPageOptions");
    }
    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // The pages of the PDF of the sheet, as pdftotext lays them out.
    QStringList ExportPages(const QString& name) {
        const QString path = m_folder.filePath(name);
        dialogs.fileAnswer = path;
        Click("cmdExportPdf");
        EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    }
};

// The lines of the first question's cell that hold digits, cut to its column
// (from its number "(1)" to the next number on that line) with the number
// blanked; empty when the page has no question 1.
QStringList FirstCell(const QString& page) {
    const QStringList lines = page.split(u'\n');
    static const QRegularExpression number(QStringLiteral("\\(\\d+\\)"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype left = lines[i].indexOf(QStringLiteral("(1)"));
        if (left < 0) {
            continue;
        }
        const auto next = number.match(lines[i], left + 3);
        const qsizetype width = next.hasMatch() ? next.capturedStart() - left : -1;
        QStringList cell;
        for (qsizetype j = i; j < std::min(lines.size(), i + 12); ++j) {
            QString part = lines[j].mid(left, width);
            if (j == i) {
                part.replace(0, 3, QStringLiteral("   "));
            }
            if (j > i && number.match(part).hasMatch()) {
                break;
            }
            if (part.contains(QRegularExpression(QStringLiteral("\\d")))) {
                cell.push_back(part);
            }
        }
        return cell;
    }
    return {};
}

qsizetype UnitsColumn(const QString& line) {
    return line.lastIndexOf(QRegularExpression(QStringLiteral("\\d")));
}

QString Digits(const QString& line) {
    return QString(line).remove(QRegularExpression(QStringLiteral("\\D")));
}

TEST_F(ColumnFormPdfTest, UnitsStandUnderUnitsOnTheSheetAndInItsKey) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    struct Case {
        const char16_t* kind;
        // Lines with digits on the sheet and in the key.
        qsizetype sheetLines;
        qsizetype keyLines;
    };
    // The sheet: the factors; the key adds the product. A division shows
    // divisor and dividend on one line, the key the 商 above.
    const Case cases[] = {{u"两位数乘以两位数", 2, 3}, {u"整百数除以一位数", 1, 2}};
    for (const Case& c : cases) {
        SelectQuestionType(c.kind);
        Click("cmdCreate");
        const QStringList pages = ExportPages(QString::fromUtf16(c.kind) + QStringLiteral(".pdf"));
        ASSERT_GE(pages.size(), 2);
        ASSERT_EQ(pages.size() % 2, 0);
        const QString& sheet = pages.front();
        const QString& key = pages[pages.size() / 2];
        EXPECT_TRUE(key.contains(QStringLiteral("答案")));
        const QStringList asked = FirstCell(sheet);
        const QStringList answered = FirstCell(key);
        ASSERT_EQ(asked.size(), c.sheetLines) << sheet.toStdString();
        ASSERT_EQ(answered.size(), c.keyLines) << key.toStdString();
        // Each page has text columns of its own.
        for (const QStringList& cell : {asked, answered}) {
            for (const QString& line : cell) {
                EXPECT_EQ(UnitsColumn(line), UnitsColumn(cell.front())) << line.toStdString();
            }
        }
        const int32_t answer = Digits(answered.front()).toInt();
        if (c.sheetLines == 2) {
            EXPECT_EQ(Digits(asked[0]).toInt() * Digits(asked[1]).toInt(),
                      Digits(answered.back()).toInt());
        } else {
            // Divisor and dividend: one digit, then a whole hundred.
            const QString digits = Digits(answered.back());
            EXPECT_EQ(digits.mid(1).toInt(), digits.left(1).toInt() * answer);
        }
    }
}

// Decimals stand point under point, a whole number's units just before the
// point, on the sheet and in its key.
TEST_F(ColumnFormPdfTest, DecimalPointsLineUp) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    auto* terms = Find<QComboBox>(QStringLiteral("cboPresetTerm"));
    terms->setCurrentIndex(terms->findText(QString::fromUtf16(u"小数")));
    SelectQuestionType(u"两位小数加减法");
    Click("cmdCreate");
    const QStringList pages = ExportPages(QStringLiteral("decimals.pdf"));
    ASSERT_EQ(pages.size() % 2, 0);
    const QString& key = pages[pages.size() / 2];
    const QStringList answered = FirstCell(key);
    ASSERT_EQ(answered.size(), 3) << key.toStdString();
    const QStringList asked = FirstCell(pages[0]);
    ASSERT_EQ(asked.size(), 2);
    for (qsizetype k = 0; k < asked.size(); ++k) {
        EXPECT_EQ(asked[k].simplified(), answered[k].simplified());
    }
    const qsizetype point = answered.front().indexOf(u'.');
    ASSERT_GT(point, 0);
    for (const QString& line : answered) {
        const qsizetype own = line.indexOf(u'.');
        EXPECT_EQ(own < 0 ? UnitsColumn(line) + 1 : own, point) << line.toStdString();
    }
}

// A decimal product as the textbook writes it: the factors' last digits line
// up, and the key's product is theirs, its point where both factors' places
// put it.
TEST_F(ColumnFormPdfTest, DecimalFactorsLineUpByTheirLastDigits) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils are not installed";
    }
    auto* terms = Find<QComboBox>(QStringLiteral("cboPresetTerm"));
    terms->setCurrentIndex(terms->findText(QString::fromUtf16(u"小数")));
    SelectQuestionType(u"小数乘小数");
    Click("cmdCreate");
    const QStringList pages = ExportPages(QStringLiteral("products.pdf"));
    ASSERT_EQ(pages.size() % 2, 0);
    const QStringList answered = FirstCell(pages[pages.size() / 2]);
    ASSERT_EQ(answered.size(), 3) << pages[pages.size() / 2].toStdString();
    EXPECT_EQ(UnitsColumn(answered[0]), UnitsColumn(answered[1]));
    const auto placesOf = [](const QString& line) {
        const qsizetype point = line.indexOf(u'.');
        return point < 0 ? 0 : static_cast<int32_t>(Digits(line.mid(point)).size());
    };
    int64_t product = Digits(answered[2]).toLongLong();
    for (int32_t k = placesOf(answered[2]); k < placesOf(answered[0]) + placesOf(answered[1]);
         ++k) {
        product *= 10;
    }
    EXPECT_EQ(Digits(answered[0]).toLongLong() * Digits(answered[1]).toLongLong(), product);
}

// Kept with the other page options; a file from before it has none and loads.
TEST_F(ColumnFormPdfTest, ColumnFormIsKeptWithThePageOptions) {
    EXPECT_TRUE(window->PageOptions().IsColumnForm());
    window.reset();
    window = MakeWindow();
    EXPECT_TRUE(window->PageOptions().IsColumnForm());

    QFile file(m_folder.filePath(QStringLiteral("KelvoPage.json")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"({"format": "kelvo-page", "version": 1, "paper": "A5", "landscape": false,
                   "marginMillimetres": 15, "answerKey": true, "numbered": true, "copies": 2})");
    file.close();
    window = MakeWindow();
    EXPECT_EQ(window->PageOptions().Paper().Size(), PaperSize::A5);
    // Kept before column form, large print, the header and the QR code: none of them.
    EXPECT_FALSE(window->PageOptions().IsColumnForm());
    EXPECT_FALSE(window->PageOptions().IsLargePrint());
    EXPECT_FALSE(window->PageOptions().HasHeader());
    EXPECT_FALSE(window->PageOptions().IsQrCode());
}

TEST_F(ColumnFormPdfTest, ThePreviewNotesQuestionsThatStayOnOneLine) {
    QString note;
    dialogs.onPreview = [&](CPagePreview& preview) {
        note = preview.Note().isVisibleTo(&preview.Dialog()) ? preview.Note().text() : QString();
    };
    SelectQuestionType(u"两位数乘以两位数");
    Click("cmdCreate");
    Click("cmdPreview");
    EXPECT_TRUE(note.isEmpty());
    SelectQuestionType(u"100以内的连加减");
    Click("cmdCreate");
    Click("cmdPreview");
    // A line on the size may follow, as the numbers drawn make the rows wide.
    EXPECT_EQ(note.split(u'\n').front(),
              QStringLiteral("三个数或四个数的算式不列竖式，仍写在一行上。"));
}

} // namespace
} // namespace kelvo
