#include "support/Doubles.h"

#include <QDir>
#include <algorithm>

namespace testing_doubles {

using platform::MessageAnswer;

MessageAnswer FakeMessageBoxes::show(QWidget*, const QString& text, platform::MessageIcon icon,
                                     platform::MessageButtons buttons, const QString& title) {
    shown.push_back({text, icon, buttons, title});
    if (whileShown) {
        whileShown();
    }
    if (buttons == platform::MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (answers.empty()) {
        return MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingProgramStarter::start(const QString& commandLine) {
    commandLines << commandLine;
    if (onStart) {
        onStart();
    }
    return succeed;
}

platform::HandOverOutcome RecordingProgramStarter::waitUntilHandedOn(
    std::chrono::milliseconds bound) {
    waitedAfter.push_back(commandLines.size());
    bounds.push_back(bound);
    if (handOvers.empty()) {
        return platform::HandOverOutcome::HandedOn;
    }
    const platform::HandOverOutcome outcome = handOvers.front();
    handOvers.pop_front();
    return outcome;
}

namespace {

class FakeKey final : public platform::RegistryKey {
  public:
    explicit FakeKey(std::vector<platform::RegistryValue> values) : values_(std::move(values)) {}

    platform::RegistryStatus enumValue(std::uint32_t index, std::size_t nameCapacity,
                                       std::size_t dataCapacity,
                                       platform::RegistryValue& out) const override {
        if (index >= values_.size()) {
            return platform::RegistryStatus::NoMoreItems;
        }
        const platform::RegistryValue& value = values_[index];
        if (value.name.size() + 1 > nameCapacity || value.data.size() > dataCapacity) {
            return platform::RegistryStatus::MoreData;
        }
        out = value;
        return platform::RegistryStatus::Success;
    }

  private:
    std::vector<platform::RegistryValue> values_;
};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::unique_ptr<platform::RegistryKey> FakeRegistry::openKey(platform::RegistryRoot,
                                                             const std::string& subKey) const {
    const auto found = keys.find(lowerCase(subKey));
    if (found == keys.end()) {
        return nullptr;
    }
    return std::make_unique<FakeKey>(found->second);
}

void FakeRegistry::setBrowserCommand(const std::string& command) {
    std::vector<std::uint8_t> data(command.begin(), command.end());
    data.push_back(0);
    keys[R"(http\shell\open\command)"] = {{"", platform::kRegSz, data}};
}

platform::EmbeddedBrowserFactory* FakeBrowserLoader::factory(QString& errorText) {
    ++calls;
    if (!available) {
        errorText = QStringLiteral("The web view could not be loaded (test double).");
    }
    return available;
}

TestServices::TestServices()
    : services{messages,
               programs,
               registry,
               browsers,
               platform::HostPaths{root.filePath(QStringLiteral("install")),
                                   root.filePath(QStringLiteral("config")),
                                   root.filePath(QStringLiteral("data")),
                                   root.filePath(QStringLiteral("helpers")),
                                   root.filePath(QStringLiteral("plugins")),
                                   {},
                                   {}},
               [this] { ++endProgramCalls; },
               focus} {
    QDir(root.path()).mkpath(QStringLiteral("install"));
    registry.setBrowserCommand(R"("/usr/bin/test-browser" --new-window "%1")");
}

QString TestServices::installFile(const QString& name) const {
    return QDir(services.paths.installDataDir).filePath(name);
}

QString TestServices::settingsFile() const {
    return QDir(services.paths.userConfigDir).filePath(QStringLiteral("Settings.ini"));
}

}  // namespace testing_doubles
