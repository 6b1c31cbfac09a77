#pragma once

#include <QString>
#include <chrono>
#include <memory>

#include "platform/programs/LaunchActivation.h"

namespace platform {

class HandOver;

// How the wait for a start's hand-over ended.
enum class HandOverOutcome {
    // The program ended (a browser already running took the addresses) or showed its
    // window (it is the browser now), or there was nothing to watch.
    HandedOn,
    // The bound passed while the program neither ended nor showed the window it could be
    // seen to show: the addresses did not reach a browser that answers.
    NoAnswer,
    // The bound passed, but the window system would not have let us see its window: it may
    // well be up.
    Unseen,
};

// Starts a program from a Windows-style command line ("\"C:\\path\\app.exe\" arg ...")
// without waiting for it. No shell is ever involved: on POSIX hosts the line is split
// by the Windows argument rules and the first argument names the program.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // True when the program was started; false for an empty line, a missing program, a
    // NUL anywhere in the line (no argument can carry one), or anything else the host
    // refuses.
    virtual bool start(const QString& commandLine) = 0;
    // False when the host could not hand the line to a program whole: an argument or the
    // whole line too long for it. Asked before a search starts anything, so a query that
    // cannot be passed on is refused once rather than failing at every site.
    virtual bool canPass(const QString& commandLine) const = 0;
    // Returns once the program started last has handed its addresses on: it has ended (a
    // browser already running took them) or it has shown its window (it is the browser
    // now), or once bound has passed. Window events are handled meanwhile. A browser
    // started before that may take the addresses in a different order, or lose one while
    // the first is still starting, so the next start waits for this.
    virtual HandOverOutcome waitUntilHandedOn(std::chrono::milliseconds bound) = 0;
};

// The host's own implementation (CreateProcess on Windows, QProcess elsewhere). On a Linux
// desktop each start is also announced through the window system's launch protocol, so the
// started browser may come forward; Windows lets the foreground program's child do so.
class HostProgramStarter final : public ProgramStarter {
  public:
    // Without an activation of its own, the window system's is taken on the first start.
    explicit HostProgramStarter(std::unique_ptr<LaunchActivation> activation = nullptr);
    ~HostProgramStarter() override;

    bool start(const QString& commandLine) override;
    bool canPass(const QString& commandLine) const override;
    HandOverOutcome waitUntilHandedOn(std::chrono::milliseconds bound) override;

    // No wait is longer: a start is watched no longer than this.
    static constexpr std::chrono::seconds kLongestHandOver{60};

  private:
    std::unique_ptr<LaunchActivation> activation_;
    std::shared_ptr<HandOver> lastStart_;
};

}  // namespace platform
