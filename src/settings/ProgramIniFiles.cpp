#include "settings/ProgramIniFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <vector>

namespace {

// The longest value a read hands back, as the program's 255-byte read buffer allows.
constexpr std::size_t kLongestValue = 254;

std::string hostPath(const platform::HostPaths& paths, const char* windowsPath) {
    return QFile::encodeName(paths.map(QLatin1String(windowsPath))).toStdString();
}

std::string bytesOf(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

// A value cut at the byte limit may end inside a multi-byte character; a stateful
// decoder keeps such an unfinished tail to itself instead of showing it as a
// replacement character. Uncut values decode as the host's code page has them.
QString textOf(const std::string& bytes, bool cut) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (!cut) {
        return QString::fromLocal8Bit(view);
    }
    QStringDecoder decoder(QStringDecoder::System);
    return decoder.decode(view);
}

}  // namespace

QString ProgramIniFiles::Snapshot::read(const QString& section, const QString& key) const {
    // One byte more than we return tells a value that was cut from one that just fits.
    std::string value = file_.read(bytesOf(section), bytesOf(key), kLongestValue + 2);
    const bool cut = value.size() > kLongestValue;
    value.resize(std::min(value.size(), kLongestValue));
    return textOf(value, cut);
}

// Until the user's own file exists, an older installation's settings stand in for it; the
// first save then writes the user's own.
std::string ProgramIniFiles::settingsIniForReading() const {
    if (!QFileInfo::exists(paths_.map(QLatin1String(platform::kSettingsIniPath)))) {
        for (const QString& old : paths_.oldSettingsFiles) {
            if (QFileInfo::exists(old)) {
                return QFile::encodeName(old).toStdString();
            }
        }
    }
    return hostPath(paths_, platform::kSettingsIniPath);
}

ProgramIniFiles::Snapshot ProgramIniFiles::SettingsIniSnapshot() const {
    return Snapshot(settingsIniForReading());
}

ProgramIniFiles::Snapshot ProgramIniFiles::DefaultIniSnapshot() const {
    return Snapshot(hostPath(paths_, platform::kDefaultIniPath));
}

ProgramIniFiles::Snapshot ProgramIniFiles::WebsitesIniSnapshot() const {
    return Snapshot(hostPath(paths_, platform::kWebsitesIniPath));
}

QString ProgramIniFiles::ReadSettingsIni(const QString& section, const QString& key) const {
    return SettingsIniSnapshot().read(section, key);
}

bool ProgramIniFiles::WriteSettingsIni(const QString& section, const QString& key,
                                       const QString& value) const {
    return WriteSettingsIniEntries(section, {{key, value}});
}

bool ProgramIniFiles::WriteSettingsIniEntries(const QString& section,
                                              const Entries& entries) const {
    // The converted bytes must outlive the views the INI module is handed.
    std::vector<std::pair<std::string, std::string>> bytes;
    std::vector<ini::Entry> views;
    bytes.reserve(static_cast<std::size_t>(entries.size()));  // views must not move
    for (const auto& [key, value] : entries) {
        const auto& [keyBytes, valueBytes] = bytes.emplace_back(bytesOf(key), bytesOf(value));
        views.push_back({keyBytes, valueBytes});
    }
    return ini::writeProfileStrings(hostPath(paths_, platform::kSettingsIniPath), bytesOf(section),
                                    views);
}

QString ProgramIniFiles::ReadDefaultIni(const QString& section, const QString& key) const {
    return DefaultIniSnapshot().read(section, key);
}

QString ProgramIniFiles::ReadWebsitesIni(const QString& section, const QString& key) const {
    return WebsitesIniSnapshot().read(section, key);
}
