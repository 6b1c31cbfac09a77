#pragma once

#include <functional>

#include "settings/SettingsProfile.h"

class QCheckBox;
class QWidget;
struct frmTessorinUi;
namespace platform {
struct Services;
}

// The main window's side of the settings profiles: which of its choices make up a
// profile, in the one order every load and save walks, and what the user is told.
class ProfileCommands {
  public:
    // dontShowBox gives the bulk-open dialog's "do not show" box, creating the dialog.
    ProfileCommands(const frmTessorinUi& ui, const ProgramIniFiles& iniFiles,
                    std::function<QCheckBox*()> dontShowBox, platform::Services& services,
                    QWidget* window);

    void LoadCustomSettings();
    void LoadDefaultSettings();
    void SaveCustomSettings();

    // Whether leaving the program asks to save; a profile entry of its own.
    bool showSaveConfirm() const { return ShowSaveConfirm; }

  private:
    settings::ProfileBindings profileBindings();

    const frmTessorinUi& ui_;
    const ProgramIniFiles& iniFiles_;
    std::function<QCheckBox*()> dontShowBox_;
    platform::Services& services_;
    QWidget* window_;
    bool ShowSaveConfirm = false;
};
