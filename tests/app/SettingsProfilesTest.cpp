#include <QFile>
#include <QFileInfo>
#include <set>
#include <string>

#include "app/MainWindowFixture.h"
#include "app/SiteTable.h"
#include "support/ChildTestRun.h"

namespace {

const char* const kSavedKeys[] = {"AuctionBrick",
                                  "BIPortal",
                                  "BrickLink",
                                  "BrickLink Catalog",
                                  "Brickset",
                                  "Brickshelf",
                                  "Ebay United Kingdom",
                                  "Ebay",
                                  "Ebay Australia",
                                  "Ebay Germany",
                                  "Ebay France",
                                  "Lego",
                                  "Lugnet",
                                  "Lugnet News",
                                  "MISBI",
                                  "Peeron",
                                  "Lugnet Popup",
                                  "Don't Show Alert",
                                  "Minimize While Searching",
                                  "Show Save Confirm"};

QByteArray profileFile(const std::set<std::string>& trueKeys) {
    QByteArray bytes = "[Tessorin]\r\n";
    for (const char* key : kSavedKeys) {
        bytes += QByteArray(key) + (trueKeys.count(key) ? "=True\r\n" : "=False\r\n");
    }
    return bytes;
}

}  // namespace

class SettingsProfilesTest : public MainWindowTest {};

TEST_F(SettingsProfilesTest, FirstSaveWritesTheTwentyEntriesInOrder) {
    click(box("chkbricklink"));
    click(box("chkebayau"));
    click(box("chkmin"));
    triggerMenu("SaveSettings");
    EXPECT_EQ(settingsBytes(),
              profileFile({"BrickLink", "Ebay Australia", "Minimize While Searching"}));
    EXPECT_TRUE(doubles_.messages.shown.empty()) << "a good save says nothing";
}

TEST_F(SettingsProfilesTest, SaveThenLoadRestoresEveryElement) {
    for (const char* name :
         {"chkauctionbrick", "chkbricklinkcat", "chkebayuk", "chklugnet", "chkmin"}) {
        click(box(name));
    }
    window().warning().ui().chkdontshow->setChecked(true);
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);

    triggerMenu("Uncheckall");
    click(box("chkmin"));
    window().warning().ui().chkdontshow->setChecked(false);
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier);

    for (const char* name :
         {"chkauctionbrick", "chkbricklinkcat", "chkebayuk", "chklugnet", "chkmin"}) {
        EXPECT_TRUE(box(name)->isChecked()) << name;
    }
    EXPECT_FALSE(box("chkbrickset")->isChecked());
    EXPECT_TRUE(window().warning().ui().chkdontshow->isChecked());
}

TEST_F(SettingsProfilesTest, LoaderFindsKeysInOtherCaseButOnlyExactTrueTicks) {
    writeSettings(
        "[tessorin]\r\nBRICKLINK=True\r\nBrickset=true\r\nPeeron=TRUE\r\nLego=True \r\n"
        "bricklink catalog=True\r\n");
    window();
    EXPECT_TRUE(box("chkbricklink")->isChecked()) << "saved BrickLink, loaded as Bricklink";
    EXPECT_TRUE(box("chkbricklinkcat")->isChecked());
    EXPECT_FALSE(box("chkbrickset")->isChecked());
    EXPECT_FALSE(box("chkpeeron")->isChecked());
    EXPECT_TRUE(box("chklego")->isChecked()) << "blanks around a value are not part of it";
}

TEST_F(SettingsProfilesTest, PeekShotInAProfileWinsOverItsSites) {
    writeSettings(profileFile({"Brickset", "Lugnet Popup", "Peeron"}));
    window();
    EXPECT_TRUE(box("chkpic")->isChecked());
    EXPECT_FALSE(box("chkbrickset")->isChecked());
    EXPECT_FALSE(box("chkpeeron")->isChecked());

    triggerMenu("SaveSettings");  // a save right after start-up writes back what loaded
    EXPECT_EQ(settingsBytes(), profileFile({"Lugnet Popup"}));
}

TEST_F(SettingsProfilesTest, SaveRightAfterStartUpWritesBackWhatLoaded) {
    const QByteArray stored =
        profileFile({"AuctionBrick", "Ebay", "Peeron", "Don't Show Alert", "Show Save Confirm"});
    writeSettings(stored);
    triggerMenu("SaveSettings");
    EXPECT_EQ(settingsBytes(), stored);
}

TEST_F(SettingsProfilesTest, LoadDefaultWithoutDefaultIniClearsEverything) {
    writeSettings(profileFile(
        {"Brickset", "Don't Show Alert", "Minimize While Searching", "Show Save Confirm"}));
    window();
    ASSERT_TRUE(window().showSaveConfirm());
    QTest::keyClick(&window(), Qt::Key_D, Qt::ControlModifier);
    for (QCheckBox* each : window().findChildren<QCheckBox*>()) {
        EXPECT_FALSE(each->isChecked()) << each->objectName().toStdString();
    }
    EXPECT_FALSE(window().warning().ui().chkdontshow->isChecked());
    EXPECT_FALSE(window().showSaveConfirm());
    triggerMenu("Exit");
    EXPECT_TRUE(doubles_.messages.shown.empty()) << "no save question once it is cleared";
}

TEST_F(SettingsProfilesTest, LoadDefaultReadsTheShippedDefaults) {
    writeInstallFile(QStringLiteral("Default.ini"), profileFile({"Lego", "Peeron"}));
    click(box("chkbrickset"));
    triggerMenu("LoadDefault");
    EXPECT_TRUE(box("chklego")->isChecked());
    EXPECT_TRUE(box("chkpeeron")->isChecked());
    EXPECT_FALSE(box("chkbrickset")->isChecked());
    EXPECT_FALSE(QFileInfo::exists(doubles_.settingsFile())) << "loading never writes";
}

TEST_F(SettingsProfilesTest, DialogBoxIsSavedWhetherOrNotTheDialogWasShown) {
    writeSettings(profileFile({"Don't Show Alert"}));
    triggerMenu("SaveSettings");
    EXPECT_TRUE(settingsBytes().contains("Don't Show Alert=True"));
    EXPECT_TRUE(window().warning().isHidden());
}

TEST_F(SettingsProfilesTest, FailedSaveSaysSoNamesTheFileAndChangesNothingOnScreen) {
    // A file where the settings folder should be: nothing can be written below it.
    QFile blocker(doubles_.services.paths.userConfigDir);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    click(box("chkbrickset"));
    triggerMenu("SaveSettings");

    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    const auto& message = doubles_.messages.shown[0];
    EXPECT_EQ(message.title, QStringLiteral("Tessorin"));
    EXPECT_EQ(message.icon, platform::MessageIcon::Exclamation);
    EXPECT_TRUE(message.text.contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(doubles_.settingsFile())));
    EXPECT_TRUE(box("chkbrickset")->isChecked());
}

// Run by the test below in a child whose files cannot grow past 4 KiB: Ctrl+S on the
// real window, over the parent's settings folder.
TEST_F(SettingsProfilesTest, ChildSavesOnAFullDisk) {
    if (!isChildTestRun()) {
        GTEST_SKIP() << "runs only as a child of FullDiskSaveKeepsTheOldFileAndSaysSo";
    }
    doubles_.services.paths.userConfigDir = qEnvironmentVariable("TESSORIN_TEST_CONFIG_DIR");
    click(box("chkbrickset"));
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    EXPECT_TRUE(doubles_.messages.shown[0].text.contains("could not be saved"));
}

TEST_F(SettingsProfilesTest, FullDiskSaveKeepsTheOldFileAndSaysSo) {
    // A profile padded with a comment, so that its rewrite cannot fit under the limit.
    const QByteArray stored = profileFile({"Lego"}) + ';' + QByteArray(8000, '-') + "\r\n";
    writeSettings(stored);
    runChildOnAFullDisk("*.ChildSavesOnAFullDisk", "TESSORIN_TEST_CONFIG_DIR",
                        doubles_.services.paths.userConfigDir, 4096);
    if (IsSkipped()) {
        return;
    }
    EXPECT_TRUE(settingsBytes() == stored) << "the saved profile was cut or replaced";
}
