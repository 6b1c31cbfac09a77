#include "tools/frmsetsweep.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/programs/ProgramStarter.h"
#include "tools/SetSweepBrowser.h"
#include "tools/SetSweepPage.h"
#include "tools/SetSweepPageFile.h"
#include "ui/Centring.h"
#include "ui/WindowDefinition.h"

namespace {

const QString kTitle = QStringLiteral("SetSweep");

const QString kHowtoText = QStringLiteral(
    "1. Enter a Lego set number in the left-hand box.\r\n"
    "2. Enter number of sets to view in the right-hand box.\r\n"
    "3. Hit 'Enter' or click the 'View Pics' button.\r\n"
    "4. A browser window will open and display results.\r\n"
    "\r\n"
    "This program uses Internet Explorer.  No other browser supported.");

}  // namespace

frmsetsweep::frmsetsweep(platform::Services& services)
    : QMainWindow(nullptr, fixedWindowFlags(Qt::Window, Qt::MSWindowsFixedSizeDialogHint)),
      services_(services),
      ui_(*this) {
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui_.Exit, &QAction::triggered, this, &frmsetsweep::Exit_Click);
    connect(ui_.Howto, &QAction::triggered, this, &frmsetsweep::Howto_Click);
    for (QLineEdit* box : {ui_.txtStart, ui_.txtNbrSets}) {
        connect(box, &QLineEdit::returnPressed, this, &frmsetsweep::Command1_Click);
    }
    connect(ui_.Command1, &QPushButton::clicked, this, &frmsetsweep::Command1_Click);
}

// Leaving the program while the window is open keeps the page on disk: only Exit and
// the close box clean up.
frmsetsweep::~frmsetsweep() = default;

void frmsetsweep::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Centred when it first appears; after Exit it comes back where the user left it.
    if (!centred_) {
        centred_ = true;
        centreOnScreen(*this);
    }
}

void frmsetsweep::closeEvent(QCloseEvent* event) {
    if (bPageWritten) {
        deletePage();
    }
    event->accept();
}

void frmsetsweep::Command1_Click() {
    if (ui_.txtStart->text().isEmpty() || ui_.txtNbrSets->text().isEmpty()) {
        complain(QStringLiteral("Please enter range start and number of sets in range"));
        return;
    }
    bPageWritten = true;
    const QString page = hostPagePath();
    if (const auto failure = setsweep::writePageFile(
            page, setsweep::pageBytes(ui_.txtStart->text(), ui_.txtNbrSets->text()))) {
        complain(*failure);
        return;
    }
    startBrowser(page);
}

void frmsetsweep::startBrowser(const QString& page) {
    const QString commandLine =
        setsweep::browserCommandLine(services_.registry, services_.paths, page);
    if (commandLine.isEmpty()) {
        complain(
            QStringLiteral("No web browser is registered for web addresses, so the "
                           "picture page cannot be shown."));
    } else if (!services_.programs.start(commandLine)) {
        complain(
            QStringLiteral("The web browser could not be started to show the picture "
                           "page."));
    }
}

void frmsetsweep::Exit_Click() {
    if (bPageWritten) {
        deletePage();
    }
    hide();
}

void frmsetsweep::Howto_Click() {
    services_.messages.show(this, kHowtoText, platform::MessageIcon::Information,
                            platform::MessageButtons::Ok, QStringLiteral("SetSweep - Howto"));
}

void frmsetsweep::deletePage() {
    if (const auto failure = setsweep::deletePageFile(hostPagePath())) {
        complain(*failure);
    }
}

void frmsetsweep::complain(const QString& text) {
    services_.messages.show(this, text, platform::MessageIcon::Exclamation,
                            platform::MessageButtons::Ok, kTitle);
}

QString frmsetsweep::hostPagePath() const {
    return services_.paths.map(QLatin1String(platform::kSetSweepPagePath));
}
