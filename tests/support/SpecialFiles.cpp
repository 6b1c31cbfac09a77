#include "support/SpecialFiles.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

bool makeNamedPipe(const QString& path) {
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

bool makeLinkToEndlessDevice(const QString& path) {
#ifdef Q_OS_UNIX
    return QFile::link(QStringLiteral("/dev/zero"), path);
#else
    Q_UNUSED(path);
    return false;
#endif
}
