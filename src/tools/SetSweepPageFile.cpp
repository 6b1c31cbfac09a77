#include "tools/SetSweepPageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace setsweep {

namespace {

// A dangling link does not "exist" to QFileInfo, yet it still occupies the name.
bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString failure(const char* verb, const QString& path, const QString& reason) {
    return QStringLiteral("Could not %1 the picture page %2: %3.")
        .arg(QLatin1String(verb), QDir::toNativeSeparators(path), reason);
}

}  // namespace

std::optional<QString> writePageFile(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return failure(
            "write", path,
            QStringLiteral("its folder %1 cannot be made").arg(QDir::toNativeSeparators(folder)));
    }
    // Removing first and then creating exclusively means a link planted under the
    // page's name is replaced, never followed; if anything takes the name in between,
    // the create fails instead of writing elsewhere.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return failure("write", path, file.errorString());
    }
    const bool whole = file.write(bytes) == bytes.size() && file.flush();
    const QString reason = file.errorString();
    file.close();
    if (!whole || file.error() != QFileDevice::NoError) {
        file.remove();
        return failure("write", path, reason);
    }
    return std::nullopt;
}

std::optional<QString> deletePageFile(const QString& path) {
    QFile file(path);
    if (file.remove() || !occupied(path)) {
        return std::nullopt;
    }
    return failure("delete", path, file.errorString());
}

}  // namespace setsweep
