#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "platform/paths/HostPaths.h"

namespace platform {

namespace {

QString xdgFolder(QStandardPaths::StandardLocation location) {
    // GenericConfigLocation is $XDG_CONFIG_HOME (or ~/.config); likewise for data.
    return QDir(QStandardPaths::writableLocation(location)).filePath(QStringLiteral("tessorin"));
}

}  // namespace

// The install folders below the prefix above the executable's folder (build/bin ->
// build/share/tessorin, /usr/bin -> /usr/share/tessorin), the per-user ones from XDG. The
// SetSweep page goes to the registered browser: there is no Internet Explorer here.
HostPaths HostPaths::forThisHost() {
    QDir prefix(QCoreApplication::applicationDirPath());
    prefix.cdUp();
    return {prefix.filePath(QStringLiteral("share/tessorin")),
            xdgFolder(QStandardPaths::GenericConfigLocation),
            xdgFolder(QStandardPaths::GenericDataLocation),
            prefix.filePath(QStringLiteral("lib/tessorin")),
            prefix.filePath(QStringLiteral(TESSORIN_PLUGIN_DIR)),
            {},
            {}};
}

}  // namespace platform
