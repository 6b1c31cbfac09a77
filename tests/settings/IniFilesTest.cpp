#include <gtest/gtest.h>

#include <QFile>

#include "settings/IniFiles.h"
#include "support/Doubles.h"

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

struct IniFilesTest : ::testing::Test {
    testing_doubles::TestServices test;
    IniFiles files{test.services.paths};
};

TEST_F(IniFilesTest, EachFunctionReadsItsOwnFileAfresh) {
    put(test.installFile(QStringLiteral("Websites.ini")), "[Tessorin]\r\nBrickset=https://b/\r\n");
    put(test.installFile(QStringLiteral("Default.ini")), "[Tessorin]\r\nBrickset=True\r\n");
    EXPECT_EQ(files.ReadWebsitesIni(QStringLiteral("Tessorin"), QStringLiteral("brickset")),
              QStringLiteral("https://b/"));
    EXPECT_EQ(files.ReadDefaultIni(QStringLiteral("Tessorin"), QStringLiteral("Brickset")),
              QStringLiteral("True"));
    EXPECT_EQ(files.ReadSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Brickset")), "");

    put(test.installFile(QStringLiteral("Default.ini")), "[Tessorin]\r\nBrickset=False\r\n");
    EXPECT_EQ(files.ReadDefaultIni(QStringLiteral("Tessorin"), QStringLiteral("Brickset")),
              QStringLiteral("False"));
}

TEST_F(IniFilesTest, WritesOnlySettingsIni) {
    const QByteArray shipped = "[Tessorin]\r\nBrickLink=False\r\n";
    put(test.installFile(QStringLiteral("Websites.ini")), shipped);
    put(test.installFile(QStringLiteral("Default.ini")), shipped);
    ASSERT_TRUE(files.WriteSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("BrickLink"),
                                       QStringLiteral("True")));
    EXPECT_EQ(contentsOf(test.settingsFile()), "[Tessorin]\r\nBrickLink=True\r\n");
    EXPECT_EQ(files.ReadSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Bricklink")),
              QStringLiteral("True"));
    EXPECT_EQ(contentsOf(test.installFile(QStringLiteral("Websites.ini"))), shipped);
    EXPECT_EQ(contentsOf(test.installFile(QStringLiteral("Default.ini"))), shipped);
}

TEST_F(IniFilesTest, TextRoundTripsAndACutNeverEndsInHalfACharacter) {
    const QString accented = QStringLiteral("a") + QString(300, QChar(0xE9));
    ASSERT_TRUE(files.WriteSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Clé"),
                                       QStringLiteral("Ça va")));
    ASSERT_TRUE(
        files.WriteSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Long"), accented));
    EXPECT_EQ(files.ReadSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Clé")),
              QStringLiteral("Ça va"));
    const QString cut = files.ReadSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Long"));
    EXPECT_EQ(cut, accented.left(cut.size()));
    EXPECT_GE(cut.size(), 127);  // 254 bytes hold "a" and 126 two-byte characters at least
}

TEST_F(IniFilesTest, ReportsAFailedWrite) {
    put(test.services.paths.userConfigDir, "a file where the folder should be");
    EXPECT_FALSE(files.WriteSettingsIni(QStringLiteral("Tessorin"), QStringLiteral("Lego"),
                                        QStringLiteral("True")));
}

}  // namespace
