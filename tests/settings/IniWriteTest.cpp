#include <gtest/gtest.h>

#include <optional>

#include "settings/IniProfile.h"
#include "settings/IniTestFolder.h"
#include "support/ChildTestRun.h"

namespace {

struct WriteCase {
    const char* what;
    std::string before;
    std::string key;
    std::string value;
    std::string after;
};

TEST(IniWrite, ChangesOnlyTheEntryAndKeepsEveryOtherByte) {
    const WriteCase cases[] = {
        {"in place, own spelling", "; note\n[Tessorin]\r\nBricklink=False\r\nLego=True\n[x]\n",
         "BrickLink", "True", "; note\n[Tessorin]\r\nBricklink=True\r\nLego=True\n[x]\n"},
        {"new key before the spacing of the next header", "[Tessorin]\r\na=1\r\n\r\n[x]\r\nb=2\r\n",
         "c", "3", "[Tessorin]\r\na=1\r\nc=3\r\n\r\n[x]\r\nb=2\r\n"},
        {"new section at the end", "[x]\nb=2\n", "c", "3", "[x]\nb=2\n[Tessorin]\r\nc=3\r\n"},
        {"open last entry", "[Tessorin]\na=1", "c", "3", "[Tessorin]\na=1\r\nc=3\r\n"},
        {"open last header", "[TESSORIN]", "c", "3", "[TESSORIN]\r\nc=3\r\n"},
        {"open last line, new section", "[x]\nb=2", "c", "3", "[x]\nb=2\r\n[Tessorin]\r\nc=3\r\n"},
        {"open last line kept open", "[Tessorin]\na=1", "a", "9", "[Tessorin]\na=9"},
        {"blanks around the value", "[Tessorin]\n  a =  \"1\" \n", "a", "9",
         "[Tessorin]\n  a =  9 \n"},
        {"empty value", "[Tessorin]\na=\n", "a", "9", "[Tessorin]\na=9\n"},
        {"key without '='", "[Tessorin]\r\na\r\n", "A", "9", "[Tessorin]\r\na=9\r\n"},
        {"first duplicate section", "[Tessorin]\na=1\n[Tessorin]\nb=2\n", "b", "3",
         "[Tessorin]\na=1\nb=3\r\n[Tessorin]\nb=2\n"},
        {"8-bit bytes", "\xFF\n[Tessorin]\n\xE9=\xFF\na=1\n\xFF\xFE\n", "a", "\xE9",
         "\xFF\n[Tessorin]\n\xE9=\xFF\na=\xE9\n\xFF\xFE\n"},
        {"byte-order mark", "\xEF\xBB\xBF[Tessorin]\na=1\n", "a", "2",
         "\xEF\xBB\xBF[Tessorin]\na=2\n"},
        {"only a byte-order mark", "\xEF\xBB\xBF", "a", "2", "\xEF\xBB\xBF[Tessorin]\r\na=2\r\n"},
        {"carriage returns alone", "[Tessorin]\ra=1\r[x]\rb=2\r", "c", "3",
         "[Tessorin]\ra=1\rc=3\r\n[x]\rb=2\r"},
        {"carriage return alone, new section", "[x]\rb=2\r", "c", "3",
         "[x]\rb=2\r[Tessorin]\r\nc=3\r\n"},
    };
    for (const WriteCase& c : cases) {
        IniTestFolder folder;
        folder.put(c.before);
        EXPECT_TRUE(ini::writeProfileString(folder.path(), "Tessorin", c.key, c.value)) << c.what;
        EXPECT_EQ(folder.bytes(), c.after) << c.what;
    }
}

// A Unicode file stays one: every line of it, the new entry too, and its other text, even
// what the code page has no text for (here half a surrogate pair).
TEST(IniWrite, KeepsAUtf16FileUtf16) {
    IniTestFolder folder;
    folder.put(utf16File(u"; caf\u00E9 \xD83D\r\n[Tessorin]\r\nBrickset=False\r\n"));
    const ini::Entry entries[] = {{"Brickset", "True"}, {"Lego", "True"}};
    ASSERT_TRUE(ini::writeProfileStrings(folder.path(), "Tessorin", entries));
    EXPECT_EQ(folder.bytes(), utf16File(u"; caf\u00E9 \xD83D\r\n[Tessorin]\r\nBrickset=True\r\n"
                                        u"Lego=True\r\n"));
}

TEST(IniWrite, SeveralEntriesEndAsTheyWouldOneByOneAndRefusedOnesAreLeftOut) {
    const ini::Entry entries[] = {{"a", "1"}, {"b", "2"}, {"A", "3"}, {"bad=key", "x"}, {"c", "4"}};
    const std::optional<std::string> befores[] = {std::nullopt, "", "[x]\nb=2",
                                                  "[Tessorin]\r\nb=0\r\n\r\n[y]\r\nc=9\r\n"};
    for (const std::optional<std::string>& before : befores) {
        IniTestFolder together;
        IniTestFolder oneByOne;
        if (before) {
            together.put(*before);
            oneByOne.put(*before);
        }
        EXPECT_FALSE(ini::writeProfileStrings(together.path(), " Tessorin ", entries))
            << "one entry was refused";
        for (const ini::Entry& entry : entries) {
            ini::writeProfileString(oneByOne.path(), "Tessorin", entry.key, entry.value);
        }
        EXPECT_EQ(together.bytes(), oneByOne.bytes()) << before.value_or("(no file)");
    }
}

TEST(IniWrite, SeveralEntriesAllRefusedLeaveNoFile) {
    IniTestFolder folder;
    const ini::Entry refused[] = {{"a=b", "1"}, {"c", "line\nbreak"}};
    EXPECT_FALSE(ini::writeProfileStrings(folder.path(), "Tessorin", refused));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(folder.path())));
    EXPECT_FALSE(ini::writeProfileStrings(folder.path(), "Tes]sorin", {}));
}

TEST(IniWrite, CreatesTheFileAndItsFolder) {
    IniTestFolder folder;
    const QString name = QStringLiteral("new/folder/Settings.ini");
    ASSERT_TRUE(ini::writeProfileString(folder.path(name), "Tessorin", "AuctionBrick", "True"));
    EXPECT_EQ(folder.bytes(name), "[Tessorin]\r\nAuctionBrick=True\r\n");
}

TEST(IniWrite, RefusesNamesAndValuesThatWouldNotReadBack) {
    const std::string before = "[Tessorin]\na=1\n";
    const std::string refused[][3] = {{"Tessorin", "a=b", "1"},      {"Tessorin", "a\nb", "1"},
                                      {"Tessorin", "[a]", "1"},      {"Tessorin", " ", "1"},
                                      {"Tes]sorin", "a", "1"},       {"", "a", "1"},
                                      {"Tessorin", "a", "1\r\n[x]"}, {"Tessorin", "a", {"1\0", 2}}};
    for (const auto& [section, key, value] : refused) {
        IniTestFolder folder;
        folder.put(before);
        EXPECT_FALSE(ini::writeProfileString(folder.path(), section, key, value)) << key << value;
        EXPECT_EQ(folder.bytes(), before);
    }
}

TEST(IniWrite, FailsWithoutHarmWhenTheTargetCannotBeWritten) {
    IniTestFolder folder;
    folder.put("not a folder", QStringLiteral("file"));
    EXPECT_FALSE(ini::writeProfileString(folder.path(QStringLiteral("file/Settings.ini")),
                                         "Tessorin", "a", "1"));
    EXPECT_EQ(folder.bytes(QStringLiteral("file")), "not a folder");

    QDir(folder.dir.path()).mkdir(QStringLiteral("Settings.ini"));
    EXPECT_FALSE(ini::writeProfileString(folder.path(), "Tessorin", "a", "1"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder.path())).isDir());
}

// Root ignores permission bits, so each case first checks they hold for this user.
TEST(IniWrite, LeavesTheOldFileWhenPermissionsForbidTheWrite) {
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const std::string before = "[Tessorin]\r\na=\xE9\n";
    for (const bool lockFolder : {true, false}) {
        IniTestFolder folder;
        folder.put(before);
        const QString target =
            lockFolder ? folder.dir.path() : QString::fromStdString(folder.path());
        const QString probe = lockFolder ? folder.dir.filePath(QStringLiteral("probe")) : target;
        // A read-only folder, or a file that can be written but not read.
        QFile::setPermissions(
            target, lockFolder ? all & ~QFileDevice::WriteOwner : QFileDevice::WriteOwner);
        const bool honoured =
            !QFile(probe).open(lockFolder ? QIODevice::WriteOnly : QIODevice::ReadOnly);
        const bool written = ini::writeProfileString(folder.path(), "Tessorin", "a", "1");
        QFile::setPermissions(target, all);
        if (!honoured) {
            GTEST_SKIP() << "this user (root?) is not bound by permission bits";
        }
        EXPECT_FALSE(written) << lockFolder;
        EXPECT_EQ(folder.bytes(), before) << lockFolder;
    }
}

// Run by IniWrite.AFullDiskKeepsTheOldFileWhole, in a child whose files cannot grow.
TEST(IniWriteChild, BothKindsOfWriteFailOnAFullDisk) {
    if (!isChildTestRun()) {
        GTEST_SKIP() << "runs only as a child of IniWrite.AFullDiskKeepsTheOldFileWhole";
    }
    const std::string path =
        QFile::encodeName(qEnvironmentVariable("TESSORIN_TEST_INI")).toStdString();
    EXPECT_FALSE(ini::writeProfileString(path, "Tessorin", "Brickset", "True"));
    const ini::Entry entries[] = {{"Brickset", "True"}, {"Lego", "True"}};
    EXPECT_FALSE(ini::writeProfileStrings(path, "Tessorin", entries));
}

TEST(IniWrite, AFullDiskKeepsTheOldFileWhole) {
    IniTestFolder folder;
    const std::string before =
        "[Tessorin]\r\nBrickset=False\r\n;" + std::string(8000, '-') + "\r\n";
    folder.put(before);
    runChildOnAFullDisk("IniWriteChild.*", "TESSORIN_TEST_INI",
                        QString::fromStdString(folder.path()), 4096);
    if (IsSkipped()) {
        return;
    }
    EXPECT_TRUE(folder.bytes() == before) << "the old file was cut or replaced";
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files), QStringList{"Settings.ini"})
        << "no temporary file is left behind";
}

TEST(IniWrite, ReplacesTheTargetOfASymbolicLink) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "links are shortcuts on this host";
#endif
    IniTestFolder folder;
    folder.put("[Tessorin]\na=1\n", QStringLiteral("real/Settings.ini"));
    QFile::link(folder.dir.filePath(QStringLiteral("real/Settings.ini")),
                folder.dir.filePath(QStringLiteral("Settings.ini")));
    ASSERT_TRUE(ini::writeProfileString(folder.path(), "Tessorin", "a", "2"));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder.path())).isSymLink());
    EXPECT_EQ(folder.bytes(QStringLiteral("real/Settings.ini")), "[Tessorin]\na=2\n");
}

}  // namespace
