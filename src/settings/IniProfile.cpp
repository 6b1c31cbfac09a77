#include "settings/IniProfile.h"

#include <utility>

#include "settings/IniLocator.h"
#include "settings/IniStorage.h"
#include "settings/IniSyntax.h"

namespace ini {

namespace {

constexpr std::string_view kNewLine = "\r\n";

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Names that would not read back as written, or would split the file into other
// lines, are refused rather than written.
bool isWritableSection(std::string_view name) {
    return !name.empty() && !hasLineBreakOrNul(name) && name.find(']') == std::string_view::npos;
}

bool isWritableKey(std::string_view name) {
    return !name.empty() && !hasLineBreakOrNul(name) && name.find('=') == std::string_view::npos &&
           !name.starts_with('[');
}

std::size_t offsetIn(std::string_view text, std::string_view part) {
    return static_cast<std::size_t>(part.data() - text.data());
}

// The file's bytes with one span replaced; everything around it is copied untouched.
std::string spliced(std::string_view text, std::size_t at, std::size_t length,
                    std::string_view insertion) {
    std::string out;
    out.reserve(text.size() - length + insertion.size());
    out.append(text.substr(0, at)).append(insertion).append(text.substr(at + length));
    return out;
}

std::string entryLine(std::string_view key, std::string_view value) {
    return std::string(key).append("=").append(value).append(kNewLine);
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const IniLocation found = locate(text, section, key);
    if (found.entry && found.entry->hasEquals) {
        const std::string_view old = found.entry->value;
        return spliced(text, offsetIn(text, old), old.size(), value);
    }
    if (found.entry) {
        const std::size_t keyEnd = offsetIn(text, found.entry->key) + found.entry->key.size();
        return spliced(text, keyEnd, 0, std::string("=").append(value));
    }
    if (found.sectionFound) {
        std::string addition = found.insertNeedsBreak ? std::string(kNewLine) : std::string();
        return spliced(text, found.insertAt, 0, addition.append(entryLine(key, value)));
    }
    const bool lastLineOpen =
        text.size() > syntax::bomLength(text) && !text.ends_with('\n') && !text.ends_with('\r');
    std::string addition = lastLineOpen ? std::string(kNewLine) : std::string();
    addition.append("[").append(section).append("]").append(kNewLine);
    return spliced(text, text.size(), 0, addition.append(entryLine(key, value)));
}

}  // namespace

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::size_t bufferSize) {
    return ProfileSnapshot(path).read(section, key, bufferSize);
}

ProfileSnapshot::ProfileSnapshot(const std::string& path) : bytes_(file::load(path).bytes) {}

std::string ProfileSnapshot::read(std::string_view section, std::string_view key,
                                  std::size_t bufferSize) const {
    section = syntax::trimBlanks(section);
    key = syntax::trimBlanks(key);
    if (section.empty() || key.empty() || bufferSize == 0) {
        return {};
    }
    const IniLocation found = locate(bytes_, section, key);
    if (!found.entry) {
        return {};
    }
    std::string_view value = syntax::unquoted(found.entry->value);
    // The caller's buffer is a C string: a NUL in the file ends the value there.
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, bufferSize - 1));
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    const Entry entry{key, value};
    return writeProfileStrings(path, section, {&entry, 1});
}

bool writeProfileStrings(const std::string& path, std::string_view section,
                         std::span<const Entry> entries) {
    section = syntax::trimBlanks(section);
    if (!isWritableSection(section)) {
        return false;
    }
    file::Loaded loaded = file::load(path);
    if (loaded.status == file::LoadStatus::Unreadable) {
        return false;  // replacing a file we could not read would lose its contents
    }
    // A copy: the store compares the new text with the old, line by line.
    std::string text = loaded.bytes;
    bool allAccepted = true;
    bool anyAccepted = false;
    for (const Entry& entry : entries) {
        const std::string_view key = syntax::trimBlanks(entry.key);
        if (!isWritableKey(key) || hasLineBreakOrNul(entry.value)) {
            allAccepted = false;
            continue;
        }
        text = withValue(text, section, key, entry.value);
        anyAccepted = true;
    }
    // Nothing to store must not touch the file, not even to create it.
    return anyAccepted && file::replaceAtomically(path, text, loaded) && allAccepted;
}

}  // namespace ini
