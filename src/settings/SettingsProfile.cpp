#include "settings/SettingsProfile.h"

namespace settings {

namespace {

const QString kSection = QStringLiteral("Tessorin");
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

}  // namespace

void applyProfile(const ProgramIniFiles::Snapshot& file, const ProfileBindings& bindings) {
    for (const ProfileBinding& binding : bindings) {
        binding.set(file.read(kSection, binding.loadKey) == kTrue);
    }
}

bool saveProfile(const ProgramIniFiles& files, const ProfileBindings& bindings) {
    ProgramIniFiles::Entries entries;
    for (const ProfileBinding& binding : bindings) {
        entries.append({binding.saveKey, binding.get() ? kTrue : kFalse});
    }
    return files.WriteSettingsIniEntries(kSection, entries);
}

}  // namespace settings
