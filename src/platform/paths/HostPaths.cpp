#include "platform/paths/HostPaths.h"

#include <QDir>

namespace platform {

namespace {

struct FixedLocation {
    const char* windowsPath;
    QString HostPaths::*folder;
    const char* fileName;
};

const FixedLocation kFixedLocations[] = {
    {kWebsitesIniPath, &HostPaths::installDataDir, "Websites.ini"},
    {kDefaultIniPath, &HostPaths::installDataDir, "Default.ini"},
    {kSettingsIniPath, &HostPaths::userConfigDir, "Settings.ini"},
    {kSetSweepPagePath, &HostPaths::userDataDir, "script.html"},
};

}  // namespace

QString HostPaths::map(const QString& windowsPath) const {
    for (const FixedLocation& location : kFixedLocations) {
        if (windowsPath.compare(QLatin1String(location.windowsPath), Qt::CaseInsensitive) == 0) {
            // In the host's own form: a Windows program hands C:\...\file to the programs
            // it starts and names it so in its messages.
            return QDir::toNativeSeparators(
                QDir(this->*location.folder).filePath(QLatin1String(location.fileName)));
        }
    }
    return windowsPath;
}

}  // namespace platform
