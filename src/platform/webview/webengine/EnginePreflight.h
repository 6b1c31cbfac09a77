#pragma once

#include <QString>
#include <QStringList>

namespace platform::webengine {

// What decides whether Qt WebEngine can start in this process. Qt WebEngine aborts the
// process when it cannot find its helper program or its resources, and Chromium exits
// when run as root with its sandbox on; checking first turns these into a message.
struct EngineFacts {
    QString processOverride;    // QTWEBENGINEPROCESS_PATH: the only place looked at when set
    QStringList processPlaces;  // candidate helper program paths otherwise
    QString resourcesOverride;  // QTWEBENGINE_RESOURCES_PATH: likewise for the resources
    QStringList resourceFolders;
    bool runningAsRoot = false;
    bool sandboxDisabled = false;
};

// Empty when the engine can start; otherwise a sentence saying what is missing.
QString engineProblem(const EngineFacts& facts);

// The facts of this process, looked up where Qt WebEngine itself looks.
EngineFacts factsOfThisProcess();

// True when the process runs with administrator rights that Chromium refuses (POSIX root).
bool runningAsRoot();

}  // namespace platform::webengine
