#include <sys/stat.h>

#include <QFile>

#include "support/SpecialFiles.h"

bool makeNamedPipe(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeLinkToEndlessDevice(const QString& path) {
    return QFile::link(QStringLiteral("/dev/zero"), path);
}
