#include <windows.h>

#include <string>

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
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &handles.info) != FALSE;
}

}  // namespace platform
