// The yardstick for Tessorin's start: the least a Qt Widgets program does to put one
// main window of the same size on screen, built with the same compiler flags.

#include <QApplication>
#include <QMainWindow>

namespace {

// Tessorin's main window as mapped on a 96 dpi screen: its client area plus the menu bar.
constexpr int kWidth = 283;
constexpr int kHeight = 226;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(kWidth, kHeight);
    window.show();
    return QApplication::exec();
}
