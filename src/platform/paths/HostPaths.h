#pragma once

#include <QString>
#include <QStringList>

#include "platform/paths/FixedWindowsPaths.h"

namespace platform {

// Where the program's fixed Windows locations live on this host. Every host path
// the program uses comes from here; nobody else builds one.
struct HostPaths {
    QString installDataDir;  // holds Websites.ini and Default.ini (read only)
    QString userConfigDir;   // holds Settings.ini
    QString userDataDir;     // holds the SetSweep page
    QString helperDir;       // holds the small programs the program starts itself
    QString pluginDir;       // holds the web view plugin, loaded on first use
    QString pageViewer;      // the program that shows the SetSweep page; empty: the
                             // browser registered for web addresses
    // Settings.ini files of an older installation, the first that exists read in place of
    // the per-user one until that exists (Windows: the installation folder, or the copy
    // Windows kept for the user in its VirtualStore).
    QStringList oldSettingsFiles;

    // The paths for this machine (HostPaths_posix.cpp, HostPaths_win.cpp).
    static HostPaths forThisHost();

    // Maps one of the program's fixed Windows paths ("C:\Program Files\Tessorin\Settings.ini",
    // "c:\script.html", ...) to its host path; letter case is ignored as on Windows.
    // An unknown path comes back unchanged.
    QString map(const QString& windowsPath) const;
};

}  // namespace platform
