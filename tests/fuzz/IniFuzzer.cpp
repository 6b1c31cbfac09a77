// libFuzzer target for the INI module: arbitrary file bytes, names and values go through
// a real file on disk, and every write is checked against what the module promises.
// Input layout (FuzzedDataProvider): section, key, value, other section, other key, each
// a backslash-terminated string, then the rest of the input as the file's bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/IniProfile.h"

namespace {

constexpr std::size_t kBuffer = 255;  // the program's own read buffer

// A broken promise must stop the run loudly, so libFuzzer keeps the input as a crash.
void require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "INI promise broken: %s\n", promise);
        std::abort();
    }
}

const QString& iniPath() {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("Settings.ini"));
    return path;
}

std::string pathBytes() {
    return QFile::encodeName(iniPath()).toStdString();
}

void putFile(const std::string& bytes) {
    QFile file(iniPath());
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "harness can write its file");
    require(file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                static_cast<qint64>(bytes.size()),
            "harness wrote the whole file");
}

std::string fileBytes() {
    QFile file(iniPath());
    require(file.open(QIODevice::ReadOnly), "the file is still there");
    return file.readAll().toStdString();
}

// The harness keeps its own idea of the file format, rather than asking the module's
// helpers, so a fault in them cannot hide itself.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return fold(x) == fold(y); });
}

// The reader trims blanks and strips one pair of enclosing quotes, so only a value that
// has neither reads back byte for byte.
bool readsBackAsWritten(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return trimmed(value) == value && !quoted;
}

// A file behind the UTF-16 LE mark is Unicode; its text is the program's 8-bit code page
// (UTF-8 here), decoded by the harness itself.
bool isUtf16(const std::string& bytes) {
    return bytes.starts_with("\xFF\xFE");
}

std::string textOf(const std::string& bytes) {
    if (!isUtf16(bytes)) {
        return bytes;
    }
    const QByteArray units = QByteArray::fromStdString(bytes).sliced(2);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(units.constData()),
                              units.size() / 2)
        .toUtf8()
        .toStdString();
}

// A value can only read back from a Unicode file when its bytes are text in the code page.
bool survivesCodePage(const std::string& body, const std::string& value) {
    return !isUtf16(body) || QString::fromUtf8(value).toUtf8().toStdString() == value;
}

// A write changes one line at most: whatever it took out of the old text lies inside a
// single line (a CR alone ends one too), and everything before and after that span is
// kept as it was.
bool changedOneLineAtMost(const std::string& before, const std::string& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    const std::string_view removed(before.data() + head, before.size() - head - tail);
    return removed.find_first_of("\r\n") == std::string_view::npos;
}

bool sameEntry(std::string_view sectionA, std::string_view keyA, std::string_view sectionB,
               std::string_view keyB) {
    return sameName(sectionA, sectionB) && sameName(keyA, keyB);
}

void checkWrittenValue(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    if (readsBackAsWritten(value)) {
        require(ini::readProfileString(path, section, key, kBuffer) == value.substr(0, kBuffer - 1),
                "a written value reads back equal");
    }
    if (trimmed(value) == value) {
        const std::string once = fileBytes();
        require(ini::writeProfileString(path, section, key, value), "a second write succeeds");
        require(fileBytes() == once, "writing the same value again changes nothing");
    }
}

// Entries stored in one go must end as the same entries stored one after another.
void checkTogetherEqualsOneByOne(const std::string& path, const std::string& body,
                                 const std::string& section, const ini::Entry (&entries)[2]) {
    putFile(body);
    for (const ini::Entry& entry : entries) {
        ini::writeProfileString(path, section, entry.key, entry.value);
    }
    const std::string oneByOne = fileBytes();
    putFile(body);
    ini::writeProfileStrings(path, section, entries);
    require(fileBytes() == oneByOne, "entries written together end as written one by one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString();
    const std::string key = input.ConsumeRandomLengthString();
    const std::string value = input.ConsumeRandomLengthString();
    const std::string otherSection = input.ConsumeRandomLengthString();
    const std::string otherKey = input.ConsumeRandomLengthString();
    const std::string body = input.ConsumeRemainingBytesAsString();

    const std::string path = pathBytes();
    // Names and values that are no text in the code page are lost in a Unicode file, as
    // they are for the Windows profile functions: such a write cannot be repeated exactly.
    const std::string* const texts[] = {&section, &key, &value, &otherSection, &otherKey};
    const bool representable = std::ranges::all_of(
        texts, [&](const std::string* text) { return survivesCodePage(body, *text); });
    if (representable) {
        checkTogetherEqualsOneByOne(path, body, section, {{key, value}, {otherKey, otherSection}});
    }
    putFile(body);
    const std::string otherBefore = ini::readProfileString(path, otherSection, otherKey, kBuffer);
    require(otherBefore.size() < kBuffer, "a read fits the caller's buffer");

    if (!ini::writeProfileString(path, section, key, value)) {
        require(fileBytes() == body, "a refused or failed write leaves the file alone");
        return 0;
    }
    const std::string after = fileBytes();
    require(isUtf16(after) == isUtf16(body) && (!isUtf16(after) || after.size() % 2 == 0),
            "a write keeps the file's encoding");
    require(changedOneLineAtMost(textOf(body), textOf(after)), "a write keeps every other line");
    if (!sameEntry(section, key, otherSection, otherKey)) {
        require(ini::readProfileString(path, otherSection, otherKey, kBuffer) == otherBefore,
                "a write leaves other entries' values alone");
    }
    if (representable) {
        checkWrittenValue(path, section, key, value);
    }
    return 0;
}
