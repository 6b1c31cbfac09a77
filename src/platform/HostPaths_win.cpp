#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/HostPaths.h"

namespace platform {

namespace {

constexpr char kInternetExplorer[] = R"(C:\Program Files\Internet Explorer\iExplore.exe)";

// %APPDATA%\Tessorin and %LOCALAPPDATA%\Tessorin, the application being named "Tessorin":
// a standard user can write neither the installation folder nor the root of drive C:.
QString userFolder(QStandardPaths::StandardLocation location) {
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(location));
}

}  // namespace

// The site templates and default profile sit beside the executable, in the installation
// folder. Internet Explorer shows the SetSweep page where it is still installed (current
// Windows hands it to Edge by itself); elsewhere the registered browser does.
HostPaths HostPaths::forThisHost() {
    const QString installFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString explorer = QString::fromLatin1(kInternetExplorer);
    return {installFolder, userFolder(QStandardPaths::AppDataLocation),
            userFolder(QStandardPaths::AppLocalDataLocation), installFolder,
            QFileInfo(explorer).isExecutable() ? explorer : QString()};
}

}  // namespace platform
