#include "printing/WorksheetPrint.h"

#include "printing/CWordApplication.h"

#include "PrivateTemporaryFolder.h"
#include "QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kelvo {
namespace {

const QString kWorksheet = QStringLiteral("  姓名：\r\n12＋(   )=17   3＋4=7\r\n");

// Stand-in programs in a folder of their own, found by the real lookup; starting one
// only records the call. Exported documents land in a private temporary folder.
class WorksheetPrintTest : public testing::Test {
protected:
    void Install(const QString& strName) {
        QFile program(m_programs.filePath(strName));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    CWordProcessorHost Host() {
        return {[this](const QString& strProgId) {
                    return FindWordProcessor(strProgId, {m_programs.path()});
                },
                [this](const QString& strProgram, const QString& strDocument) {
                    m_starts.emplace_back(QFileInfo(strProgram).fileName(), strDocument);
                    return true;
                }};
    }

    CPrintFeedback Feedback() {
        return {[this](const QString& strText) { m_notices << strText; },
                [this](const QString& strText) { m_messages << strText; }};
    }

    void Print(const QString& strWorksheet) {
        PrintWorksheet(strWorksheet, QFont(QStringLiteral("Noto Sans Mono CJK SC"), 12), Qt::black,
                       Feedback(), Host());
    }

    QTemporaryDir m_programs;
    CPrivateTemporaryFolder m_temp;
    std::vector<std::pair<QString, QString>> m_starts;
    QStringList m_notices;
    QStringList m_messages;
};

TEST_F(WorksheetPrintTest, WithoutWordProcessorOnlyTheMessageBoxAppears) {
    Install(QStringLiteral("unrelated"));
    Print(kWorksheet);
    ASSERT_EQ(m_messages.size(), 1);
    const QString& strMessage = m_messages.front();
    EXPECT_TRUE(
        strMessage.startsWith(QStringLiteral("由于您的系统没有安装【文字处理软件】，无法打开，")));
    EXPECT_TRUE(strMessage.contains(QStringLiteral("LibreOffice")));
    EXPECT_TRUE(strMessage.contains(QStringLiteral("libreoffice-writer")));
    EXPECT_TRUE(strMessage.contains(QStringLiteral("输出框")));
    EXPECT_TRUE(strMessage.contains(QStringLiteral("复制")));
    EXPECT_TRUE(m_notices.isEmpty());
    EXPECT_TRUE(m_starts.empty());
    EXPECT_TRUE(m_temp.Files().isEmpty());
}

TEST_F(WorksheetPrintTest, WordApplicationIsPreferredOverWps) {
    Install(QStringLiteral("wps"));
    Install(QStringLiteral("soffice"));
    Print(kWorksheet);
    ASSERT_EQ(m_starts.size(), 1U);
    EXPECT_EQ(m_starts[0].first, QStringLiteral("soffice"));
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_TRUE(m_notices.isEmpty());
}

TEST_F(WorksheetPrintTest, WpsServesWhenItIsTheOnlyOne) {
    Install(QStringLiteral("wps"));
    Print(kWorksheet);
    ASSERT_EQ(m_starts.size(), 1U);
    EXPECT_EQ(m_starts[0].first, QStringLiteral("wps"));
}

TEST_F(WorksheetPrintTest, EveryExportOpensADocumentOfItsOwn) {
    Install(QStringLiteral("lowriter"));
    Print(kWorksheet);
    ASSERT_EQ(m_starts.size(), 1U);
    QFile first(m_starts[0].second);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray firstBytes = first.readAll();
    first.close();

    Print(QStringLiteral("x\r\n"));
    ASSERT_EQ(m_starts.size(), 2U);
    EXPECT_NE(m_starts[0].second, m_starts[1].second);
    EXPECT_EQ(m_temp.Files().size(), 2);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), firstBytes);
    EXPECT_TRUE(firstBytes.contains("17   3\\u-245?4=7"));
}

TEST_F(WorksheetPrintTest, ADocumentThatCannotBeWrittenIsSkipped) {
    Install(QStringLiteral("soffice"));
    qputenv("TMPDIR", m_temp.FilePath(QStringLiteral("missing")).toLocal8Bit());
    Print(kWorksheet);
    EXPECT_TRUE(m_starts.empty());
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_TRUE(m_notices.isEmpty());
}

// soffice on the search path links to LibreOffice's program folder, which holds
// soffice.bin and the window system plugins of the build.
TEST_F(WorksheetPrintTest, ADesktopFreeLibreOfficeIsNoWordProcessor) {
    struct Case {
        QStringList programFolder;
        bool withWps;
        const char* started; // nullptr: the message instead
    };
    const Case cases[] = {
        {{QStringLiteral("soffice.bin")}, false, nullptr},
        {{QStringLiteral("soffice.bin")}, true, "wps"},
        {{QStringLiteral("soffice.bin"), QStringLiteral("libvclplug_genlo.so")}, false, "soffice"},
        {{QStringLiteral("soffice.bin"), QStringLiteral("libvclplug_gtk3lo.so")}, false, "soffice"},
        {{QStringLiteral("soffice.bin"), QStringLiteral("libvclplug_kf5lo.so")}, false, "soffice"},
        {{}, false, "soffice"}, // not a program folder of LibreOffice's own
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programFolder.join(u' ').toStdString());
        QTemporaryDir programs;
        QTemporaryDir office;
        for (const QString& strFile : c.programFolder + QStringList{QStringLiteral("soffice")}) {
            QFile file(office.filePath(strFile));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        ASSERT_TRUE(QFile::link(office.filePath(QStringLiteral("soffice")),
                                programs.filePath(QStringLiteral("soffice"))));
        if (c.withWps) {
            QFile wps(programs.filePath(QStringLiteral("wps")));
            ASSERT_TRUE(wps.open(QIODevice::WriteOnly));
            wps.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        m_starts.clear();
        m_messages.clear();
        PrintWorksheet(kWorksheet, QFont(), Qt::black, Feedback(),
                       {[&programs](const QString& strProgId) {
                            return FindWordProcessor(strProgId, {programs.path()});
                        },
                        [this](const QString& strProgram, const QString& strDocument) {
                            m_starts.emplace_back(QFileInfo(strProgram).fileName(), strDocument);
                            return true;
                        }});
        if (c.started == nullptr) {
            EXPECT_TRUE(m_starts.empty());
            ASSERT_EQ(m_messages.size(), 1);
            EXPECT_TRUE(m_messages.front().startsWith(QStringLiteral("由于您的系统没有安装")));
        } else {
            ASSERT_EQ(m_starts.size(), 1U);
            EXPECT_EQ(m_starts[0].first, QLatin1String(c.started));
            EXPECT_TRUE(m_messages.isEmpty());
        }
    }
}

TEST(WordProcessorLookupTest, EachNameOfLibreOfficeIsFound) {
    for (const QString& strName :
         {QStringLiteral("soffice"), QStringLiteral("libreoffice"), QStringLiteral("lowriter")}) {
        QTemporaryDir programs;
        QFile program(programs.filePath(strName));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(FindWordProcessor(QStringLiteral("Word.Application"), {programs.path()}),
                  program.fileName());
        EXPECT_TRUE(
            FindWordProcessor(QStringLiteral("wps.Application"), {programs.path()}).isEmpty());
    }
}

TEST(WordProcessorLookupTest, AProgramThatCannotRunIsNotInstalled) {
    QTemporaryDir programs;
    QFile program(programs.filePath(QStringLiteral("wps")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    EXPECT_TRUE(FindWordProcessor(QStringLiteral("wps.Application"), {programs.path()}).isEmpty());
    EXPECT_FALSE(StartWordProcessor(programs.filePath(QStringLiteral("absent")), {}));
}

TEST(WordApplicationTest, DocumentsAreHandedOverOnceEach) {
    std::vector<QString> documents;
    CWordApplication application(QStringLiteral("soffice"),
                                 {{}, [&documents](const QString&, const QString& strDocument) {
                                      documents.push_back(strDocument);
                                      return true;
                                  }});
    CPrivateTemporaryFolder temp;

    EXPECT_EQ(application.ActiveDocument(), nullptr);
    application.Documents().Add();
    application.SetVisible(true);
    application.SetVisible(true);
    EXPECT_EQ(documents.size(), 1U);
    CWordDocument& second = application.Documents().Add();
    EXPECT_EQ(application.ActiveDocument(), &second);
    application.SetVisible(true);
    EXPECT_EQ(documents.size(), 2U);
    EXPECT_TRUE(application.Visible());
}

} // namespace
} // namespace kelvo
