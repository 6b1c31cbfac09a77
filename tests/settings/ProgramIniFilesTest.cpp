#include <gtest/gtest.h>

#include "settings/IniTestFolder.h"
#include "settings/ProgramIniFiles.h"
#include "support/Doubles.h"

using namespace Qt::StringLiterals;

namespace {

struct IniFilesTest : ::testing::Test {
    testing_doubles::TestServices test;
    ProgramIniFiles files{test.services.paths};
};

TEST_F(IniFilesTest, EachFunctionReadsItsOwnFileAfresh) {
    putFile(test.installFile(u"Websites.ini"_s), "[Tessorin]\r\nBrickset=https://b/\r\n");
    putFile(test.installFile(u"Default.ini"_s), "[Tessorin]\r\nBrickset=True\r\n");
    EXPECT_EQ(files.ReadWebsitesIni(u"Tessorin"_s, u"brickset"_s), u"https://b/"_s);
    EXPECT_EQ(files.ReadDefaultIni(u"Tessorin"_s, u"Brickset"_s), u"True"_s);
    EXPECT_EQ(files.ReadSettingsIni(u"Tessorin"_s, u"Brickset"_s), "");

    putFile(test.installFile(u"Default.ini"_s), "[Tessorin]\r\nBrickset=False\r\n");
    EXPECT_EQ(files.ReadDefaultIni(u"Tessorin"_s, u"Brickset"_s), u"False"_s);
}

TEST_F(IniFilesTest, WritesOnlySettingsIni) {
    const std::string shipped = "[Tessorin]\r\nBrickLink=False\r\n";
    putFile(test.installFile(u"Websites.ini"_s), shipped);
    putFile(test.installFile(u"Default.ini"_s), shipped);
    ASSERT_TRUE(files.WriteSettingsIni(u"Tessorin"_s, u"BrickLink"_s, u"True"_s));
    EXPECT_EQ(fileBytes(test.settingsFile()), "[Tessorin]\r\nBrickLink=True\r\n");
    EXPECT_EQ(files.ReadSettingsIni(u"Tessorin"_s, u"Bricklink"_s), u"True"_s);
    EXPECT_EQ(fileBytes(test.installFile(u"Websites.ini"_s)), shipped);
    EXPECT_EQ(fileBytes(test.installFile(u"Default.ini"_s)), shipped);
}

TEST_F(IniFilesTest, TextRoundTripsAndACutNeverEndsInHalfACharacter) {
    const QString accented = u"a"_s + QString(300, QChar(0xE9));
    ASSERT_TRUE(files.WriteSettingsIni(u"Tessorin"_s, u"Clé"_s, u"Ça va"_s));
    ASSERT_TRUE(files.WriteSettingsIni(u"Tessorin"_s, u"Long"_s, accented));
    EXPECT_EQ(files.ReadSettingsIni(u"Tessorin"_s, u"Clé"_s), u"Ça va"_s);
    const QString cut = files.ReadSettingsIni(u"Tessorin"_s, u"Long"_s);
    EXPECT_EQ(cut, accented.left(cut.size()));
    EXPECT_GE(cut.size(), 127);  // 254 bytes hold "a" and 126 two-byte characters at least
}

// An older installation's Settings.ini (the first that exists) is read until the user's
// own file exists; the first save writes the user's own and leaves the old one alone.
TEST_F(IniFilesTest, AnOldInstallationsSettingsStandInUntilTheFirstSave) {
    const QString newer = test.root.filePath(u"VirtualStore/Settings.ini"_s);
    const QString older = test.installFile(u"Settings.ini"_s);
    test.services.paths.oldSettingsFiles = {newer, older};
    const ProgramIniFiles upgraded{test.services.paths};
    putFile(older, "[Tessorin]\r\nLego=True\r\nPeeron=True\r\n");
    EXPECT_EQ(upgraded.ReadSettingsIni(u"Tessorin"_s, u"Lego"_s), u"True"_s);
    putFile(newer, "[Tessorin]\r\nLego=False\r\n");
    EXPECT_EQ(upgraded.ReadSettingsIni(u"Tessorin"_s, u"Lego"_s), u"False"_s);

    ASSERT_TRUE(upgraded.WriteSettingsIni(u"Tessorin"_s, u"Peeron"_s, u"True"_s));
    EXPECT_EQ(fileBytes(test.settingsFile()), "[Tessorin]\r\nPeeron=True\r\n");
    EXPECT_EQ(upgraded.ReadSettingsIni(u"Tessorin"_s, u"Lego"_s), "") << "the user's own now";
    EXPECT_EQ(fileBytes(older), "[Tessorin]\r\nLego=True\r\nPeeron=True\r\n");
}

TEST_F(IniFilesTest, ReportsAFailedWrite) {
    putFile(test.services.paths.userConfigDir, "a file where the folder should be");
    EXPECT_FALSE(files.WriteSettingsIni(u"Tessorin"_s, u"Lego"_s, u"True"_s));
}

}  // namespace
