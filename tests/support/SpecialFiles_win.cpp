#include "support/SpecialFiles.h"

// Named pipes and devices live outside Windows folders, so no INI file can be one.

bool makeNamedPipe(const QString&) {
    return false;
}

bool makeLinkToEndlessDevice(const QString&) {
    return false;
}
