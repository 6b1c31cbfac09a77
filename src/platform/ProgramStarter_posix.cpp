#include <unistd.h>

#include <QProcess>
#include <cstring>

#include "platform/ProgramStarter.h"
#include "platform/WindowsCommandLine.h"

extern char** environ;

namespace platform {

namespace {

// Room kept free of the system's limit for what the browser's own launch line adds.
constexpr long kLaunchRoom = 8192;

long environmentSize() {
    long size = 0;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        size += static_cast<long>(std::strlen(*variable)) + 1 + static_cast<long>(sizeof(char*));
    }
    return size;
}

// Linux takes no single argument of 32 pages or more (MAX_ARG_STRLEN, its NUL included).
long longestArgument() {
#ifdef __linux__
    return 32 * sysconf(_SC_PAGESIZE) - 1;
#else
    return sysconf(_SC_ARG_MAX);
#endif
}

// The program with the launch's variables added to our own environment, which it otherwise
// gets unchanged.
bool startDetachedWith(const QString& program, const QStringList& arguments,
                       const Launch& launch) {
    if (launch.environment.empty()) {
        return QProcess::startDetached(program, arguments);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : launch.environment) {
        environment.insert(name, value);
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

}  // namespace

HostProgramStarter::HostProgramStarter(std::unique_ptr<LaunchActivation> activation)
    : activation_(std::move(activation)) {}

HostProgramStarter::~HostProgramStarter() = default;

bool HostProgramStarter::canPass(const QString& commandLine) const {
    long room = sysconf(_SC_ARG_MAX) - environmentSize() - kLaunchRoom;
    for (const QString& argument : splitWindowsCommandLine(commandLine)) {
        const long size = static_cast<long>(argument.toLocal8Bit().size());
        if (size > longestArgument() - kLaunchRoom) {
            return false;
        }
        room -= size + 1 + static_cast<long>(sizeof(char*));
    }
    return room > 0;
}

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
    if (!activation_) {
        activation_ = makeHostLaunchActivation();
    }
    const Launch launch = activation_->begin(program);
    // startDetached reports a failed exec (missing program, E2BIG for an argument the
    // system will not take) as false rather than raising anything.
    if (!startDetachedWith(program, arguments, launch)) {
        activation_->failed(launch);
        return false;
    }
    return true;
}

}  // namespace platform
