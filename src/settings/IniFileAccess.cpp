#include "settings/IniFileAccess.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace ini::file {

namespace {

constexpr char kUtf16LeMark[] = "\xFF\xFE";

QString hostName(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

// The 8-bit text of a Unicode file, as the ANSI profile functions see it: characters the
// code page lacks are lost there too.
std::string eightBitFromUtf16Le(const QByteArray& bytes) {
    QStringDecoder decode(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
    const QString text = decode(bytes.sliced(2));
    return text.toLocal8Bit().toStdString();
}

QByteArray utf16LeFromEightBit(std::string_view bytes) {
    const QString text = QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
    return QByteArray(kUtf16LeMark, 2) + QByteArray(encode(text));
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
    if (bytes.startsWith(QByteArray(kUtf16LeMark, 2))) {
        return {LoadStatus::Loaded, eightBitFromUtf16Le(bytes), Encoding::Utf16Le};
    }
    return {LoadStatus::Loaded, bytes.toStdString()};
}

bool replaceAtomically(const std::string& path, std::string_view bytes, Encoding encoding) {
    const QString name = hostName(path);
    if (!QDir().mkpath(QFileInfo(name).absolutePath())) {
        return false;
    }
    const QByteArray stored = encoding == Encoding::Utf16Le
                                  ? utf16LeFromEightBit(bytes)
                                  : QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // Unbuffered, so a short write fails here. Through Qt's write buffer the bytes would
    // only reach the file inside commit(), whose flush error QSaveFile does not heed:
    // it would rename a cut file over the good one and report success.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    // Without a commit the temporary file is thrown away and the target stays as it was.
    return file.write(stored) == stored.size() && file.commit();
}

}  // namespace ini::file
