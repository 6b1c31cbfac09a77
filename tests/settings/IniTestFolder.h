#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

// A fresh folder for INI files, with byte-exact helpers to put and inspect them.
struct IniTestFolder {
    QTemporaryDir dir;

    std::string path(const QString& name = QStringLiteral("Settings.ini")) const {
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }

    void put(const std::string& bytes, const QString& name = QStringLiteral("Settings.ini")) const {
        QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    std::string bytes(const QString& name = QStringLiteral("Settings.ini")) const {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll().toStdString();
    }
};
