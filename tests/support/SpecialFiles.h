#pragma once

#include <QString>

// Files that are not plain files, as a user or another program can leave them where the
// program expects its own. Each returns false where the host cannot make one.

// A named pipe: opening it to read waits until something opens it to write.
bool makeNamedPipe(const QString& path);

// A link to a device that never reaches its end when read.
bool makeLinkToEndlessDevice(const QString& path);
