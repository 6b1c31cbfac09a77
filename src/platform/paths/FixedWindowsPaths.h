#pragma once

// The program's own names for the files it keeps, as a Windows installation has them.
// HostPaths::map gives each one's place on this host; nobody else spells them.
namespace platform {

inline constexpr char kWebsitesIniPath[] = R"(C:\Program Files\Tessorin\Websites.ini)";
inline constexpr char kDefaultIniPath[] = R"(C:\Program Files\Tessorin\Default.ini)";
inline constexpr char kSettingsIniPath[] = R"(C:\Program Files\Tessorin\Settings.ini)";
inline constexpr char kSetSweepPagePath[] = R"(C:\script.html)";

}  // namespace platform
