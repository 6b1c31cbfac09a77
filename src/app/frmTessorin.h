#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "app/ProfileCommands.h"
#include "app/SiteSelection.h"
#include "app/SiteTable.h"
#include "app/frmTessorinUi.h"
#include "browser/modWWW.h"
#include "settings/ProgramIniFiles.h"

class frmAbout;
class frmPopup;
class frmsetsweep;
class frmwarning;
class QCheckBox;
namespace platform {
struct Services;
}

// The main window: one query, sixteen sites, Search.
class frmTessorin final : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmTessorin(platform::Services& services);
    ~frmTessorin() override;

    QString sPeekShotURL;

    // The bulk-open dialog, created hidden on first touch.
    frmwarning& warning();
    const frmTessorinUi& ui() const { return ui_; }
    bool showSaveConfirm() const { return profiles_.showSaveConfirm(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Form_Load();
    void connectCommands();
    void cmdView_Click();
    bool confirmBulkOpen();
    void CountCheckedSites();
    void LoadSiteUrls();
    bool anySiteUrlLoaded() const;
    void reportMissingSiteUrls();
    void OpenSelectedSites();
    QStringList openSitesInBrowser();
    void reportMissedSites(const QStringList& captions);
    modWWW::UrlOpener urlOpener();
    QStringList selectedAddresses() const;
    void showPeekShot();
    void Howto_Click();
    void Exit_Click();
    void ConfirmSaveOnExit();
    void endProgram();
    void SetSweep_Click();
    void About_Click();

    platform::Services& services_;
    ProgramIniFiles iniFiles_;
    frmTessorinUi ui_;
    SiteSelection selection_;
    ProfileCommands profiles_;
    SiteUrlTable siteUrlTable_;
    short SiteCount = 0;
    bool ending_ = false;
    // "Minimize while searching" minimised the window and the user has not come back to it
    // since. Kept here: a Wayland compositor never tells a program that it is minimised.
    bool minimisedBySearch_ = false;

    QPointer<frmwarning> warning_;
    QPointer<frmPopup> popup_;
    QPointer<frmsetsweep> setSweep_;
    QPointer<frmAbout> about_;
};
