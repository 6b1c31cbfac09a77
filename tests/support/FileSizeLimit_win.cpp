#include "support/FileSizeLimit.h"

// Windows has no per-process file-size limit.
bool limitFileSize(QProcess&, qint64) {
    return false;
}
