#include "tools/frmsetsweep.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/programs/ProgramStarter.h"
#include "tools/SetSweepBrowser.h"
#include "tools/SetSweepIcon.h"
#include "tools/SetSweepPage.h"
#include "tools/SetSweepPageFile.h"
#include "ui/Centring.h"
#include "ui/DialogFont.h"
#include "ui/SelectAllLineEdit.h"
#include "ui/Twips.h"
#include "ui/TwoToneRule.h"
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
      services_(services) {
    setObjectName(QStringLiteral("frmsetsweep"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);
    setWindowIcon(setSweepIcon());
    setFont(dialogFont());
    buildMenus();
    buildControls();
    // The menu bar's height depends on the style and font; the window takes whatever
    // it needs on top of the fixed client area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    txtStart->setFocus();
}

// Leaving the program while the window is open keeps the page on disk: only Exit and
// the close box clean up.
frmsetsweep::~frmsetsweep() = default;

void frmsetsweep::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    Exit = file->addAction(QStringLiteral("&Exit"), this, &frmsetsweep::Exit_Click);
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    Howto = help->addAction(QStringLiteral("&Howto"), this, &frmsetsweep::Howto_Click);
    Howto->setObjectName(QStringLiteral("Howto"));
    Howto->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
}

void frmsetsweep::buildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(twips::size(3375, 1125));
    setCentralWidget(client);

    new TwoToneRule(client, 4080);
    txtStart = placed(new SelectAllLineEdit(client), "txtStart", twips::rect(120, 360, 1455, 285));
    txtNbrSets =
        placed(new SelectAllLineEdit(client), "txtNbrSets", twips::rect(1800, 360, 1455, 285));
    Label1 = placed(new QLabel(QStringLiteral("Range Start:"), client), "Label1",
                    twips::rect(120, 120, 1815, 255));
    Label2 = placed(new QLabel(QStringLiteral("# of Sets in Range:"), client), "Label2",
                    twips::rect(1800, 120, 1695, 255));
    // A box has no caption of its own: screen readers take its name from the label above.
    Label1->setBuddy(txtStart);
    Label2->setBuddy(txtNbrSets);
    Command1 = placed(new QPushButton(QStringLiteral("View Pics"), client), "Command1",
                      twips::rect(2160, 720, 1100, 340));
    // A main window has no default button of its own: Enter in a box is wired to the
    // button here, and Enter on the focused button clicks it.
    Command1->setDefault(true);
    setTabOrder(txtStart, txtNbrSets);
    setTabOrder(txtNbrSets, Command1);

    for (QLineEdit* box : {txtStart, txtNbrSets}) {
        connect(box, &QLineEdit::returnPressed, this, &frmsetsweep::Command1_Click);
    }
    connect(Command1, &QPushButton::clicked, this, &frmsetsweep::Command1_Click);
}

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
    if (txtStart->text().isEmpty() || txtNbrSets->text().isEmpty()) {
        complain(QStringLiteral("Please enter range start and number of sets in range"));
        return;
    }
    bPageWritten = true;
    const QString page = hostPagePath();
    if (const auto failure = setsweep::writePageFile(
            page, setsweep::pageBytes(txtStart->text(), txtNbrSets->text()))) {
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
