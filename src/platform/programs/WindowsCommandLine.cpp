#include "platform/programs/WindowsCommandLine.h"

namespace platform {

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kBackslash = u'\\';

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString backslashes(qsizetype count) {
    return QString(count, kBackslash);
}

// The runtime reads the program path without escapes: a quote only switches quoting
// on or off, so "C:\Program Files\app.exe" keeps every backslash.
qsizetype readProgramPath(const QString& line, QString& path) {
    bool inQuotes = false;
    qsizetype i = 0;
    for (; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == kQuote) {
            inQuotes = !inQuotes;
        } else if (!inQuotes && isBlank(c)) {
            break;
        } else {
            path += c;
        }
    }
    return i;
}

// Reads one argument starting at position i and returns the position after it.
// Backslashes are plain unless a quote follows them: then each pair is one backslash,
// and an odd one left over makes the quote literal instead of switching quoting.
qsizetype readArgument(const QString& line, qsizetype i, QString& argument) {
    bool inQuotes = false;
    while (true) {
        qsizetype slashCount = 0;
        while (i < line.size() && line[i] == kBackslash) {
            ++slashCount;
            ++i;
        }
        if (i < line.size() && line[i] == kQuote) {
            argument += backslashes(slashCount / 2);
            if (slashCount % 2 == 1) {
                argument += kQuote;
            } else {
                inQuotes = !inQuotes;
            }
            ++i;
            continue;
        }
        argument += backslashes(slashCount);
        if (i >= line.size() || (!inQuotes && isBlank(line[i]))) {
            return i;
        }
        argument += line[i];
        ++i;
    }
}

qsizetype skipBlanks(const QString& line, qsizetype i) {
    while (i < line.size() && isBlank(line[i])) {
        ++i;
    }
    return i;
}

}  // namespace

QString quoteWindowsArgumentAlways(const QString& argument) {
    QString quoted(kQuote);
    qsizetype slashCount = 0;
    for (const QChar c : argument) {
        if (c == kBackslash) {
            ++slashCount;
            continue;
        }
        if (c == kQuote) {
            quoted += backslashes(2 * slashCount + 1);
        } else {
            quoted += backslashes(slashCount);
        }
        quoted += c;
        slashCount = 0;
    }
    // Backslashes at the end stand before the closing quote, so they are doubled too.
    quoted += backslashes(2 * slashCount);
    quoted += kQuote;
    return quoted;
}

QString quoteWindowsArgument(const QString& argument) {
    const bool plain = !argument.isEmpty() && !argument.contains(u' ') &&
                       !argument.contains(u'\t') && !argument.contains(kQuote);
    return plain ? argument : quoteWindowsArgumentAlways(argument);
}

QStringList splitWindowsCommandLine(const QString& commandLine) {
    QStringList arguments;
    if (commandLine.isEmpty()) {
        return arguments;
    }
    QString program;
    qsizetype i = readProgramPath(commandLine, program);
    arguments << program;
    for (i = skipBlanks(commandLine, i); i < commandLine.size(); i = skipBlanks(commandLine, i)) {
        QString argument;
        i = readArgument(commandLine, i, argument);
        arguments << argument;
    }
    return arguments;
}

}  // namespace platform
