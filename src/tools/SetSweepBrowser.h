#pragma once

#include <QString>

namespace platform {
class Registry;
struct HostPaths;
}  // namespace platform

namespace setsweep {

// The command line that opens the page at hostPagePath in a browser, or an empty text
// when this machine has no browser to offer: the host's page viewer where it has one
// (Internet Explorer on Windows), otherwise the browser registered for web addresses.
QString browserCommandLine(const platform::Registry& registry, const platform::HostPaths& paths,
                           const QString& hostPagePath);

}  // namespace setsweep
