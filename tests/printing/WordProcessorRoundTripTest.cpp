// The export read back by the real word processor: LibreOffice converts the exported
// documents to flat OpenDocument text, whose paragraphs and character styles must be the
// worksheet and the output box's font.
#include "printing/WorksheetPrint.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/Sheet.h"

#include "PrivateTemporaryFolder.h"
#include "QStringPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kelvo {
namespace {

// A worksheet as the formatter lays it out, longer than the output box can show: title
// lines, empty lines, fill-in blanks and answers, padded with runs of spaces.
QString LongWorksheet() {
    QString strText;
    for (int iBlock = 0; iBlock < 120; ++iBlock) {
        strText += QStringLiteral("  姓名：__________  得分：______\r\n\r\n");
        for (int iRow = 0; iRow < 10; ++iRow) {
            for (int iColumn = 0; iColumn < 5; ++iColumn) {
                const int iFirst = (iBlock * 7 + iRow * 3 + iColumn) % 90 + 1;
                const int iSecond = (iRow * 11 + iColumn * 5) % 9 + 1;
                const QString strCell =
                    iColumn % 2 == 0
                        ? QStringLiteral("%1＋(   )=%2").arg(iFirst).arg(iFirst + iSecond)
                        : QStringLiteral("%1－%2=%3")
                              .arg(iFirst + iSecond)
                              .arg(iSecond)
                              .arg(iFirst);
                strText += strCell.leftJustified(16);
            }
            strText += QStringLiteral("\r\n");
        }
        strText += QStringLiteral("\r\n");
    }
    return strText;
}

struct CDocumentText {
    QStringList paragraphs;
    std::set<QString> textStyles; // the style of every character
    std::map<QString, std::map<QString, QString>> styleProperties;
    std::map<QString, QString> fontFamilies; // font-face name -> family
};

QString Unquoted(QString strFamily) {
    if (strFamily.size() >= 2 && strFamily.startsWith(u'\'') && strFamily.endsWith(u'\''))
        strFamily = strFamily.mid(1, strFamily.size() - 2);
    return strFamily;
}

CDocumentText ReadFlatOpenDocument(const QString& strPath) {
    CDocumentText document;
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return document;
    QXmlStreamReader xml(&file);
    QString strStyle;       // style whose properties are being read
    QStringList spanStyles; // text:p / text:span nesting
    bool bInParagraph = false;
    auto addText = [&](const QString& strText) {
        document.paragraphs.back() += strText;
        if (!strText.isEmpty())
            document.textStyles.insert(spanStyles.back());
    };
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.qualifiedName();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.isStartElement()) {
            if (name == u"style:font-face") {
                document.fontFamilies[attributes.value(QLatin1String("style:name")).toString()] =
                    Unquoted(attributes.value(QLatin1String("svg:font-family")).toString());
            } else if (name == u"style:style") {
                strStyle = attributes.value(QLatin1String("style:name")).toString();
            } else if (name == u"style:text-properties") {
                for (const QXmlStreamAttribute& attribute : attributes)
                    document.styleProperties[strStyle][attribute.qualifiedName().toString()] =
                        attribute.value().toString();
            } else if (name == u"text:p") {
                bInParagraph = true;
                document.paragraphs.append(QString());
                spanStyles =
                    QStringList{attributes.value(QLatin1String("text:style-name")).toString()};
            } else if (name == u"text:span") {
                spanStyles.append(attributes.value(QLatin1String("text:style-name")).toString());
            } else if (name == u"text:s") {
                const int iCount = attributes.hasAttribute(QLatin1String("text:c"))
                                       ? attributes.value(QLatin1String("text:c")).toInt()
                                       : 1;
                addText(QString(iCount, u' '));
            } else if (name == u"text:tab") {
                addText(QStringLiteral("\t"));
            }
        } else if (xml.isEndElement()) {
            if (name == u"text:p")
                bInParagraph = false;
            else if (name == u"text:span")
                spanStyles.removeLast();
        } else if (xml.isCharacters() && bInParagraph) {
            addText(xml.text().toString());
        }
    }
    return document;
}

struct CExpectedFont {
    QString name;
    QString size;
    bool bold;
    bool italic;
    bool underline;
    bool strikeThrough;
    QString color;
};

void ExpectFont(const CDocumentText& document, const CExpectedFont& font) {
    ASSERT_FALSE(document.textStyles.empty());
    for (const QString& strStyle : document.textStyles) {
        SCOPED_TRACE(strStyle.toStdString());
        auto properties = document.styleProperties.at(strStyle);
        EXPECT_EQ(document.fontFamilies.at(properties[QStringLiteral("style:font-name")]),
                  font.name);
        EXPECT_EQ(document.fontFamilies.at(properties[QStringLiteral("style:font-name-asian")]),
                  font.name);
        EXPECT_EQ(properties[QStringLiteral("fo:font-size")], font.size);
        EXPECT_EQ(properties[QStringLiteral("style:font-size-asian")], font.size);
        EXPECT_EQ(properties[QStringLiteral("fo:font-weight")] == u"bold", font.bold);
        EXPECT_EQ(properties[QStringLiteral("style:font-weight-asian")] == u"bold", font.bold);
        EXPECT_EQ(properties[QStringLiteral("fo:font-style")] == u"italic", font.italic);
        EXPECT_EQ(properties[QStringLiteral("style:text-underline-style")] == u"solid",
                  font.underline);
        EXPECT_EQ(properties[QStringLiteral("style:text-line-through-style")] == u"solid",
                  font.strikeThrough);
        EXPECT_EQ(properties[QStringLiteral("fo:color")], font.color);
    }
}

void ExpectLines(const CDocumentText& document, const QString& strWorksheet) {
    QStringList lines = strWorksheet.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.takeLast(), QString());
    ASSERT_EQ(document.paragraphs.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        ASSERT_EQ(document.paragraphs[i], lines[i]) << "line " << i + 1;
    }
}

TEST(WordProcessorRoundTripTest, WriterReadsTheWorksheetInTheOutputFont) {
    // Conversion needs no desktop, so the desktop-free LibreOffice serves too.
    const QString strWriter = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (strWriter.isEmpty())
        GTEST_SKIP() << "LibreOffice Writer is not installed (Debian package "
                        "libreoffice-writer-nogui), so the export is not read back.";
    CPrivateTemporaryFolder temp;
    QStringList documents;
    const CWordProcessorHost host{[&strWriter](const QString&) { return strWriter; },
                                  [&documents](const QString&, const QString& strDocument) {
                                      documents << strDocument;
                                      return true;
                                  }};
    const CPrintFeedback feedback{[](const QString&) { FAIL(); }, [](const QString&) { FAIL(); }};

    const QString strLong = LongWorksheet();
    ASSERT_GT(strLong.size(), 65535);
    QFont mono(QStringLiteral("Noto Sans Mono CJK SC"), 12);
    mono.setBold(true);
    mono.setUnderline(true);
    PrintWorksheet(strLong, mono, QColor(0xC0, 0x40, 0x20), feedback, host);

    const QString strShort = QStringLiteral("  姓名：\r\n\r\n 9＋8=17    10－(   )=3   \r\n");
    QFont song(QStringLiteral("宋体"));
    song.setPointSizeF(10.5);
    song.setItalic(true);
    song.setStrikeOut(true);
    PrintWorksheet(strShort, song, QColor(0, 0, 0xFF), feedback, host);
    ASSERT_EQ(documents.size(), 2);

    QProcess writer;
    writer.start(strWriter,
                 {QStringLiteral("-env:UserInstallation=") +
                      QUrl::fromLocalFile(temp.FilePath(QStringLiteral("profile"))).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                  QStringLiteral("fodt"), QStringLiteral("--outdir"), temp.Path(), documents[0],
                  documents[1]});
    ASSERT_TRUE(writer.waitForFinished(300000)) << writer.errorString().toStdString();
    const auto converted = [&temp](const QString& strDocument) {
        return ReadFlatOpenDocument(
            temp.FilePath(QFileInfo(strDocument).completeBaseName() + QStringLiteral(".fodt")));
    };

    const CDocumentText first = converted(documents[0]);
    ExpectLines(first, strLong);
    ExpectFont(first, {QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("12pt"), true, false,
                       true, false, QStringLiteral("#c04020")});
    const CDocumentText second = converted(documents[1]);
    ExpectLines(second, strShort);
    ExpectFont(second, {QStringLiteral("宋体"), QStringLiteral("10.5pt"), false, true, false, true,
                        QStringLiteral("#0000ff")});
}

// The sheet that used to wrap: "100以内的连加减" in 60 rows of five at 12 pt.
// Written to PDF by LibreOffice, every row stands on one line and every title
// block on one page.
TEST(WordProcessorRoundTripTest, WriterPrintsEveryRowOnOneLineAndEveryTitleBlockOnOnePage) {
    const QString strWriter = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (strWriter.isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "LibreOffice Writer or poppler-utils are not installed.";
    CPrivateTemporaryFolder temp;
    QString strDocument;
    const CWordProcessorHost host{[&strWriter](const QString&) { return strWriter; },
                                  [&strDocument](const QString&, const QString& strPath) {
                                      strDocument = strPath;
                                      return true;
                                  }};
    CPreCreatedQuestions presets;
    presets.Load();
    COutputSettings layout;
    layout.SetTitle(u"  姓名：                   时间：                   得分：");
    layout.SetRowCount(60);
    layout.SetColumnCount(5);
    layout.SetRowSpacing(1);
    layout.SetColumnSpacing(6);
    layout.SetRowCountPerTitle(10);
    const CSheet sheet = DrawSheet(CSheetPlan::OfOneKind(presets.Item(u"100以内的连加减"), 60 * 5),
                                   layout.ColumnCount(), 1, nullptr, nullptr);
    const CPrintFeedback feedback{[](const QString&) { FAIL(); }, [](const QString&) { FAIL(); }};
    PrintWorksheet(QString::fromStdU16String(FormatSheet(sheet, layout, nullptr)),
                   QFont(QStringLiteral("Noto Sans Mono CJK SC"), 12), Qt::black, feedback, host);
    ASSERT_FALSE(strDocument.isEmpty());

    QProcess writer;
    writer.start(strWriter,
                 {QStringLiteral("-env:UserInstallation=") +
                      QUrl::fromLocalFile(temp.FilePath(QStringLiteral("profile"))).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                  QStringLiteral("pdf"), QStringLiteral("--outdir"), temp.Path(), strDocument});
    ASSERT_TRUE(writer.waitForFinished(300000));
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"),
                temp.FilePath(QFileInfo(strDocument).completeBaseName() + QStringLiteral(".pdf")),
                QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QStringList pages =
        QString::fromUtf8(text.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    int rows = 0;
    for (const QString& page : pages) {
        int titles = 0;
        int pageRows = 0;
        for (const QString& line : page.split(u'\n')) {
            titles += line.contains(QStringLiteral("姓名")) ? 1 : 0;
            const qsizetype cells = line.count(u'=');
            if (cells > 0) {
                EXPECT_EQ(cells, 5) << line.toStdString();
                ++pageRows;
            }
        }
        EXPECT_EQ(pageRows, 10 * titles) << "a title block is split";
        rows += pageRows;
    }
    EXPECT_EQ(rows, 60);
}

} // namespace
} // namespace kelvo
