#include "app/ProfileCommands.h"

#include <QCheckBox>
#include <QDir>
#include <utility>

#include "app/SiteTable.h"
#include "app/frmTessorinUi.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"

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

ProfileCommands::ProfileCommands(const frmTessorinUi& ui, const ProgramIniFiles& iniFiles,
                                 std::function<QCheckBox*()> dontShowBox,
                                 platform::Services& services, QWidget* window)
    : ui_(ui),
      iniFiles_(iniFiles),
      dontShowBox_(std::move(dontShowBox)),
      services_(services),
      window_(window) {}

settings::ProfileBindings ProfileCommands::profileBindings() {
    settings::ProfileBindings bindings;
    for (std::size_t i = 0; i < kSites.size(); ++i) {
        bindings.push_back(
            boxBinding(kSites[i].profileSaveKey, kSites[i].profileLoadKey, ui_.siteBoxes[i]));
    }
    // PeekShot comes after the sites, so a profile that ticks it wins over them.
    bindings.push_back(boxBinding("Lugnet Popup", "Lugnet Popup", ui_.chkpic));
    // The dialog's box is asked for at its turn: touching it creates the dialog.
    bindings.push_back({QStringLiteral("Don't Show Alert"), QStringLiteral("Don't Show Alert"),
                        [this] { return dontShowBox_()->isChecked(); },
                        [this](bool on) { dontShowBox_()->setChecked(on); }});
    bindings.push_back(
        boxBinding("Minimize While Searching", "Minimize While Searching", ui_.chkmin));
    bindings.push_back(flagBinding("Show Save Confirm", ShowSaveConfirm));
    return bindings;
}

void ProfileCommands::LoadCustomSettings() {
    settings::applyProfile(iniFiles_.SettingsIniSnapshot(), profileBindings());
}

void ProfileCommands::LoadDefaultSettings() {
    settings::applyProfile(iniFiles_.DefaultIniSnapshot(), profileBindings());
}

void ProfileCommands::SaveCustomSettings() {
    if (settings::saveProfile(iniFiles_, profileBindings())) {
        return;
    }
    const QString file =
        QDir::toNativeSeparators(services_.paths.map(QLatin1String(platform::kSettingsIniPath)));
    platform::showWarning(services_.messages, window_,
                          QStringLiteral("Your settings could not be saved to %1.").arg(file));
}
