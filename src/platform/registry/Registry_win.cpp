#include <windows.h>
// After windows.h, which it needs.
#include <shlwapi.h>

#include <QString>
#include <vector>

#include "platform/registry/CommandKey.h"
#include "platform/registry/Registry.h"

namespace platform {

namespace {

RegistryStatus toStatus(LONG result) {
    switch (result) {
        case ERROR_SUCCESS:
            return RegistryStatus::Success;
        case ERROR_NO_MORE_ITEMS:
            return RegistryStatus::NoMoreItems;
        case ERROR_MORE_DATA:
            return RegistryStatus::MoreData;
        default:
            return RegistryStatus::Error;
    }
}

class Win32Key final : public RegistryKey {
  public:
    // ownsHandle is false for a predefined root, which is never closed.
    Win32Key(HKEY handle, bool ownsHandle) : handle_(handle), ownsHandle_(ownsHandle) {}
    ~Win32Key() override {
        if (ownsHandle_) {
            RegCloseKey(handle_);  // nothing to do about a failure here
        }
    }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    RegistryStatus enumValue(std::uint32_t index, std::size_t nameCapacity,
                             std::size_t dataCapacity, RegistryValue& out) const override {
        std::vector<char> name(nameCapacity + 1, '\0');
        std::vector<std::uint8_t> data(dataCapacity + 1, 0);
        DWORD nameLength = static_cast<DWORD>(nameCapacity);
        DWORD dataLength = static_cast<DWORD>(dataCapacity);
        DWORD type = 0;
        const LONG result = RegEnumValueA(handle_, index, name.data(), &nameLength, nullptr, &type,
                                          data.data(), &dataLength);
        if (result != ERROR_SUCCESS) {
            return toStatus(result);
        }
        out.name.assign(name.data(), nameLength);
        out.type = type;
        out.data.assign(data.begin(), data.begin() + dataLength);
        return RegistryStatus::Success;
    }

  private:
    HKEY handle_;
    bool ownsHandle_;
};

// The command Windows itself runs to open an http address: since Windows 8 the browser
// the user chose is recorded per user (UserChoice), while HKEY_CLASSES_ROOT's
// http\shell\open\command often still names Internet Explorer.
std::optional<std::string> chosenBrowserCommand() {
    DWORD length = 0;
    if (AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_COMMAND, L"http", L"open", nullptr,
                          &length) != S_FALSE ||
        length == 0) {
        return std::nullopt;
    }
    std::wstring command(length, L'\0');
    if (AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_COMMAND, L"http", L"open", command.data(),
                          &length) != S_OK) {
        return std::nullopt;
    }
    command.resize(length > 0 ? length - 1 : 0);  // without its terminating NUL
    // In the 8-bit code page, as RegEnumValueA would have given the stored key.
    return QString::fromStdWString(command).toLocal8Bit().toStdString();
}

class Win32Registry final : public Registry {
  public:
    std::unique_ptr<RegistryKey> openKey(RegistryRoot, const std::string& subKey) const override {
        if (sameKeyName(subKey, kBrowserCommandKey)) {
            if (auto command = chosenBrowserCommand()) {
                return std::make_unique<CommandKey>(command);
            }
        }
        if (subKey.empty()) {
            return std::make_unique<Win32Key>(HKEY_CLASSES_ROOT, false);
        }
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_READ, &handle) !=
            ERROR_SUCCESS) {
            return nullptr;
        }
        return std::make_unique<Win32Key>(handle, true);
    }
};

}  // namespace

std::unique_ptr<Registry> makeHostRegistry(const HostPaths&) {
    return std::make_unique<Win32Registry>();
}

}  // namespace platform
