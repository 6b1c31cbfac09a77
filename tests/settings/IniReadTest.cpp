#include <gtest/gtest.h>

#include <random>

#include "settings/IniProfile.h"
#include "settings/IniTestFolder.h"

using namespace std::string_literals;

namespace {

struct ReadCase {
    const char* what;
    std::string file;
    std::string key;
    std::string expected;
};

TEST(IniRead, FindsEntriesTheWayTheProfileFunctionsDo) {
    const ReadCase cases[] = {
        {"exact value", "[Tessorin]\r\nAuctionBrick=True\r\n", "AuctionBrick", "True"},
        {"other letter case", "[tessorin]\r\nBrickLink=False\r\n", "bRICKLINK", "False"},
        {"blanks and tabs", "  [ \tTessorin ]\n \t Brickset  =  True \t\n", "Brickset", "True"},
        {"double quotes", "[Tessorin]\nk=\"True\"\n", "k", "True"},
        {"single quotes", "[Tessorin]\nk= 'True' \n", "k", "True"},
        {"unmatched quotes stay", "[Tessorin]\nk=\"True'\n", "k", "\"True'"},
        {"inner quotes stay", "[Tessorin]\nk=a\"b\"\n", "k", "a\"b\""},
        {"first '=' splits", "[Tessorin]\nLEGO=https://x/?a=b&q=\n", "lego", "https://x/?a=b&q="},
        {"first duplicate key", "[Tessorin]\nk=first\nK=second\n", "k", "first"},
        {"first duplicate section", "[Tessorin]\na=1\n[x]\nb=0\n[TESSORIN]\nb=2\n", "b", ""},
        {"no '=' is an empty key", "[Tessorin]\nBrickset\nBrickset=True\n", "Brickset", ""},
        {"above the first header", "Brickset=True\n[Tessorin]\n", "Brickset", ""},
        {"other section", "[Tessorin]\n[Other]\nBrickset=True\n", "Brickset", ""},
        {"byte-order mark", "\xEF\xBB\xBF[Tessorin]\nk=v\n", "k", "v"},
        {"comment defines its own key", "[Tessorin]\n;Brickset=True\n", "Brickset", ""},
        {"comment key", "[Tessorin]\n;Brickset=True\n", ";Brickset", "True"},
        {"no final line break", "[Tessorin]\r\nk=v", "k", "v"},
        {"bracket without close", "[Tessorin]\n[Other\nk=v\n", "k", "v"},
        {"empty value", "[Tessorin]\nk=   \n", "k", ""},
        {"8-bit bytes pass", "[Tessorin]\nk=caf\xE9\xFF\n", "k", "caf\xE9\xFF"},
        {"no folding above ASCII", "[Tessorin]\n\xC9=1\n", "\xE9", ""},
        {"NUL ends the value", "[Tessorin]\nk=ab\0cd\n"s, "k", "ab"},
        {"carriage returns alone end lines", "[Tessorin]\rk=v\rj=w\r", "j", "w"},
        {"mixed line ends", "[Tessorin]\r\na=1\rk=v\n", "k", "v"},
    };
    for (const ReadCase& c : cases) {
        IniTestFolder folder;
        folder.put(c.file);
        EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", c.key), c.expected) << c.what;
    }
}

// A Settings.ini saved as "Unicode" by a text editor: text in the system's 8-bit code page.
TEST(IniRead, ReadsUtf16FilesBehindTheirMark) {
    IniTestFolder folder;
    folder.put(utf16File(u"[Tessorin]\r\nBrickset=True\r\nName=caf\u00E9\r\n"));
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "brickset"), "True");
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "Name"),
              QStringLiteral("caf\u00E9").toLocal8Bit().toStdString());
}

TEST(IniRead, CutsValuesToOneLessThanTheBuffer) {
    IniTestFolder folder;
    const std::string stored = std::string(150, 'a') + std::string(150, 'b');
    folder.put("[Tessorin]\nLong=" + stored + "\n");
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "Long"), stored.substr(0, 254));
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "Long", 4), "aaa");
}

TEST(IniRead, AbsentOrUnreadableFilesReadAsEmpty) {
    IniTestFolder folder;
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "k"), "");
    QDir(folder.dir.path()).mkdir(QStringLiteral("Settings.ini"));
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "k"), "");
}

TEST(IniRead, SurvivesGarbageAndHugeLines) {
    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (char& byte : garbage) {
        byte = static_cast<char>(random() % 256);
    }
    const std::string hugeLine = "Huge=" + std::string(5 << 20, 'x') + "\n";
    IniTestFolder folder;
    const auto file = [&](const char* entry) {
        return garbage + "\n[Tessorin]\n" + hugeLine + entry + garbage;
    };
    folder.put(file("k=v\n"));
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "Huge"), std::string(254, 'x'));
    EXPECT_EQ(ini::readProfileString(folder.path(), "Tessorin", "k"), "v");
    ASSERT_TRUE(ini::writeProfileString(folder.path(), "Tessorin", "k", "w"));
    EXPECT_TRUE(folder.bytes() == file("k=w\n"));  // not EXPECT_EQ: no 7 MB dump on failure
}

}  // namespace
