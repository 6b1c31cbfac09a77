// The start-up yardstick: a plain Qt window with the same kinds of widgets as Tessorin's
// main window (a menu bar of four menus with their items, a group box of seventeen check
// boxes, a line edit, a push button, labels) and no logic at all. What Tessorin takes
// beyond this window is its own work at start-up.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Tessorin's main window: a client area of 283 x 209 pixels below its menu bar.
constexpr int kWidth = 283;
constexpr int kHeight = 209;

struct Item {
    const char* caption;
    const char* shortcut;
};

void addMenu(QMenuBar* bar, const char* title, std::initializer_list<Item> items) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(title));
    for (const Item& item : items) {
        menu->addAction(QString::fromLatin1(item.caption))
            ->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    addMenu(window.menuBar(), "&File",
            {{"Load Default", "Ctrl+D"},
             {"Load Custom", "Ctrl+C"},
             {"Save", "Ctrl+S"},
             {"Exit", "Ctrl+X"}});
    addMenu(window.menuBar(), "&Edit", {{"Check all", "Ctrl+E"}, {"Uncheck all", "Ctrl+U"}});
    addMenu(window.menuBar(), "&Tools", {{"Sweep", "Ctrl+M"}});
    addMenu(window.menuBar(), "&Help", {{"How", "Ctrl+H"}, {"About", "Ctrl+A"}});

    auto* client = new QWidget;
    client->setFixedSize(kWidth, kHeight);
    auto* frame = new QGroupBox(QStringLiteral("Search Sites"), client);
    frame->setGeometry(0, 8, kWidth, 140);
    for (int i = 0; i < 17; ++i) {
        auto* box = new QCheckBox(QStringLiteral("Site number %1").arg(i), frame);
        box->setGeometry(8 + (i % 2) * 136, 16 + (i / 2) * 14, 130, 16);
    }
    new QLineEdit(client);
    (new QPushButton(QStringLiteral("&Search"), client))->move(210, 168);
    (new QLabel(QStringLiteral("Enter search query here:"), client))->move(8, 150);
    (new QLabel(QStringLiteral("Minimize while searching"), client))->move(8, 192);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
