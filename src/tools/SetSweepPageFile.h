#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The page file on disk. Each function gives back nothing on success, or a sentence
// saying what went wrong, ready for a message box.
namespace setsweep {

// Replaces whatever is at path (a file, or a symbolic link, which is removed and never
// written through) with a new file holding bytes. Creates the folder if it is missing.
// A file that cannot be written whole is removed again.
std::optional<QString> writePageFile(const QString& path, const QByteArray& bytes);

// Removes the file at path; a file that is already gone is no failure.
std::optional<QString> deletePageFile(const QString& path);

}  // namespace setsweep
