#include "store/CProgramFolder.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvo {
namespace {

TEST(ProgramFolderTest, PortableProgramKeepsEverythingBesideItself) {
    QTemporaryDir folder;
    const CProgramFolder portable(folder.path());
    EXPECT_EQ(portable.ShippedFilePath(QStringLiteral("KelvoGuide.html")),
              folder.filePath(QStringLiteral("KelvoGuide.html")));
    EXPECT_EQ(
        portable.WritableFilePath(QStringLiteral("Kelvo.ini"), QStandardPaths::AppConfigLocation),
        folder.filePath(QStringLiteral("Kelvo.ini")));
}

// The temporary tree stands writable, as /usr/bin does for root: being
// installed alone sends the settings to the user's folder.
TEST(ProgramFolderTest, InstalledProgramReadsFromShareAndWritesToTheUserFolder) {
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("usr/bin"));
    QDir(root.path()).mkpath(QStringLiteral("usr/share/kelvo"));
    const QByteArray userConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());

    const CProgramFolder installed(root.filePath(QStringLiteral("usr/bin")));
    const QString guide = installed.ShippedFilePath(QStringLiteral("KelvoGuide.html"));
    const QString settings =
        installed.WritableFilePath(QStringLiteral("Kelvo.ini"), QStandardPaths::AppConfigLocation);
    qputenv("XDG_CONFIG_HOME", userConfig);

    EXPECT_EQ(guide, root.filePath(QStringLiteral("usr/share/kelvo/KelvoGuide.html")));
    const QString configFolder =
        root.filePath(QStringLiteral("config/") + QCoreApplication::applicationName());
    EXPECT_EQ(settings, configFolder + QStringLiteral("/Kelvo.ini"));
    EXPECT_TRUE(QFileInfo(configFolder).isDir());
}

} // namespace
} // namespace kelvo
