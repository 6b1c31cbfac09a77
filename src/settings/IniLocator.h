#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "settings/IniSyntax.h"

// Finds where a key of a section lives in a file's bytes, for a read (its value) and
// for a write (the bytes to replace, or where a new entry belongs). Only the first
// section of a name counts, and within it only the first entry of a key.
namespace ini {

struct IniLocation {
    bool sectionFound = false;
    // Where a new entry of the section goes: after its last non-blank line (or after
    // its header), so blank lines that space it from the next section stay where they are.
    std::size_t insertAt = 0;
    // The line before insertAt ends the file without a line break.
    bool insertNeedsBreak = false;
    // The entry of the key, when the section holds one.
    std::optional<syntax::Entry> entry;
};

IniLocation locate(std::string_view text, std::string_view section, std::string_view key);

}  // namespace ini
