#include "app/frmTessorinUi.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "Version.h"
#include "ui/DialogFont.h"
#include "ui/ProgramIcon.h"
#include "ui/SelectAllLineEdit.h"
#include "ui/Twips.h"
#include "ui/TwoToneRule.h"
#include "ui/WindowDefinition.h"

namespace {

constexpr int kClientWidth = 4245;
constexpr int kClientHeight = 3135;
constexpr int kRuleLength = 4320;
constexpr int kFrameTop = 120;

QAction* addItem(QMenu* menu, const char* name, const char* caption, const char* shortcut) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

frmTessorinUi::frmTessorinUi(QMainWindow& window) {
    window.setObjectName(QStringLiteral("frmTessorin"));
    window.setWindowTitle(QStringLiteral("Tessorin v") + QLatin1String(kTessorinVersion));
    window.setWindowIcon(programIcon());
    window.setFont(dialogFont());
    window.setWindowFlags(fixedWindowFlags(Qt::Window, Qt::WindowMinimizeButtonHint));

    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips::size(kClientWidth, kClientHeight));
    window.setCentralWidget(client);

    createControls(*client);
    createSiteBoxes(*client);
    setTabOrder();
    createMenus(window);
    // Fixed size: the window is as large as its client area and menu bar, and no larger.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmTessorinUi::createControls(QWidget& client) {
    new TwoToneRule(&client, kRuleLength);
    Frame1 = placed(new QGroupBox(QStringLiteral("Search Site(s)"), &client), "Frame1",
                    twips::rect(0, kFrameTop, 4250, 2100));
    txtsearch =
        placed(new SelectAllLineEdit(&client), "txtsearch", twips::rect(120, 2550, 2925, 285));
    cmdView = placed(new QPushButton(QStringLiteral("&Search"), &client), "cmdView",
                     twips::rect(3150, 2520, 1000, 340));
    // Drawn as the default button: Enter anywhere in the window runs Search.
    cmdView->setDefault(true);
    chkpic = placed(new QCheckBox(QStringLiteral("PeekShot (Lugnet Popup)"), Frame1), "chkpic",
                    twips::rect(120, 1800, 2655, 240));
    chkmin = placed(new QCheckBox(QStringLiteral("&Minimize while searching"), &client), "chkmin",
                    twips::rect(120, 2880, 2175, 255));
    Label1 = placed(new QLabel(QStringLiteral("Enter search query here:"), &client), "Label1",
                    twips::rect(120, 2280, 1815, 255));
    Label1->setBuddy(txtsearch);
}

void frmTessorinUi::createSiteBoxes(QWidget& client) {
    for (std::size_t i = 0; i < kSites.size(); ++i) {
        const SiteDefinition& site = kSites[i];
        // Two boxes belong to the window, not the frame, yet sit in the frame's grid;
        // their window position is the grid cell moved down by the frame's top.
        QWidget* container = site.inFrame ? static_cast<QWidget*>(Frame1) : &client;
        QCheckBox* box = new QCheckBox(QString::fromLatin1(site.caption), container);
        siteBoxes[i] =
            placed(box, site.boxName, twips::rect(site.left, site.top, site.width, site.height));
        if (!site.inFrame) {
            box->raise();  // above the frame, so they show and take clicks inside it
        }
        if (!site.tabStop) {
            box->setFocusPolicy(Qt::ClickFocus);  // clicked as any other, passed by with Tab
        }
    }
}

void frmTessorinUi::setTabOrder() {
    QWidget* previous = txtsearch;
    const auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    chain(cmdView);
    for (QCheckBox* box : siteBoxes) {
        chain(box);
    }
    chain(chkpic);
    chain(chkmin);
    txtsearch->setFocus();
}

void frmTessorinUi::createMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    LoadDefault = addItem(file, "LoadDefault", "Load &Default Settings", "Ctrl+D");
    LoadCustom = addItem(file, "LoadCustom", "Load &Custom Settings", "Ctrl+C");
    addSeparator(file, "mnuHelpSep1");
    SaveSettings = addItem(file, "SaveSettings", "&Save Current Settings", "Ctrl+S");
    addSeparator(file, "mnuHelpSep2");
    Exit = addItem(file, "Exit", "E&xit", "Ctrl+X");

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    Checkall = addItem(edit, "Checkall", "Ch&eck all Search Sites", "Ctrl+E");
    Uncheckall = addItem(edit, "Uncheckall", "&Uncheck all Search Sites", "Ctrl+U");

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("Tools"));
    SetSweep = addItem(tools, "SetSweep", "&SetSweep", "Ctrl+M");

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    Howto = addItem(help, "Howto", "&Howto...", "Ctrl+H");
    addSeparator(help, "mnuHelpSep3");
    About = addItem(help, "About", "&About...", "Ctrl+A");
}
