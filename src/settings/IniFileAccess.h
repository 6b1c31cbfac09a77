#pragma once

#include <string>
#include <string_view>

// Whole-file reads and atomic replacement for the INI module. Paths are in the file
// system's own encoding (QFile::encodeName).
namespace ini::file {

enum class LoadStatus { Loaded, Missing, Unreadable };

struct Loaded {
    LoadStatus status = LoadStatus::Missing;
    std::string bytes;
};

// A directory, named pipe or device in the file's place, or a file that cannot be opened
// or read, is Unreadable; only a path where nothing exists is Missing.
Loaded load(const std::string& path);

// Writes bytes to a temporary file beside the target and renames it over the target,
// so a crash or a full disk never leaves half a file. Creates the folder when absent.
// A symbolic link at path is followed: its target is replaced and the link stays.
bool replaceAtomically(const std::string& path, std::string_view bytes);

}  // namespace ini::file
