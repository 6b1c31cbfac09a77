#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdio>

#include "ui/ProgramIcon.h"

// Writes the program icon at one size as a PNG file, for the desktop's icon theme: the
// desktop then shows the very picture the windows wear, drawn at its own size rather
// than scaled from another.
int main(int argc, char* argv[]) {
    const int size = argc == 3 ? QByteArray(argv[1]).toInt() : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: %s <size in pixels> <png file>\n", argv[0]);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(QFileInfo(file).absolutePath()) ||
        !programIconImage(size).save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
