#include <shlobj.h>
#include <windows.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/paths/HostPaths.h"

namespace platform {

namespace {

constexpr char kInternetExplorer[] = R"(C:\Program Files\Internet Explorer\iExplore.exe)";

// The user's own folders from Windows itself, whatever application and organisation
// names the program was given.
QString knownFolder(const KNOWNFOLDERID& folder) {
    PWSTR path = nullptr;
    QString found;
    if (SUCCEEDED(SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &path))) {
        found = QString::fromWCharArray(path);
    }
    CoTaskMemFree(path);
    return found;
}

// %APPDATA%\Tessorin and %LOCALAPPDATA%\Tessorin: a standard user can write neither the
// installation folder nor the root of drive C:.
QString userFolder(const KNOWNFOLDERID& folder) {
    return knownFolder(folder) + QStringLiteral("\\Tessorin");
}

// A Settings.ini saved by an older version sits in the installation folder, or, where
// Windows redirected the write of a program without rights there, in the user's
// VirtualStore copy of that folder, which is then the newer one.
QStringList oldSettingsLocations(const QString& installFolder) {
    const QString folderBelowDrive = installFolder.mid(3);
    return {knownFolder(FOLDERID_LocalAppData) + QStringLiteral("\\VirtualStore\\") +
                folderBelowDrive + QStringLiteral("\\Settings.ini"),
            installFolder + QStringLiteral("\\Settings.ini")};
}

}  // namespace

// The site templates, the default profile and the web view plugin sit beside the
// executable, in the installation folder. Internet Explorer shows the SetSweep page where it is
// still installed (current Windows hands it to Edge by itself); elsewhere the registered browser
// does.
HostPaths HostPaths::forThisHost() {
    const QString installFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString explorer = QString::fromLatin1(kInternetExplorer);
    return {installFolder,
            userFolder(FOLDERID_RoamingAppData),
            userFolder(FOLDERID_LocalAppData),
            installFolder,
            installFolder,
            QFileInfo(explorer).isExecutable() ? explorer : QString(),
            oldSettingsLocations(installFolder)};
}

}  // namespace platform
