// A settings profile: twenty "True"/"False" entries copied between the main window's
// choices and an INI file. The entries are walked in one fixed order by every load and
// save; a first save writes them in that order.

#include <QCheckBox>
#include <QDir>
#include <functional>
#include <vector>

#include "app/frmTessorin.h"
#include "app/frmwarning.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"

namespace {

const QString kSection = QStringLiteral("Tessorin");
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

struct ProfileEntry {
    QString saveKey;
    QString loadKey;  // the same entry; keys match without regard to letter case
    std::function<bool()> get;
    std::function<void(bool)> set;
};

ProfileEntry boxEntry(const char* saveKey, const char* loadKey, QCheckBox* box) {
    return {QString::fromLatin1(saveKey), QString::fromLatin1(loadKey),
            [box] { return box->isChecked(); }, [box](bool on) { box->setChecked(on); }};
}

std::vector<ProfileEntry> profileEntries(const frmTessorinUi& ui,
                                         const std::function<QCheckBox*()>& dontShowBox,
                                         bool& showSaveConfirm) {
    std::vector<ProfileEntry> entries;
    for (std::size_t i = 0; i < kSites.size(); ++i) {
        entries.push_back(
            boxEntry(kSites[i].profileSaveKey, kSites[i].profileLoadKey, ui.siteBoxes[i]));
    }
    // PeekShot comes after the sites, so a profile that ticks it wins over them.
    entries.push_back(boxEntry("Lugnet Popup", "Lugnet Popup", ui.chkpic));
    // The dialog's box is asked for at its turn: touching it creates the dialog.
    entries.push_back({QStringLiteral("Don't Show Alert"), QStringLiteral("Don't Show Alert"),
                       [dontShowBox] { return dontShowBox()->isChecked(); },
                       [dontShowBox](bool on) { dontShowBox()->setChecked(on); }});
    entries.push_back(boxEntry("Minimize While Searching", "Minimize While Searching", ui.chkmin));
    entries.push_back({QStringLiteral("Show Save Confirm"), QStringLiteral("Show Save Confirm"),
                       [&showSaveConfirm] { return showSaveConfirm; },
                       [&showSaveConfirm](bool on) { showSaveConfirm = on; }});
    return entries;
}

}  // namespace

std::function<QCheckBox*()> frmTessorin::dontShowBox() {
    return [this] { return warning().chkdontshow; };
}

void frmTessorin::LoadCustomSettings() {
    applyProfile(&IniFiles::ReadSettingsIni);
}

void frmTessorin::LoadDefaultSettings() {
    applyProfile(&IniFiles::ReadDefaultIni);
}

void frmTessorin::applyProfile(ProfileReader read) {
    for (const ProfileEntry& entry : profileEntries(ui_, dontShowBox(), ShowSaveConfirm)) {
        // Only the exact text "True" ticks; anything else, or nothing, unticks.
        entry.set((iniFiles_.*read)(kSection, entry.loadKey) == kTrue);
    }
}

void frmTessorin::SaveCustomSettings() {
    IniFiles::Entries entries;
    for (const ProfileEntry& entry : profileEntries(ui_, dontShowBox(), ShowSaveConfirm)) {
        entries.append({entry.saveKey, entry.get() ? kTrue : kFalse});
    }
    // One replacement of the file: a single flush to disk rather than twenty, which a
    // busy or slow disk would make the window wait for, and never half a profile.
    const bool allWritten = iniFiles_.WriteSettingsIniEntries(kSection, entries);
    if (!allWritten) {
        const QString file =
            QDir::toNativeSeparators(services_.paths.map(QLatin1String(IniFiles::SettingsIniPath)));
        services_.messages.show(
            this, QStringLiteral("Your settings could not be saved to %1.").arg(file),
            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok, kSection);
    }
}
