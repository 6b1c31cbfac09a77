#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "platform/paths/HostPaths.h"

namespace {

QString windowsFolder(const char* variable, const char* below) {
    return qEnvironmentVariable(variable) + u'\\' + QLatin1String(below);
}

// Where a standard user can write: the profile roams with the user, the SetSweep page
// stays on the machine, and nothing goes to the installation folder or the root of C:.
TEST(WindowsHostPaths, PerUserFilesInTheUsersOwnFolders) {
    const platform::HostPaths paths = platform::HostPaths::forThisHost();
    EXPECT_EQ(paths.userConfigDir, windowsFolder("APPDATA", "Tessorin"));
    EXPECT_EQ(paths.userDataDir, windowsFolder("LOCALAPPDATA", "Tessorin"));
    EXPECT_EQ(paths.map(QStringLiteral(R"(C:\Program Files\Tessorin\Settings.ini)")),
              windowsFolder("APPDATA", R"(Tessorin\Settings.ini)"));
    EXPECT_EQ(paths.map(QStringLiteral(R"(c:\script.html)")),
              windowsFolder("LOCALAPPDATA", R"(Tessorin\script.html)"));
}

TEST(WindowsHostPaths, DataAndPluginBesideTheProgramAndTheOldProfileWhereWindowsKeptIt) {
    const platform::HostPaths paths = platform::HostPaths::forThisHost();
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    EXPECT_EQ(paths.installDataDir, programFolder);
    EXPECT_EQ(paths.pluginDir, programFolder);
    // The VirtualStore copy is the one Windows wrote last, so it comes first.
    EXPECT_EQ(paths.oldSettingsFiles,
              (QStringList{windowsFolder("LOCALAPPDATA", "VirtualStore\\") + programFolder.mid(3) +
                               QStringLiteral("\\Settings.ini"),
                           programFolder + QStringLiteral("\\Settings.ini")}));
}

}  // namespace
