#pragma once

#include <string>
#include <string_view>
#include <vector>

// Whole-file reads and atomic replacement for the INI module. Paths are in the file
// system's own encoding (QFile::encodeName).
namespace ini::file {

enum class LoadStatus { Loaded, Missing, Unreadable };

// How the file keeps its text. The INI module itself works on 8-bit text; a file saved
// as "Unicode" (UTF-16 LE behind its byte-order mark) is converted on the way in and
// written back the same way, so a user's editor choice survives a save.
enum class Encoding { EightBit, Utf16Le };

struct Loaded {
    LoadStatus status = LoadStatus::Missing;
    std::string bytes;  // 8-bit text in the system's code page, whatever the file's encoding
    Encoding encoding = Encoding::EightBit;
    // A Unicode file's lines as stored, without their line ends: a write keeps the lines it
    // does not change exactly so, even where the code page has no text for them.
    std::vector<std::string> storedLines;
};

// A directory, named pipe or device in the file's place, or a file that cannot be opened
// or read, is Unreadable; only a path where nothing exists is Missing.
Loaded load(const std::string& path);

// Writes bytes (8-bit text, stored in the encoding of the file as it was loaded) to a
// temporary file beside the target and renames it over the target only once every byte
// has been written, so a crash, a full disk or a file-size limit never leaves half a file.
// Creates the folder when absent. A symbolic link at path is followed: its target is
// replaced and the link stays.
bool replaceAtomically(const std::string& path, std::string_view bytes, const Loaded& before = {});

}  // namespace ini::file
