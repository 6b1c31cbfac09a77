#pragma once

#include <optional>
#include <string>

#include "platform/registry/Registry.h"

namespace platform {

// Registry key names ignore letter case, as they do on Windows.
bool sameKeyName(const std::string& a, const std::string& b);

// A key holding only its default value (empty name, REG_SZ) with the given command, or no
// value at all: how http\shell\open\command is answered from the desktop's own choice of
// browser rather than from the stored key.
class CommandKey final : public RegistryKey {
  public:
    explicit CommandKey(const std::optional<std::string>& command);
    RegistryStatus enumValue(std::uint32_t index, std::size_t nameCapacity,
                             std::size_t dataCapacity, RegistryValue& out) const override;

  private:
    std::optional<RegistryValue> value_;
};

}  // namespace platform
