#include <QProcess>

#include "platform/ProgramStarter.h"
#include "platform/WindowsCommandLine.h"

namespace platform {

// The line is split here, as a Windows program would split it, and the parts go to the
// new process as they are: no shell ever sees them, so nothing in an address is run.
bool HostProgramStarter::start(const QString& commandLine) {
    // An argument reaches the new process as a C string, which would end at a NUL: the
    // program would get a shortened address and we would report success.
    if (commandLine.contains(QChar(u'\0'))) {
        return false;
    }
    QStringList arguments = splitWindowsCommandLine(commandLine);
    if (arguments.isEmpty() || arguments.first().isEmpty()) {
        return false;
    }
    const QString program = arguments.takeFirst();
    // startDetached reports a failed exec (missing program, E2BIG for an argument the
    // system will not take) as false rather than raising anything.
    return QProcess::startDetached(program, arguments);
}

}  // namespace platform
