#include "tools/SetSweepBrowser.h"

#include "browser/modWWW.h"
#include "platform/WindowsCommandLine.h"

namespace setsweep {

#ifdef Q_OS_WIN

QString browserCommandLine(const platform::Registry&, const QString&) {
    // The page is made for Internet Explorer, so it is asked for by name; the path is
    // the program's own name for the page, which is where Windows keeps it.
    return QStringLiteral(R"(C:\Program Files\Internet Explorer\iExplore.exe )") +
           QStringLiteral(R"(c:\script.html)");
}

#else

QString browserCommandLine(const platform::Registry& registry, const QString& hostPagePath) {
    const QString browser = modWWW::GetBrowserPath(registry);
    if (browser == QLatin1String(modWWW::kInvalidBrowser) || browser.isEmpty()) {
        return {};
    }
    return browser + u' ' + platform::quoteWindowsArgument(hostPagePath);
}

#endif

}  // namespace setsweep
