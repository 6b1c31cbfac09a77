// The main window's side of the settings profiles: which of its choices make up a
// profile, in the one order every load and save walks, and what the user is told.

#include <QCheckBox>
#include <QDir>

#include "app/frmTessorin.h"
#include "app/frmwarning.h"
#include "platform/MessageBoxes.h"
#include "platform/Services.h"

namespace {

settings::ProfileBinding boxBinding(const char* saveKey, const char* loadKey, QCheckBox* box) {
    return {QString::fromLatin1(saveKey), QString::fromLatin1(loadKey),
            [box] { return box->isChecked(); }, [box](bool on) { box->setChecked(on); }};
}

settings::ProfileBinding flagBinding(const char* key, bool& flag) {
    return {QString::fromLatin1(key), QString::fromLatin1(key), [&flag] { return flag; },
            [&flag](bool on) { flag = on; }};
}

}  // namespace

settings::ProfileBindings frmTessorin::profileBindings() {
    settings::ProfileBindings bindings;
    for (std::size_t i = 0; i < kSites.size(); ++i) {
        bindings.push_back(
            boxBinding(kSites[i].profileSaveKey, kSites[i].profileLoadKey, ui_.siteBoxes[i]));
    }
    // PeekShot comes after the sites, so a profile that ticks it wins over them.
    bindings.push_back(boxBinding("Lugnet Popup", "Lugnet Popup", ui_.chkpic));
    // The dialog's box is asked for at its turn: touching it creates the dialog.
    bindings.push_back({QStringLiteral("Don't Show Alert"), QStringLiteral("Don't Show Alert"),
                        [this] { return warning().chkdontshow->isChecked(); },
                        [this](bool on) { warning().chkdontshow->setChecked(on); }});
    bindings.push_back(
        boxBinding("Minimize While Searching", "Minimize While Searching", ui_.chkmin));
    bindings.push_back(flagBinding("Show Save Confirm", ShowSaveConfirm));
    return bindings;
}

void frmTessorin::LoadCustomSettings() {
    settings::applyProfile(iniFiles_.SettingsIniSnapshot(), profileBindings());
}

void frmTessorin::LoadDefaultSettings() {
    settings::applyProfile(iniFiles_.DefaultIniSnapshot(), profileBindings());
}

void frmTessorin::SaveCustomSettings() {
    if (settings::saveProfile(iniFiles_, profileBindings())) {
        return;
    }
    const QString file =
        QDir::toNativeSeparators(services_.paths.map(QLatin1String(IniFiles::SettingsIniPath)));
    services_.messages.show(this,
                            QStringLiteral("Your settings could not be saved to %1.").arg(file),
                            platform::MessageIcon::Exclamation, platform::MessageButtons::Ok,
                            QStringLiteral("Tessorin"));
}
