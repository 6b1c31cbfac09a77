#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "settings/ProgramIniFiles.h"

// A settings profile: "True"/"False" entries copied between the program's choices and an
// INI file. The profile knows nothing of windows: it walks the bindings it is handed, in
// their order, for every load and save, and a first save writes them in that order.
namespace settings {

struct ProfileBinding {
    QString saveKey;
    QString loadKey;  // the same entry; keys match without regard to letter case
    std::function<bool()> get;
    std::function<void(bool)> set;
};

using ProfileBindings = std::vector<ProfileBinding>;

// Sets each binding in turn from its entry in the file (Settings.ini or Default.ini, read
// once for the whole profile): only the exact text "True" ticks; anything else, or no entry
// at all, unticks.
void applyProfile(const ProgramIniFiles::Snapshot& file, const ProfileBindings& bindings);

// Writes every binding to Settings.ini with one replacement of the file: a single flush to
// disk rather than one per entry, and never half a profile. False when it was not saved.
bool saveProfile(const ProgramIniFiles& files, const ProfileBindings& bindings);

}  // namespace settings
