#pragma once

#include <QList>
#include <QString>
#include <string>
#include <utility>

#include "platform/paths/HostPaths.h"
#include "settings/IniProfile.h"

// The program's three INI files, each bound to its fixed location. Text goes in and
// out in the host's 8-bit code page.
class ProgramIniFiles {
  public:
    explicit ProgramIniFiles(platform::HostPaths paths) : paths_(std::move(paths)) {}

    // modINI
    QString ReadSettingsIni(const QString& section, const QString& key) const;
    bool WriteSettingsIni(const QString& section, const QString& key, const QString& value) const;
    // Several key and value pairs of one section with a single replacement of the file.
    using Entries = QList<std::pair<QString, QString>>;
    bool WriteSettingsIniEntries(const QString& section, const Entries& entries) const;
    // ModINI2
    QString ReadDefaultIni(const QString& section, const QString& key) const;
    // ModINI3
    QString ReadWebsitesIni(const QString& section, const QString& key) const;

    // One file's contents at one moment, for reading many entries with one read of the
    // file (a whole profile, all the site templates); each read is what the Read function
    // of that file would have given.
    class Snapshot {
      public:
        QString read(const QString& section, const QString& key) const;

      private:
        friend class ProgramIniFiles;
        explicit Snapshot(const std::string& hostPath) : file_(hostPath) {}
        ini::ProfileSnapshot file_;
    };
    Snapshot SettingsIniSnapshot() const;
    Snapshot DefaultIniSnapshot() const;
    Snapshot WebsitesIniSnapshot() const;

  private:
    std::string settingsIniForReading() const;

    platform::HostPaths paths_;
};
