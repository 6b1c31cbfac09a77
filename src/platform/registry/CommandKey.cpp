#include "platform/registry/CommandKey.h"

#include <algorithm>
#include <cctype>

namespace platform {

bool sameKeyName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

CommandKey::CommandKey(const std::optional<std::string>& command) {
    if (command) {
        RegistryValue value;
        value.type = kRegSz;
        value.data.assign(command->begin(), command->end());
        value.data.push_back(0);
        value_ = std::move(value);
    }
}

RegistryStatus CommandKey::enumValue(std::uint32_t index, std::size_t nameCapacity,
                                     std::size_t dataCapacity, RegistryValue& out) const {
    if (index != 0 || !value_) {
        return RegistryStatus::NoMoreItems;
    }
    if (value_->name.size() + 1 > nameCapacity || value_->data.size() > dataCapacity) {
        return RegistryStatus::MoreData;
    }
    out = *value_;
    return RegistryStatus::Success;
}

}  // namespace platform
