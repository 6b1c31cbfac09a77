#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <string_view>

inline void putFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string fileBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

// The bytes of a file saved as "Unicode": UTF-16 LE behind its byte-order mark.
inline std::string utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// A fresh folder for INI files, with byte-exact helpers to put and inspect them.
struct IniTestFolder {
    QTemporaryDir dir;

    std::string path(const QString& name = QStringLiteral("Settings.ini")) const {
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }

    void put(const std::string& bytes, const QString& name = QStringLiteral("Settings.ini")) const {
        putFile(dir.filePath(name), bytes);
    }

    std::string bytes(const QString& name = QStringLiteral("Settings.ini")) const {
        return fileBytes(dir.filePath(name));
    }
};
