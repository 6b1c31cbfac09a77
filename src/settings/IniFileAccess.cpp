#include "settings/IniFileAccess.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ini::file {

namespace {

QString hostName(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace

Loaded load(const std::string& path) {
    const QString name = hostName(path);
    const QFileInfo info(name);
    if (!info.exists()) {
        return {LoadStatus::Missing, {}};
    }
    // Only a plain file (or a link to one) is read. A named pipe would keep the open
    // waiting for a writer and the window from ever appearing; a device may never end.
    if (!info.isFile()) {
        return {LoadStatus::Unreadable, {}};
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {LoadStatus::Unreadable, {}};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {LoadStatus::Unreadable, {}};
    }
    return {LoadStatus::Loaded, bytes.toStdString()};
}

bool replaceAtomically(const std::string& path, std::string_view bytes) {
    const QString name = hostName(path);
    if (!QDir().mkpath(QFileInfo(name).absolutePath())) {
        return false;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    // Without a commit the temporary file is thrown away and the target stays as it was.
    return file.write(bytes.data(), size) == size && file.commit();
}

}  // namespace ini::file
