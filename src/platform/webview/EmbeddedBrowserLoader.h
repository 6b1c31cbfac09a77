#pragma once

#include <QString>
#include <memory>

namespace platform {

class EmbeddedBrowserFactory;
struct HostPaths;

// Loads the web-view plugin on first use and keeps it loaded for the rest of the run.
class EmbeddedBrowserLoader {
  public:
    virtual ~EmbeddedBrowserLoader() = default;
    // Null when the plugin or the web engine cannot be loaded; errorText then says why.
    // A failed attempt is made afresh on the next call.
    virtual EmbeddedBrowserFactory* factory(QString& errorText) = 0;
};

// Looks for the plugin in the host's plugin folder (HostPaths::pluginDir).
std::unique_ptr<EmbeddedBrowserLoader> makeHostBrowserLoader();

// Looks for the plugin in the given folder only.
std::unique_ptr<EmbeddedBrowserLoader> makePluginBrowserLoader(const QString& pluginFolder);

// The plugin's file name without the host's prefix and suffix (lib….so, ….dll): Qt
// WebEngine's on Linux, the Windows web browser control's on Windows.
inline constexpr char kBrowserPluginBaseName[] = TESSORIN_BROWSER_PLUGIN;

}  // namespace platform
