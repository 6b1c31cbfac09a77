#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/Registry.h"

class QWidget;
namespace platform {
class MessageBoxes;
class ProgramStarter;
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

// Every value of the key, in the registry's enumeration order; empty when the key
// cannot be opened or has no values.
std::vector<RegValue> GetRegValues(const platform::Registry& registry, platform::RegistryRoot root,
                                   const std::string& subKey);

// The quoted program path of the registered browser command, or "Invalid".
QString GetBrowserPath(const platform::Registry& registry);

// Starts the registered browser on one address, or says that there is none.
class UrlOpener {
public:
    UrlOpener(const platform::Registry& registry, platform::ProgramStarter& programs,
              platform::MessageBoxes& messages, QWidget* mainWindow);

    void OpenURL(const QString& address);

private:
    const platform::Registry& registry_;
    platform::ProgramStarter& programs_;
    platform::MessageBoxes& messages_;
    QWidget* mainWindow_;
};

}  // namespace modWWW
