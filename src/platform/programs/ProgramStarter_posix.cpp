#include <spawn.h>
#include <unistd.h>

#include <QProcess>
#include <csignal>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/programs/ChildReaper_posix.h"
#include "platform/programs/HandOver.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/programs/WindowsCommandLine.h"

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

// Our environment with the launch's variables put in; nothing else of it changes.
std::vector<std::string> environmentWith(const Launch& launch) {
    std::set<std::string> replaced;
    for (const auto& variable : launch.environment) {
        replaced.insert(variable.first.toStdString());
    }
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string entry(*variable);
        if (!replaced.count(entry.substr(0, entry.find('=')))) {
            environment.push_back(entry);
        }
    }
    for (const auto& [name, value] : launch.environment) {
        environment.push_back((name + u'=' + value).toLocal8Bit().toStdString());
    }
    return environment;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// posix_spawn starts the program without copying our address space, as fork does (twice,
// in QProcess::startDetached): with Qt's libraries mapped that copy and the exec that
// throws it away again were nearly all of a search's time. The program gets a session of
// its own, so it outlives us as a detached process would, and the signals we ignore or
// block are set back for it. It is our child: the reaper collects it when it ends.
bool spawnDetached(const QString& program, const QStringList& arguments, const Launch& launch,
                   ChildReaper& reaper, std::function<void()> onEnded) {
    std::vector<std::string> argumentBytes{program.toLocal8Bit().toStdString()};
    for (const QString& argument : arguments) {
        argumentBytes.push_back(argument.toLocal8Bit().toStdString());
    }
    std::vector<std::string> environmentBytes = environmentWith(launch);
    std::vector<char*> argv = pointersTo(argumentBytes);
    std::vector<char*> envp = pointersTo(environmentBytes);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    // A failed exec (missing program, E2BIG) comes back here as the result.
    const int failed =
        posix_spawnp(&child, argv.front(), nullptr, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    if (failed != 0) {
        return false;
    }
    reaper.watch(child, std::move(onEnded));
    return true;
}

// Where the kernel has no pidfds to collect a child with, QProcess starts the program
// through a second process that ends at once, so nothing is left to collect.
bool startDetachedWith(const QString& program, const QStringList& arguments, const Launch& launch) {
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
    const auto handOver = std::make_shared<HandOver>();
    const auto handedOn = [watched = std::weak_ptr<HandOver>(handOver)] {
        if (const auto handOver = watched.lock()) {
            handOver->finish();
        }
    };
    // startDetached reports a failed exec (missing program, E2BIG for an argument the
    // system will not take) as false rather than raising anything.
    const bool watchable = ChildReaper::available();
    const bool started = watchable ? spawnDetached(program, arguments, launch,
                                                   ChildReaper::ofThisProcess(), handedOn)
                                   : startDetachedWith(program, arguments, launch);
    if (!started) {
        activation_->failed(launch);
        return false;
    }
    if (!watchable) {
        handOver->finish();  // started through a process of its own: nothing to watch
    }
    if (activation_->whenShown(launch, handedOn)) {
        handOver->watchesWindow();
    }
    lastStart_ = handOver;
    return true;
}

}  // namespace platform
