#include <windows.h>

#include <QTimer>
#include <chrono>
#include <string>
#include <utility>

#include "platform/programs/HandOver.h"
#include "platform/programs/ProgramStarter.h"

namespace platform {

namespace {

// Closes the handles CreateProcessW hands back; the program runs on without us.
struct ProcessHandles {
    PROCESS_INFORMATION info{};
    ~ProcessHandles() {
        if (info.hThread) {
            CloseHandle(info.hThread);
        }
        if (info.hProcess) {
            CloseHandle(info.hProcess);
        }
    }
};

// CreateProcessW takes a command line of at most 32,767 characters, its NUL included.
constexpr qsizetype kLongestCommandLine = 32766;

constexpr std::chrono::milliseconds kHandOverPoll{15};

// Whether a started program has handed its address on: it has ended (it gave the address
// to the browser already running), or it waits for the user's input (its window is up:
// it is the browser now). A program without a window of its own has nothing to wait for.
bool handedOn(HANDLE process) {
    if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
        return true;
    }
    const DWORD idle = WaitForInputIdle(process, 0);
    return idle == 0 || idle == WAIT_FAILED;
}

// Polled, as Windows signals neither the input idle state nor the end to Qt's event loop.
// The watch owns the process handle and ends with the hand-over, or after the bound the
// search waits no longer than.
void watchHandOver(HANDLE process, const std::shared_ptr<HandOver>& handOver) {
    auto* poll = new QTimer;
    const std::shared_ptr<void> owned(process, CloseHandle);
    const auto deadline = std::chrono::steady_clock::now() + HostProgramStarter::kLongestHandOver;
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, owned, deadline, watched = std::weak_ptr<HandOver>(handOver)] {
                         const auto handOver = watched.lock();
                         const bool done = handedOn(owned.get());
                         if (done && handOver) {
                             handOver->finish();
                         }
                         if (done || !handOver || std::chrono::steady_clock::now() > deadline) {
                             poll->stop();
                             poll->deleteLater();
                         }
                     });
    poll->start(kHandOverPoll);
}

}  // namespace

// Windows lets the foreground program's child come forward by itself: no launch to hand over.
HostProgramStarter::HostProgramStarter(std::unique_ptr<LaunchActivation> activation)
    : activation_(std::move(activation)) {}

HostProgramStarter::~HostProgramStarter() = default;

bool HostProgramStarter::canPass(const QString& commandLine) const {
    return commandLine.size() <= kLongestCommandLine;
}

bool HostProgramStarter::start(const QString& commandLine) {
    // CreateProcessW reads the line up to its first NUL: the program would get a
    // shortened address, or lose a closing quote, and we would report success.
    if (commandLine.trimmed().isEmpty() || commandLine.contains(QChar(u'\0')) ||
        !canPass(commandLine)) {
        return false;
    }
    // CreateProcessW may write into the line, so it gets its own copy.
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    ProcessHandles handles;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &handles.info)) {
        return false;
    }
    lastStart_ = std::make_shared<HandOver>();
    lastStart_->watchesWindow();  // its waiting for input is its window, up
    watchHandOver(std::exchange(handles.info.hProcess, nullptr), lastStart_);
    return true;
}

}  // namespace platform
