#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/paths/HostPaths.h"

namespace platform {

// The few registry calls the program makes, with the meaning of RegOpenKeyExA,
// RegEnumValueA and RegCloseKey on HKEY_CLASSES_ROOT. Text is in the host's
// 8-bit code page, as the A functions see it.
enum class RegistryRoot { ClassesRoot };

// The key whose default value is the command that opens an http address.
inline constexpr char kBrowserCommandKey[] = R"(http\shell\open\command)";

// Where the command puts the addresses: "%1" takes one address a start, as Windows writes
// it; "%*" takes every address of a search in one start, in their order, as a Linux
// browser whose desktop entry takes a list of them does (and one start, rather than one
// an address, is what keeps such a browser's tabs in order in one window).
inline constexpr char kOneAddress[] = R"("%1")";
inline constexpr char kEveryAddress[] = "%*";

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

enum class RegistryStatus { Success, NoMoreItems, MoreData, Error };

struct RegistryValue {
    std::string name;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;  // as stored; a REG_SZ includes its terminating NUL
};

class RegistryKey {
  public:
    virtual ~RegistryKey() = default;  // closing the key (RegCloseKey)
    // One enumeration step. A name longer than nameCapacity - 1 characters or data
    // longer than dataCapacity bytes gives MoreData, as RegEnumValueA does.
    virtual RegistryStatus enumValue(std::uint32_t index, std::size_t nameCapacity,
                                     std::size_t dataCapacity, RegistryValue& out) const = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens subKey below root for reading; an empty subKey opens the root itself.
    // Null when the key does not exist or cannot be read.
    virtual std::unique_ptr<RegistryKey> openKey(RegistryRoot root,
                                                 const std::string& subKey) const = 0;
};

// The host's registry: advapi32 on Windows; elsewhere a read-only stand-in that
// reports the freedesktop default web browser as http\shell\open\command. Where the
// browser's desktop entry says more than a program and the address, the command names
// the helper in paths.helperDir that runs the entry's whole Exec line instead.
std::unique_ptr<Registry> makeHostRegistry(const HostPaths& paths);

}  // namespace platform
