#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The line grammar of an INI file as the Windows profile functions read it. Works on
// raw bytes: only '\n', '\r', blanks, tabs, brackets, '=' and quotes mean anything;
// every other byte, whatever its code page, is just part of a name or a value.
namespace ini::syntax {

// One physical line, as offsets into the file's bytes.
struct Line {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;  // before the "\r\n", "\n" or "\r" that ends the line
    std::size_t end = 0;         // where the next line begins

    bool hasBreak() const { return end > contentEnd; }
};

// Walks the lines of text from start; a final line without a line break counts.
class LineReader {
  public:
    LineReader(std::string_view text, std::size_t start) : text_(text), next_(start) {}
    bool next(Line& line);

  private:
    std::string_view text_;
    std::size_t next_;
};

// An entry line split at its first '='. Both parts are views into the line.
struct Entry {
    std::string_view key;    // trimmed; empty for a blank line or a line starting with '='
    std::string_view value;  // trimmed, quotes still on; empty when there is no '='
    bool hasEquals = false;
};

// Length of a UTF-8 byte-order mark at the start of text (0 or 3).
std::size_t bomLength(std::string_view text);

std::string_view trimBlanks(std::string_view text);

// Names compare with ASCII case folding only, so bytes above 0x7F must match exactly
// and no locale can change the outcome.
bool sameName(std::string_view a, std::string_view b);

// The trimmed name of a "[name]" header line, or nothing when the line is not one.
std::optional<std::string_view> sectionName(std::string_view content);

Entry entryOf(std::string_view content);

// A value wholly enclosed in one matching pair of double or single quotes, without them.
std::string_view unquoted(std::string_view value);

}  // namespace ini::syntax
