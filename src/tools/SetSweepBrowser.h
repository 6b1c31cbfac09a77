#pragma once

#include <QString>

namespace platform {
class Registry;
}

namespace setsweep {

// The program's own name for the page; HostPaths maps it to where the page lives.
inline constexpr char kPagePath[] = R"(C:\script.html)";

// The command line that opens the page at hostPagePath in a browser, or an empty text
// when this machine has no browser to offer. On Windows that is Internet Explorer at
// its fixed place; elsewhere the browser registered for web addresses.
QString browserCommandLine(const platform::Registry& registry, const QString& hostPagePath);

}  // namespace setsweep
