#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/programs/ProgramStarter.h"
#include "platform/registry/Registry.h"

namespace platform {
class MessageBoxes;
class ProgramStarter;
class WindowFocus;
}  // namespace platform

// Finding the web browser registered for http addresses and starting it on one address.
namespace modWWW {

inline constexpr char kInvalidBrowser[] = "Invalid";

// One registry value: its name and its data, typed by the value's registry type
// (text for REG_SZ, a number for REG_DWORD, raw bytes otherwise).
struct RegValue {
    std::string name;
    std::variant<std::string, std::int32_t, std::vector<std::uint8_t>> data;
};

// The values of the key in the registry's enumeration order, up to the first one that
// cannot be read (a name over 259 characters or data over 4096 bytes ends the list).
// Empty when the key cannot be opened or has no values. An empty subKey reads the root.
std::vector<RegValue> GetRegValues(const platform::Registry& registry, platform::RegistryRoot root,
                                   const std::string& subKey);

// The quoted program path of the registered browser command, or "Invalid" when the
// command key holds no value. Read afresh on every call.
QString GetBrowserPath(const platform::Registry& registry);

// What became of the addresses handed to one start of the browser.
enum class Delivery {
    Reached,     // the browser has them
    Told,        // there is no browser, and the person was told so at once
    NotStarted,  // the browser's program could not be started
    NoAnswer,    // it started, but neither took them nor showed its window in time
};

// Starts the registered browser on one address, or says that there is none.
class UrlOpener {
  public:
    // The focus goes back to mainWindow before each start but the first, unless it is minimised, by
    // the window system's account or by minimisedBySearch's (which only the window itself can know
    // where the window system reports no such state).
    UrlOpener(const platform::Registry& registry, platform::ProgramStarter& programs,
              platform::MessageBoxes& messages, platform::WindowFocus& focus, QWidget* mainWindow,
              std::function<bool()> minimisedBySearch = {});

    // The address reaches the browser as one argument, whatever it holds. Returns once
    // the browser has it; the window events run meanwhile, so the user may act between
    // two addresses.
    Delivery OpenURL(const QString& address);

    // True when the registered browser takes every address of a search in one start.
    bool takesEveryAddressAtOnce() const;
    // The addresses, in their order, in one start of such a browser; each one argument.
    // One delivery an address.
    std::vector<Delivery> OpenURLs(const QStringList& addresses);

    // Checks the addresses of a whole search before its first browser starts: when one of
    // them cannot be opened, says why once and returns false, so nothing is started.
    bool CanOpenAll(const QStringList& addresses);

  private:
    // Why the browser could not be given the address, or nothing when it can.
    std::optional<QString> refusalOf(const QString& browser, const QString& address) const;
    Delivery start(const QString& browser, const QStringList& addresses);
    void tellNoBrowser();
    void showRefusal(const QString& text);
    void giveFocusBack();

    const platform::Registry& registry_;
    platform::ProgramStarter& programs_;
    platform::MessageBoxes& messages_;
    platform::WindowFocus& focus_;
    std::function<bool()> minimisedBySearch_;
    // Guarded: the pending events handled in OpenURL could close the window.
    QPointer<QWidget> mainWindow_;
    bool startedBefore_ = false;
    // Once a start went unanswered, the browser is not answering: the later ones are
    // waited for only briefly.
    bool browserAnswers_ = true;
};

}  // namespace modWWW
