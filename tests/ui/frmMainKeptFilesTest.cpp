#include "MainWindowFixture.h"

#include "store/PlanFiles.h"
#include "ui/frmPageOptions.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace kelvo {
namespace {

const char* const StoreFiles[] = {"KelvoPlan.json", "KelvoKinds.json", "KelvoPage.json"};

class KeptFilesTest : public MainWindowFixture {
protected:
    QString StorePath(const QString& name) const { return m_folder.filePath(name); }
    void Write(const char* name, const QByteArray& bytes) const {
        QFile file(StorePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray Bytes(const QString& name) const {
        QFile file(StorePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    QString Status() const { return Find<QLabel>(QStringLiteral("lblStatus"))->text(); }
    // What writes each of the three files: a saved kind, page options, the close.
    QStringList SaveEverything() {
        messages.clear();
        dialogs.textAnswer = QStringLiteral("我的题型");
        dialogs.onPageOptions = [](frmPageOptions&) { return true; };
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdSaveKind")), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdPageOptions")), Qt::LeftButton);
        window->close();
        return {messages.begin(), messages.end()};
    }
    static QByteArray Newer(const char* format) {
        return QStringLiteral(R"({"format": "%1", "version": %2})")
            .arg(QLatin1String(format))
            .arg(PlanFileVersion + 1)
            .toUtf8();
    }
};

// Damaged files go aside whole, and the status line says where; the saves
// then write new files in their places.
TEST_F(KeptFilesTest, FilesThatCannotServeAreSetAsideBeforeAnythingIsWritten) {
    window.reset();
    for (const char* name : StoreFiles) {
        Write(name, QByteArray("damaged ") + name);
    }
    window = MakeWindow();
    for (const char* name : StoreFiles) {
        EXPECT_TRUE(
            Status().contains(StorePath(QString::fromLatin1(name)) + QStringLiteral(".damaged-")))
            << Status().toStdString();
    }
    EXPECT_TRUE(SaveEverything().isEmpty());
    for (const char* name : StoreFiles) {
        const QStringList aside =
            QDir(m_folder.path())
                .entryList({QString::fromLatin1(name) + QStringLiteral(".damaged-*")});
        ASSERT_EQ(aside.size(), 1) << name;
        EXPECT_EQ(Bytes(aside.front()), QByteArray("damaged ") + name);
        EXPECT_NE(Bytes(QString::fromLatin1(name)), QByteArray("<no file>")) << name;
    }
}

// Files of a newer Kelvo stay as they are, and the saves say why they did not.
TEST_F(KeptFilesTest, FilesOfANewerKelvoAreNeverWritten) {
    window.reset();
    Write("KelvoPlan.json", Newer("kelvo-plan"));
    Write("KelvoKinds.json", Newer("kelvo-kinds"));
    Write("KelvoPage.json", Newer("kelvo-page"));
    window = MakeWindow();
    EXPECT_TRUE(Status().contains(QStringLiteral("是较新版本的Kelvo保存的")));
    const QStringList said = SaveEverything();
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].endsWith(QStringLiteral("是较新版本的Kelvo保存的，这次不会改写它。")));
    EXPECT_EQ(Bytes(QStringLiteral("KelvoPlan.json")), Newer("kelvo-plan"));
    EXPECT_EQ(Bytes(QStringLiteral("KelvoKinds.json")), Newer("kelvo-kinds"));
    EXPECT_EQ(Bytes(QStringLiteral("KelvoPage.json")), Newer("kelvo-page"));
    EXPECT_EQ(QDir(m_folder.path()).entryList({QStringLiteral("*.damaged-*")}).size(), 0);
}

// The second Kelvo on the same files says so and leaves them to the first;
// once the first has closed, the next one may write them again.
TEST_F(KeptFilesTest, ASecondKelvoOnTheSameFilesLeavesThemToTheFirst) {
    std::unique_ptr<frmMain> first = std::move(window);
    window = MakeWindow();
    EXPECT_TRUE(Status().startsWith(QStringLiteral("另一个Kelvo正在使用同样的文件")));
    const QStringList said = SaveEverything();
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("另一个Kelvo正在使用同样的文件")));
    for (const char* name : StoreFiles) {
        EXPECT_EQ(Bytes(QString::fromLatin1(name)), QByteArray("<no file>")) << name;
    }

    first->close();
    window = MakeWindow();
    EXPECT_TRUE(Status().isEmpty()) << Status().toStdString();
    EXPECT_TRUE(SaveEverything().isEmpty());
    for (const char* name : StoreFiles) {
        EXPECT_NE(Bytes(QString::fromLatin1(name)), QByteArray("<no file>")) << name;
    }
}

} // namespace
} // namespace kelvo
