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
    virtual EmbeddedBrowserFactory* factory(QString& errorText) = 0;
};

std::unique_ptr<EmbeddedBrowserLoader> makeHostBrowserLoader();

}  // namespace platform
