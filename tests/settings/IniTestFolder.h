#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

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
