#pragma once

#include <span>
#include <string>
#include <string_view>

// Reads and writes single entries of an INI file the way the Windows profile
// functions (GetPrivateProfileStringA / WritePrivateProfileStringA) do: sections and
// keys match without regard to letter case, the first match wins, and every byte the
// caller did not ask to change passes through untouched. Strings are the file's own
// 8-bit bytes; converting them to text is the caller's business. Paths are in the file
// system's encoding (QFile::encodeName).
namespace ini {

// The value of key in section, cut to at most bufferSize - 1 bytes. A missing file,
// section or key, an unreadable file and an empty value all read as "".
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::size_t bufferSize = 255);

// A file read once, for many reads of the same moment's contents: each read gives what
// readProfileString would have given then, without reading the file again.
class ProfileSnapshot {
  public:
    explicit ProfileSnapshot(const std::string& path);
    std::string read(std::string_view section, std::string_view key,
                     std::size_t bufferSize = 255) const;

  private:
    std::string bytes_;
};

// Stores value under key in section, creating the file (and its folder) and the section
// when absent. An existing value is replaced in place; a new entry "key=value" CR LF goes
// after the last non-blank line of the section, a new section at the end of the file.
// The file is replaced atomically, so a failed write leaves the old file as it was.
// Returns false when the file could not be read or written, and refuses (false, nothing
// written) what would not read back as given: line breaks or NUL anywhere, '=' or a
// leading '[' in the key, ']' in the section, an empty key or section.
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

struct Entry {
    std::string_view key;
    std::string_view value;
};

// Stores several entries of one section as writeProfileString would one after another,
// but reads the file once and replaces it once: one flush to disk instead of one per
// entry, and a failed write leaves every entry as it was. An entry writeProfileString
// would refuse is left out and the rest are stored; the result is then false, as it is
// when the file could not be read or written.
bool writeProfileStrings(const std::string& path, std::string_view section,
                         std::span<const Entry> entries);

}  // namespace ini
