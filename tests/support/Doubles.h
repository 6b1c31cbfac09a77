#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/registry/Registry.h"
#include "platform/webview/EmbeddedBrowserLoader.h"
#include "platform/windowsystem/WindowFocus.h"

namespace testing_doubles {

struct ShownMessage {
    QString text;
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
    QString title;
};

// Records every message and answers Yes/No questions from a script (No when the
// script is empty). An optional hook runs while the "modal" message is up.
class FakeMessageBoxes final : public platform::MessageBoxes {
  public:
    platform::MessageAnswer show(QWidget*, const QString& text, platform::MessageIcon icon,
                                 platform::MessageButtons buttons, const QString& title) override;

    std::vector<ShownMessage> shown;
    std::deque<platform::MessageAnswer> answers;
    std::function<void()> whileShown;
};

// Records every command line it is asked to start; starts nothing. What fits on a
// command line is the host's own rule.
class RecordingProgramStarter final : public platform::ProgramStarter {
  public:
    bool start(const QString& commandLine) override;
    bool canPass(const QString& commandLine) const override { return host.canPass(commandLine); }
    // Notes how many starts there had been each time the opener waited for the last one,
    // and for how long at most; answers from the script (handed on when it is empty).
    platform::HandOverOutcome waitUntilHandedOn(std::chrono::milliseconds bound) override;

    platform::HostProgramStarter host;

    QStringList commandLines;
    std::vector<qsizetype> waitedAfter;
    std::vector<std::chrono::milliseconds> bounds;
    std::deque<platform::HandOverOutcome> handOvers;
    bool succeed = true;
    std::function<void()> onStart;
};

// Records which windows the focus was to be given back to; moves no focus itself.
class RecordingWindowFocus final : public platform::WindowFocus {
  public:
    void giveBack(QWidget& window) override { askedFor.push_back(&window); }
    void waitForKeyboard(QWidget&) override {}
    // As on X11 and Windows: minimised at once.
    void stepAside(QWidget& window) override { window.showMinimized(); }

    std::vector<QWidget*> askedFor;
};

// A registry holding whatever the test puts under each key.
class FakeRegistry final : public platform::Registry {
  public:
    std::unique_ptr<platform::RegistryKey> openKey(platform::RegistryRoot root,
                                                   const std::string& subKey) const override;
    // Puts the default value (REG_SZ) of http\shell\open\command.
    void setBrowserCommand(const std::string& command);

    std::map<std::string, std::vector<platform::RegistryValue>> keys;
};

// Reports that no web view can be loaded, unless a factory is given.
class FakeBrowserLoader final : public platform::EmbeddedBrowserLoader {
  public:
    platform::EmbeddedBrowserFactory* factory(QString& errorText) override;

    platform::EmbeddedBrowserFactory* available = nullptr;
    int calls = 0;
};

// All the doubles, with the program's folders in a fresh temporary folder.
struct TestServices {
    TestServices();

    QString installFile(const QString& name) const;
    QString settingsFile() const;

    QTemporaryDir root;
    FakeMessageBoxes messages;
    RecordingProgramStarter programs;
    FakeRegistry registry;
    FakeBrowserLoader browsers;
    RecordingWindowFocus focus;
    int endProgramCalls = 0;
    platform::Services services;
};

}  // namespace testing_doubles
