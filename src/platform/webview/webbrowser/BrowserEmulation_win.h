#pragma once

#include <QString>

namespace platform::webbrowser {

// Windows shows pages in a program's web browser control as Internet Explorer 7 did,
// unless the program is listed under FEATURE_BROWSER_EMULATION. The value for the
// installed Internet Explorer (its version as the registry gives it, "11.0.9600.18231"):
// the newest mode that version has, or 0 when it has none newer than IE 7's.
unsigned long emulationModeFor(const QString& explorerVersion);

// Lists this program, under the current user's key and for its own executable only, with
// the newest mode the installed Internet Explorer has. Nothing happens when it has none.
void useNewestEngineMode();

}  // namespace platform::webbrowser
