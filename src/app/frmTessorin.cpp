#include "app/frmTessorin.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "about/frmAbout.h"
#include "app/frmwarning.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "tools/frmPopup.h"
#include "tools/frmsetsweep.h"
#include "ui/Centring.h"

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString kTitle = QStringLiteral("Tessorin");

const QString kHowtoText = QStringLiteral(
    "1. Enter Lego set number, set name, phrase, or keyword into the search box.\r\n"
    "2. Click which websites you would like to include in your search.\r\n"
    "3. Hit 'Enter' or click the 'Search' button.\r\n"
    "4. A browser window will open for each website you chose and display results.\r\n"
    "\r\n"
    "To save your search settings, use \"Save Current Settings\" in the File Menu.\r\n"
    "To load default settings, use \"Load Default Settings\" in the File Menu.");

// The tool windows exist once per run: made on first use, then only brought back.
template <typename Window>
void showTheOne(QPointer<Window>& window, platform::Services& services) {
    if (!window) {
        window = new Window(services);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// Shown while the browser is being handed the sites; the window still takes input.
class BusyWhileOpening {
  public:
    BusyWhileOpening() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyWhileOpening() { QGuiApplication::restoreOverrideCursor(); }
    BusyWhileOpening(const BusyWhileOpening&) = delete;
    BusyWhileOpening& operator=(const BusyWhileOpening&) = delete;
};

}  // namespace

frmTessorin::frmTessorin(platform::Services& services)
    : services_(services),
      iniFiles_(services.paths),
      ui_(*this),
      selection_(ui_),
      profiles_(
          ui_, iniFiles_, [this] { return warning().ui().chkdontshow; }, services, this) {
    connectCommands();
    Form_Load();
}

frmTessorin::~frmTessorin() {
    // The other windows have no owner; they end with the main window.
    delete warning_.data();
    delete popup_.data();
    delete setSweep_.data();
    delete about_.data();
}

void frmTessorin::connectCommands() {
    connect(ui_.cmdView, &QPushButton::clicked, this, &frmTessorin::cmdView_Click);
    // Enter runs Search wherever the focus is in the window.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &frmTessorin::cmdView_Click);
    }
    connect(ui_.LoadDefault, &QAction::triggered, this,
            [this] { profiles_.LoadDefaultSettings(); });
    connect(ui_.LoadCustom, &QAction::triggered, this, [this] { profiles_.LoadCustomSettings(); });
    connect(ui_.SaveSettings, &QAction::triggered, this,
            [this] { profiles_.SaveCustomSettings(); });
    connect(ui_.Exit, &QAction::triggered, this, &frmTessorin::Exit_Click);
    connect(ui_.Checkall, &QAction::triggered, this, [this] { selection_.Checkall_Click(); });
    connect(ui_.Uncheckall, &QAction::triggered, this, [this] { selection_.Uncheckall_Click(); });
    connect(ui_.SetSweep, &QAction::triggered, this, &frmTessorin::SetSweep_Click);
    connect(ui_.Howto, &QAction::triggered, this, &frmTessorin::Howto_Click);
    connect(ui_.About, &QAction::triggered, this, &frmTessorin::About_Click);
}

void frmTessorin::Form_Load() {
    adjustSize();
    centreOnScreen(*this);
    profiles_.LoadCustomSettings();
    LoadSiteUrls();
}

frmwarning& frmTessorin::warning() {
    if (!warning_ || warning_->isDiscarded()) {
        warning_ = new frmwarning();
    }
    return *warning_;
}

void frmTessorin::cmdView_Click() {
    if (ui_.txtsearch->text().isEmpty()) {
        platform::showWarning(services_.messages, this,
                              QStringLiteral("Please enter a search query in the search field."));
        ui_.txtsearch->setFocus();
        return;
    }
    CountCheckedSites();
    if (SiteCount < 1) {
        platform::showWarning(services_.messages, this,
                              QStringLiteral("Please select at least one search site."));
        return;
    }
    // Refused before the bulk-open question: no point asking about windows that cannot open.
    if (!urlOpener().CanOpenAll(selectedAddresses())) {
        return;
    }
    if (SiteCount >= 2 && !confirmBulkOpen()) {
        return;
    }
    // The browser's starts are vouched for by the window the person used: once the
    // question has gone, this one, as soon as the desktop hands it the keyboard again.
    services_.focus.waitForKeyboard(*this);
    if (ui_.chkmin->isChecked()) {
        minimisedBySearch_ = true;
        services_.focus.stepAside(*this);
    }
    OpenSelectedSites();
}

bool frmTessorin::confirmBulkOpen() {
    if (warning().ui().chkdontshow->isChecked()) {
        return true;
    }
    warning().exec();
    bool isNumber = false;
    return warning().answerText().toInt(&isNumber) == 6 && isNumber;
}

void frmTessorin::CountCheckedSites() {
    SiteCount = 0;
    for (const QCheckBox* box : ui_.siteBoxes) {
        if (box->isChecked()) {
            ++SiteCount;
        }
    }
    if (ui_.chkpic->isChecked()) {
        SiteCount = 1;  // PeekShot replaces the sites: it is one window
    }
}

void frmTessorin::LoadSiteUrls() {
    const QString section = kTitle;
    // One read of Websites.ini for all its entries, as ReadWebsitesIni would give each.
    const ProgramIniFiles::Snapshot websites = iniFiles_.WebsitesIniSnapshot();
    for (std::size_t i = 0; i < kSites.size(); ++i) {
        const QString key = QString::fromLatin1(kSites[i].caption);
        siteUrlTable_[i].prefix = websites.read(section, key);
        if (kSites[i].hasSuffix) {
            siteUrlTable_[i].suffix = websites.read(section, key + QStringLiteral(" end"));
        }
    }
    sPeekShotURL = websites.read(section, QStringLiteral("PeekShot (Lugnet Popup)"));
    if (!anySiteUrlLoaded()) {
        // Said once the window is up, so the user sees what the message is about.
        QTimer::singleShot(0, this, &frmTessorin::reportMissingSiteUrls);
    }
}

// A missing, unreadable or empty Websites.ini leaves every address empty: the searches
// would hand the bare query to the browser.
bool frmTessorin::anySiteUrlLoaded() const {
    return !sPeekShotURL.isEmpty() ||
           std::any_of(siteUrlTable_.begin(), siteUrlTable_.end(),
                       [](const SiteUrl& url) { return !url.prefix.isEmpty(); });
}

void frmTessorin::reportMissingSiteUrls() {
    const QString file =
        QDir::toNativeSeparators(services_.paths.map(QLatin1String(platform::kWebsitesIniPath)));
    platform::showWarning(
        services_.messages, this,
        QStringLiteral("The site addresses could not be read from %1, so searches cannot open "
                       "the sites. Reinstalling Tessorin restores the file.")
            .arg(file));
}

modWWW::UrlOpener frmTessorin::urlOpener() {
    return modWWW::UrlOpener(services_.registry, services_.programs, services_.messages,
                             services_.focus, this, [this] { return minimisedBySearch_; });
}

QStringList frmTessorin::selectedAddresses() const {
    QStringList addresses;
    for (std::size_t i = 0; i < kSites.size(); ++i) {
        if (ui_.siteBoxes[i]->isChecked()) {
            addresses << composeAddress(siteUrlTable_[i], ui_.txtsearch->text());
        }
    }
    return addresses;
}

void frmTessorin::OpenSelectedSites() {
    QStringList missed;
    {
        const BusyWhileOpening busy;
        missed = openSitesInBrowser();
    }
    if (ending_) {
        return;
    }
    if (!missed.isEmpty()) {
        reportMissedSites(missed);
    }
    if (ui_.chkpic->isChecked()) {
        showPeekShot();
    }
}

// The captions of the sites that did not reach the browser.
QStringList frmTessorin::openSitesInBrowser() {
    QStringList missed;
    const auto note = [&missed](std::size_t site, modWWW::Delivery delivery) {
        if (delivery == modWWW::Delivery::NotStarted || delivery == modWWW::Delivery::NoAnswer) {
            missed << QString::fromLatin1(kSites[site].caption);
        }
    };
    modWWW::UrlOpener opener = urlOpener();
    if (opener.takesEveryAddressAtOnce()) {
        std::vector<std::size_t> sites;
        for (std::size_t i = 0; i < kSites.size(); ++i) {
            if (ui_.siteBoxes[i]->isChecked()) {
                sites.push_back(i);
            }
        }
        const std::vector<modWWW::Delivery> deliveries = opener.OpenURLs(selectedAddresses());
        for (std::size_t n = 0; n < deliveries.size() && n < sites.size(); ++n) {
            note(sites[n], deliveries[n]);
        }
        return missed;
    }
    // Each box and the query are read at the site's own turn: opening a browser lets
    // events run, and a change made meanwhile applies to the sites not yet reached.
    for (std::size_t i = 0; i < kSites.size() && !ending_; ++i) {
        if (ui_.siteBoxes[i]->isChecked()) {
            note(i, opener.OpenURL(composeAddress(siteUrlTable_[i], ui_.txtsearch->text())));
        }
    }
    return missed;
}

// Said once, after the search, so the person knows which results will not come.
void frmTessorin::reportMissedSites(const QStringList& captions) {
    platform::showWarning(
        services_.messages, this,
        QStringLiteral("These sites did not reach the web browser: %1.\r\n\r\nThe browser could "
                       "not be started, or it did not answer within a minute. Check that your "
                       "default web browser works, then search again.")
            .arg(captions.join(QStringLiteral(", "))));
}

void frmTessorin::showPeekShot() {
    if (!popup_) {
        popup_ = frmPopup::create(services_, sPeekShotURL, ui_.txtsearch->text());
    }
    if (popup_) {
        popup_->show();
        popup_->raise();
    }
}

void frmTessorin::Howto_Click() {
    services_.messages.show(this, kHowtoText, MessageIcon::Information, MessageButtons::Ok,
                            QStringLiteral("Tessorin - Howto"));
}

void frmTessorin::Exit_Click() {
    ConfirmSaveOnExit();
    endProgram();
}

void frmTessorin::closeEvent(QCloseEvent* event) {
    // Form_Unload: leaving can never be called off.
    if (!ending_) {
        ConfirmSaveOnExit();
        endProgram();
    }
    event->accept();
}

void frmTessorin::changeEvent(QEvent* event) {
    // The user brought the window back: from now on it is an ordinary window again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        minimisedBySearch_ = false;
    }
    QMainWindow::changeEvent(event);
}

void frmTessorin::ConfirmSaveOnExit() {
    if (!profiles_.showSaveConfirm()) {
        return;
    }
    const MessageAnswer answer =
        services_.messages.show(this, QStringLiteral("Do you want to save your current settings?"),
                                MessageIcon::None, MessageButtons::YesNo, kTitle);
    if (answer == MessageAnswer::Yes) {
        profiles_.SaveCustomSettings();
    }
}

void frmTessorin::endProgram() {
    ending_ = true;
    services_.endProgram();
}

void frmTessorin::SetSweep_Click() {
    showTheOne(setSweep_, services_);
}

void frmTessorin::About_Click() {
    showTheOne(about_, services_);
}
