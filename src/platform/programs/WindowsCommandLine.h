#pragma once

#include <QString>
#include <QStringList>

// Windows command lines are one string that the started program splits itself, by the
// rules of the Microsoft C runtime. Quoting an argument and splitting the line give the
// argument back unchanged, whatever it holds; only the program's own path, which the
// runtime reads by a simpler rule, must hold no double quote.
namespace platform {

// One argument written so that splitting gives it back unchanged: left alone when it
// has no blank, tab or double quote and is not empty; otherwise in double quotes, with
// backslashes before a quote doubled and the quote itself escaped.
QString quoteWindowsArgument(const QString& argument);

// The same, but always in double quotes, as Windows writes a placeholder such as "%1".
QString quoteWindowsArgumentAlways(const QString& argument);

// The arguments of a command line, the program's own path first. An empty line gives
// no arguments; a line that starts with a blank gives an empty program path.
QStringList splitWindowsCommandLine(const QString& commandLine);

}  // namespace platform
