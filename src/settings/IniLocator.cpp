#include "settings/IniLocator.h"

namespace ini {

using syntax::Line;

IniLocation locate(std::string_view text, std::string_view section, std::string_view key) {
    IniLocation found;
    syntax::LineReader lines(text, syntax::bomLength(text));
    Line line;
    while (lines.next(line)) {
        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        if (const auto name = syntax::sectionName(content)) {
            if (found.sectionFound) {
                break;  // a later section of the same name is never looked at
            }
            found.sectionFound = syntax::sameName(*name, section);
        } else if (!found.sectionFound || syntax::trimBlanks(content).empty()) {
            continue;
        } else if (const syntax::Entry entry = syntax::entryOf(content);
                   syntax::sameName(entry.key, key)) {
            found.entry = entry;
            break;
        }
        if (found.sectionFound) {
            found.insertAt = line.end;
            found.insertNeedsBreak = !line.hasBreak();
        }
    }
    return found;
}

}  // namespace ini
