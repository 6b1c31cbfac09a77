#include "tools/frmsetsweepUi.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include "tools/SetSweepIcon.h"
#include "ui/DialogFont.h"
#include "ui/SelectAllLineEdit.h"
#include "ui/Twips.h"
#include "ui/TwoToneRule.h"
#include "ui/WindowDefinition.h"

frmsetsweepUi::frmsetsweepUi(QMainWindow& window) {
    window.setObjectName(QStringLiteral("frmsetsweep"));
    window.setWindowTitle(QStringLiteral("SetSweep"));
    window.setWindowIcon(setSweepIcon());
    window.setFont(dialogFont());
    createMenus(window);
    createControls(window);
    // The menu bar's height depends on the style and font; the window takes whatever
    // it needs on top of the fixed client area and cannot be resized.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    txtStart->setFocus();
}

void frmsetsweepUi::createMenus(QMainWindow& window) {
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    Exit = file->addAction(QStringLiteral("&Exit"));
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    Howto = help->addAction(QStringLiteral("&Howto"));
    Howto->setObjectName(QStringLiteral("Howto"));
    Howto->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
}

void frmsetsweepUi::createControls(QMainWindow& window) {
    auto* client = new QWidget(&window);
    client->setFixedSize(twips::size(3375, 1125));
    window.setCentralWidget(client);

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
    // button, and Enter on the focused button clicks it.
    Command1->setDefault(true);
    QWidget::setTabOrder(txtStart, txtNbrSets);
    QWidget::setTabOrder(txtNbrSets, Command1);
}
