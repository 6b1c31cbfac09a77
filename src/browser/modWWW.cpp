#include "browser/modWWW.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/messages/MessageBoxes.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/programs/WindowsCommandLine.h"
#include "platform/windowsystem/WindowFocus.h"

namespace modWWW {

namespace {

constexpr std::size_t kNameCapacity = 260;
constexpr std::size_t kDataCapacity = 4096;
constexpr std::uint32_t kMaxValues = 1'000'000;

// How long a start may take to hand its addresses on. A cold browser on a slow or busy
// machine takes seconds, seldom twenty; only one that hangs takes this long.
constexpr std::chrono::milliseconds kHandOverBound = platform::HostProgramStarter::kLongestHandOver;
// After one start went unanswered that long: sixteen such waits would hold a search for a
// quarter of an hour, so the sites after it are given this long each.
constexpr std::chrono::seconds kAfterNoAnswer{5};

RegValue toRegValue(platform::RegistryValue&& value) {
    RegValue result{std::move(value.name), {}};
    const std::vector<std::uint8_t>& bytes = value.data;
    if (value.type == platform::kRegSz) {
        // Only the terminating NUL goes: a string stored without one keeps its last letter.
        std::size_t length = bytes.size();
        if (length > 0 && bytes.back() == 0) {
            --length;
        }
        result.data = std::string(bytes.begin(), bytes.begin() + length);
    } else if (value.type == platform::kRegDword) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < std::min<std::size_t>(bytes.size(), 4); ++i) {
            number |= std::uint32_t{bytes[i]} << (8 * i);
        }
        result.data = static_cast<std::int32_t>(number);
    } else {
        result.data = std::move(value.data);
    }
    return result;
}

// The data of a value as the text of a command. Raw bytes are read up to their first
// NUL, so an expandable string reads like a plain one.
QString dataAsText(const RegValue& value) {
    if (const auto* text = std::get_if<std::string>(&value.data)) {
        return QString::fromLocal8Bit(text->data(), static_cast<qsizetype>(text->size()));
    }
    if (const auto* number = std::get_if<std::int32_t>(&value.data)) {
        return QString::number(*number);
    }
    const auto& bytes = std::get<std::vector<std::uint8_t>>(value.data);
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return QString::fromLocal8Bit(reinterpret_cast<const char*>(bytes.data()),
                                  static_cast<qsizetype>(end - bytes.begin()));
}

QString commandLineFor(const QString& browser, const QStringList& addresses) {
    QString line = browser;
    for (const QString& address : addresses) {
        // Quoted as one argument: a query with blanks would otherwise reach the browser as
        // several addresses.
        line += u' ' + platform::quoteWindowsArgument(address);
    }
    return line;
}

// A registered command begins with the program's path in double quotes; the path is
// everything up to and including the first quote after the opening character, so the
// options and the address placeholder that follow it are left out.
QString programPathOf(const QString& command) {
    const qsizetype closingQuote = command.indexOf(u'"', 1);
    return closingQuote < 0 ? QString() : command.left(closingQuote + 1);
}

// The command the registry holds for http addresses; nothing when the key has no value.
std::optional<QString> registeredCommand(const platform::Registry& registry) {
    const std::vector<RegValue> values =
        GetRegValues(registry, platform::RegistryRoot::ClassesRoot, platform::kBrowserCommandKey);
    if (values.empty()) {
        return std::nullopt;
    }
    // The first value the registry lists, whatever its name: normally the default value.
    return dataAsText(values.front());
}

bool takesEveryAddress(const QString& command) {
    const QString arguments = command.mid(programPathOf(command).size());
    return arguments.split(u' ', Qt::SkipEmptyParts)
        .contains(QLatin1String(platform::kEveryAddress));
}

}  // namespace

std::vector<RegValue> GetRegValues(const platform::Registry& registry, platform::RegistryRoot root,
                                   const std::string& subKey) {
    std::vector<RegValue> values;
    const std::unique_ptr<platform::RegistryKey> key = registry.openKey(root, subKey);
    if (!key) {
        return values;
    }
    values.reserve(101);
    for (std::uint32_t index = 0; index < kMaxValues; ++index) {
        platform::RegistryValue value;
        if (key->enumValue(index, kNameCapacity, kDataCapacity, value) !=
            platform::RegistryStatus::Success) {
            break;
        }
        values.push_back(toRegValue(std::move(value)));
    }
    return values;
}

QString GetBrowserPath(const platform::Registry& registry) {
    const std::optional<QString> command = registeredCommand(registry);
    return command ? programPathOf(*command) : QString::fromLatin1(kInvalidBrowser);
}

UrlOpener::UrlOpener(const platform::Registry& registry, platform::ProgramStarter& programs,
                     platform::MessageBoxes& messages, platform::WindowFocus& focus,
                     QWidget* mainWindow, std::function<bool()> minimisedBySearch)
    : registry_(registry),
      programs_(programs),
      messages_(messages),
      focus_(focus),
      minimisedBySearch_(std::move(minimisedBySearch)),
      mainWindow_(mainWindow) {}

Delivery UrlOpener::OpenURL(const QString& address) {
    const QString browser = GetBrowserPath(registry_);
    if (browser == QLatin1String(kInvalidBrowser)) {
        tellNoBrowser();
        return Delivery::Told;
    }
    // The query may have changed since the search was checked: events run between sites.
    if (const auto refusal = refusalOf(browser, address)) {
        showRefusal(*refusal);
        return Delivery::Told;
    }
    return start(browser, {address});
}

bool UrlOpener::takesEveryAddressAtOnce() const {
    const std::optional<QString> command = registeredCommand(registry_);
    return command && takesEveryAddress(*command);
}

std::vector<Delivery> UrlOpener::OpenURLs(const QStringList& addresses) {
    if (addresses.isEmpty()) {
        return {};
    }
    const QString browser = GetBrowserPath(registry_);
    if (browser == QLatin1String(kInvalidBrowser)) {
        tellNoBrowser();
        return std::vector<Delivery>(static_cast<std::size_t>(addresses.size()), Delivery::Told);
    }
    // Every address could go alone (the search checked them), but not all in one line:
    // then each goes in a start of its own rather than none at all.
    if (!programs_.canPass(commandLineFor(browser, addresses))) {
        std::vector<Delivery> deliveries;
        for (const QString& address : addresses) {
            deliveries.push_back(OpenURL(address));
        }
        return deliveries;
    }
    return std::vector<Delivery>(static_cast<std::size_t>(addresses.size()),
                                 start(browser, addresses));
}

Delivery UrlOpener::start(const QString& browser, const QStringList& addresses) {
    // Each start after the first is vouched for by the main window again. Never after a
    // start: the browser, not yet forward, would find a newer activation of ours in its
    // way, which the desktop holds against it (KWin does).
    if (startedBefore_) {
        giveFocusBack();
    }
    startedBefore_ = true;
    if (!programs_.start(commandLineFor(browser, addresses))) {
        return Delivery::NotStarted;
    }
    QCoreApplication::processEvents();
    // The next start only once this one has handed its addresses on: the browser then
    // takes them in the sites' order, and one that is still starting loses none.
    const platform::HandOverOutcome outcome =
        programs_.waitUntilHandedOn(browserAnswers_ ? kHandOverBound : kAfterNoAnswer);
    browserAnswers_ = outcome != platform::HandOverOutcome::NoAnswer;
    return browserAnswers_ ? Delivery::Reached : Delivery::NoAnswer;
}

void UrlOpener::tellNoBrowser() {
    messages_.show(mainWindow_, QStringLiteral("Unable to open URL. Install browser first!"),
                   platform::MessageIcon::None, platform::MessageButtons::Ok,
                   QStringLiteral("Tessorin"));
}

// Giving the focus back must not undo "Minimize while searching".
void UrlOpener::giveFocusBack() {
    if (!mainWindow_ || mainWindow_->isMinimized() ||
        (minimisedBySearch_ && minimisedBySearch_())) {
        return;
    }
    focus_.giveBack(*mainWindow_);
}

bool UrlOpener::CanOpenAll(const QStringList& addresses) {
    const QString browser = GetBrowserPath(registry_);
    if (browser == QLatin1String(kInvalidBrowser)) {
        return true;  // each site then says that there is no browser, as it always has
    }
    for (const QString& address : addresses) {
        if (const auto refusal = refusalOf(browser, address)) {
            showRefusal(*refusal);
            return false;
        }
    }
    return true;
}

std::optional<QString> UrlOpener::refusalOf(const QString& browser, const QString& address) const {
    // Without its site's prefix (a missing or damaged Websites.ini) the address is the bare
    // query, and "-P x" or "--new-instance" would reach the browser as one of its options.
    if (address.startsWith(u'-')) {
        return QStringLiteral(
            "A search address begins with \"-\", so the web browser would take it as one of "
            "its options instead of a page to open. Check the site addresses in Websites.ini.");
    }
    if (!programs_.canPass(commandLineFor(browser, {address}))) {
        return QStringLiteral(
            "The search query is too long to hand to the web browser. Please shorten it and "
            "search again.");
    }
    return std::nullopt;
}

void UrlOpener::showRefusal(const QString& text) {
    platform::showWarning(messages_, mainWindow_, text);
}

}  // namespace modWWW
