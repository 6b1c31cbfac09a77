// A second yardstick, printed beside the first: the bare window plus what any window with
// words on it pays for, a menu bar and one line of text. Qt then starts fontconfig and
// loads a font, and the menu bar's style icon brings in the image format plugins; the
// difference from the bare window is Qt's, not the program's.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace {

// The same size as the bare window and Tessorin's main window.
constexpr int kWidth = 283;
constexpr int kHeight = 226;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Enter a set number")));
    window.resize(kWidth, kHeight);
    window.show();
    return QApplication::exec();
}
