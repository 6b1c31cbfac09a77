#include "tools/SetSweepBrowser.h"

#include "browser/modWWW.h"
#include "platform/HostPaths.h"
#include "platform/WindowsCommandLine.h"

namespace setsweep {

QString browserCommandLine(const platform::Registry& registry, const platform::HostPaths& paths,
                           const QString& hostPagePath) {
    QString browser = platform::quoteWindowsArgumentAlways(paths.pageViewer);
    if (paths.pageViewer.isEmpty()) {
        browser = modWWW::GetBrowserPath(registry);
        if (browser == QLatin1String(modWWW::kInvalidBrowser) || browser.isEmpty()) {
            return {};
        }
    }
    // Quoted: a user folder may hold blanks.
    return browser + u' ' + platform::quoteWindowsArgument(hostPagePath);
}

}  // namespace setsweep
