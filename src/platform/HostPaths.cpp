#include "platform/HostPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {

namespace {

struct FixedLocation {
    const char* windowsPath;
    QString HostPaths::*folder;
    const char* fileName;
};

const FixedLocation kFixedLocations[] = {
    {R"(C:\Program Files\Tessorin\Websites.ini)", &HostPaths::installDataDir, "Websites.ini"},
    {R"(C:\Program Files\Tessorin\Default.ini)", &HostPaths::installDataDir, "Default.ini"},
    {R"(C:\Program Files\Tessorin\Settings.ini)", &HostPaths::userConfigDir, "Settings.ini"},
    {R"(C:\script.html)", &HostPaths::userDataDir, "script.html"},
};

QString xdgFolder(QStandardPaths::StandardLocation location) {
    // GenericConfigLocation is $XDG_CONFIG_HOME (or ~/.config); likewise for data.
    return QDir(QStandardPaths::writableLocation(location)).filePath(QStringLiteral("tessorin"));
}

}  // namespace

HostPaths HostPaths::forThisHost() {
#ifdef Q_OS_WIN
    const QString installFolder = QStringLiteral(R"(C:\Program Files\Tessorin)");
    return {installFolder, installFolder, QStringLiteral("C:\\"), installFolder};
#else
    QDir prefix(QCoreApplication::applicationDirPath());
    prefix.cdUp();
    return {prefix.filePath(QStringLiteral("share/tessorin")),
            xdgFolder(QStandardPaths::GenericConfigLocation),
            xdgFolder(QStandardPaths::GenericDataLocation),
            prefix.filePath(QStringLiteral("lib/tessorin"))};
#endif
}

QString HostPaths::map(const QString& windowsPath) const {
    for (const FixedLocation& location : kFixedLocations) {
        if (windowsPath.compare(QLatin1String(location.windowsPath), Qt::CaseInsensitive) == 0) {
            return QDir(this->*location.folder).filePath(QLatin1String(location.fileName));
        }
    }
    return windowsPath;
}

}  // namespace platform
