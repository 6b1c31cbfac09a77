#pragma once

#include <filesystem>
#include <string>

#include "harness/Child.h"

namespace bench {

// A throw-away home with its own XDG folders, so a measured program never reads or
// writes the user's settings, and a recording program as the default web browser.
class TempHome {
  public:
    explicit TempHome(const std::string& recorderPath);
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    // HOME, the XDG folders and the recorder's log file, for a child's environment.
    Environment environment() const;
    std::filesystem::path recordFile() const { return root_ / "starts.log"; }
    void writeTessorinSettings(const std::string& text) const;

  private:
    void installBrowser(const std::string& recorderPath) const;

    std::filesystem::path root_;
};

}  // namespace bench
