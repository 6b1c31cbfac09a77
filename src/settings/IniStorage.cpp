#include "settings/IniStorage.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/IniSyntax.h"

namespace ini::file {

namespace {

constexpr char kUtf16LeMark[] = "\xFF\xFE";

QString hostName(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

// A file's text cut into lines, each as its text and its line end ("\r\n", "\n", a CR
// alone, or nothing at the end of the file).
std::vector<std::pair<std::string_view, std::string_view>> linesOf(std::string_view all) {
    std::vector<std::pair<std::string_view, std::string_view>> lines;
    ini::syntax::LineReader reader(all, 0);
    for (ini::syntax::Line line; reader.next(line);) {
        lines.emplace_back(all.substr(line.begin, line.contentEnd - line.begin),
                           all.substr(line.contentEnd, line.end - line.contentEnd));
    }
    return lines;
}

QString fromEightBit(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QByteArray utf16Le(const QString& text) {
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
    return encode(text);
}

// A Unicode file's lines as stored (UTF-16 LE, two bytes a unit), without their line ends.
std::vector<std::string> storedLinesOf(const QByteArray& units) {
    const auto unitIs = [&](qsizetype at, char c) { return units[at] == c && units[at + 1] == 0; };
    std::vector<std::string> lines;
    qsizetype start = 0;
    qsizetype at = 0;
    for (; at + 1 < units.size(); at += 2) {
        if (unitIs(at, '\r') || unitIs(at, '\n')) {
            lines.push_back(units.sliced(start, at - start).toStdString());
            const bool pair = unitIs(at, '\r') && at + 3 < units.size() && unitIs(at + 2, '\n');
            at += pair ? 2 : 0;
            start = at + 2;
        }
    }
    // A last odd byte is no unit: the conversion reads it as a replacement character.
    const qsizetype rest = units.size() - start;
    if (rest > 0) {
        QByteArray last = units.sliced(start, rest & ~qsizetype(1));
        if (rest % 2 != 0) {
            last += QByteArrayLiteral("\xFD\xFF");
        }
        lines.push_back(last.toStdString());
    }
    return lines;
}

// The 8-bit text of a Unicode file, as the ANSI profile functions see it (characters the
// code page lacks are lost in it), and the file's lines as they were stored.
Loaded fromUtf16Le(const QByteArray& bytes) {
    QStringDecoder decode(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
    const QByteArray units = bytes.sliced(2);
    const QString text = decode(units);
    return {LoadStatus::Loaded, text.toLocal8Bit().toStdString(), Encoding::Utf16Le,
            storedLinesOf(units)};
}

// The new 8-bit text as UTF-16, where each line the write left as it was keeps the form
// it had in the file, and only the lines it wrote are converted from the code page.
QByteArray toUtf16Le(std::string_view text, const Loaded& before) {
    QByteArray stored(kUtf16LeMark, 2);
    const auto oldLines = linesOf(before.bytes);
    if (oldLines.size() != before.storedLines.size()) {
        return stored + utf16Le(fromEightBit(text));  // no stored form to keep
    }
    std::size_t next = 0;  // old lines before this one are behind the write
    for (const auto& [newText, end] : linesOf(text)) {
        const std::string_view line = newText;  // a lambda cannot capture a binding
        const auto kept =
            std::find_if(oldLines.begin() + static_cast<std::ptrdiff_t>(next), oldLines.end(),
                         [line](const auto& old) { return old.first == line; });
        if (kept != oldLines.end()) {
            next = static_cast<std::size_t>(kept - oldLines.begin());
            stored += QByteArray::fromStdString(before.storedLines[next++]);
        } else {
            stored += utf16Le(fromEightBit(line));
        }
        stored += utf16Le(fromEightBit(end));
    }
    return stored;
}

}  // namespace

Loaded load(const std::string& path) {
    const QString name = hostName(path);
    const QFileInfo info(name);
    if (!info.exists()) {
        return {LoadStatus::Missing, {}, Encoding::EightBit, {}};
    }
    // Only a plain file (or a link to one) is read. A named pipe would keep the open
    // waiting for a writer and the window from ever appearing; a device may never end.
    if (!info.isFile()) {
        return {LoadStatus::Unreadable, {}, Encoding::EightBit, {}};
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {LoadStatus::Unreadable, {}, Encoding::EightBit, {}};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {LoadStatus::Unreadable, {}, Encoding::EightBit, {}};
    }
    if (bytes.startsWith(QByteArray(kUtf16LeMark, 2))) {
        return fromUtf16Le(bytes);
    }
    return {LoadStatus::Loaded, bytes.toStdString(), Encoding::EightBit, {}};
}

bool replaceAtomically(const std::string& path, std::string_view bytes, const Loaded& before) {
    const QString name = hostName(path);
    if (!QDir().mkpath(QFileInfo(name).absolutePath())) {
        return false;
    }
    const QByteArray stored = before.encoding == Encoding::Utf16Le
                                  ? toUtf16Le(bytes, before)
                                  : QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // Unbuffered, so a short write fails here. Through Qt's write buffer the bytes would
    // only reach the file inside commit(), whose flush error QSaveFile does not heed:
    // it would rename a cut file over the good one and report success.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    // Without a commit the temporary file is thrown away and the target stays as it was.
    return file.write(stored) == stored.size() && file.commit();
}

}  // namespace ini::file
