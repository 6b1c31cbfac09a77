#include "tools/SetSweepBrowser.h"

#include "browser/modWWW.h"
#include "platform/paths/HostPaths.h"
#include "platform/programs/WindowsCommandLine.h"

namespace setsweep {

QString browserCommandLine(const platform::Registry& registry, const platform::HostPaths& paths,
                           const QString& hostPagePath) {
    const QString browser = paths.pageViewer.isEmpty()
                                ? modWWW::GetBrowserPath(registry)
                                : platform::quoteWindowsArgumentAlways(paths.pageViewer);
    if (browser == QLatin1String(modWWW::kInvalidBrowser) || browser.isEmpty()) {
        return {};
    }
    // Quoted: a user folder may hold blanks.
    return browser + u' ' + platform::quoteWindowsArgument(hostPagePath);
}

}  // namespace setsweep
