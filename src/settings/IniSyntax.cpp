#include "settings/IniSyntax.h"

namespace ini::syntax {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool LineReader::next(Line& line) {
    if (next_ >= text_.size()) {
        return false;
    }
    line.begin = next_;
    // A carriage return alone ends a line too, as it does for the Windows profile
    // functions: a file saved with old Macintosh line ends is not one long line.
    const std::size_t lineBreak = text_.find_first_of("\r\n", next_);
    if (lineBreak == std::string_view::npos) {
        line.contentEnd = line.end = text_.size();
    } else {
        const bool crLf = text_.substr(lineBreak, 2) == "\r\n";
        line.contentEnd = lineBreak;
        line.end = lineBreak + (crLf ? 2 : 1);
    }
    next_ = line.end;
    return true;
}

std::size_t bomLength(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string_view> sectionName(std::string_view content) {
    const std::string_view trimmed = trimBlanks(content);
    if (!trimmed.starts_with('[')) {
        return std::nullopt;
    }
    // Whatever follows the closing bracket is ignored; without one the line is no header.
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(trimmed.substr(1, close - 1));
}

Entry entryOf(std::string_view content) {
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) {
        return {trimBlanks(content), content.substr(content.size()), false};
    }
    return {trimBlanks(content.substr(0, equals)), trimBlanks(content.substr(equals + 1)), true};
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace ini::syntax
