#pragma once

#include <QString>
#include <QStringList>

// Windows command lines are one string that the started program splits itself, by the
// rules of the Microsoft C runtime (CommandLineToArgvW). These two functions are
// exact inverses for every argument list.
namespace platform {

// One argument written so that splitting gives it back unchanged: left alone when it
// has no blank, tab or double quote and is not empty; otherwise in double quotes, with
// backslashes before a quote doubled and the quote itself escaped.
QString quoteWindowsArgument(const QString& argument);

// The arguments of a command line, the program's own path first.
QStringList splitWindowsCommandLine(const QString& commandLine);

}  // namespace platform
