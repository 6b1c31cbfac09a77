#include "app/MainWindowFixture.h"
#include "app/SiteTable.h"

class SiteSelectionTest : public MainWindowTest {
  protected:
    QStringList ticked() {
        QStringList names;
        for (QCheckBox* each : window().findChildren<QCheckBox*>()) {
            if (each->isChecked()) {
                names << each->objectName();
            }
        }
        names.sort();
        return names;
    }
};

TEST_F(SiteSelectionTest, PeekShotClearsEverySiteAndASiteClearsPeekShot) {
    for (const char* name : {"chkbiportal", "chkebay", "chklego", "chkmisbi", "chkpeeron"}) {
        click(box(name));
    }
    click(box("chkmin"));
    click(box("chkpic"));
    EXPECT_EQ(ticked(), (QStringList{"chkmin", "chkpic"}));

    click(box("chkbrickset"));
    EXPECT_EQ(ticked(), (QStringList{"chkbrickset", "chkmin"}));
}

TEST_F(SiteSelectionTest, UntickingChangesNoOtherBox) {
    click(box("chkebayde"));
    click(box("chkebayfr"));
    click(box("chkebayfr"));
    EXPECT_EQ(ticked(), QStringList{"chkebayde"});
    click(box("chkpic"));
    click(box("chkpic"));
    EXPECT_TRUE(ticked().isEmpty());
}

TEST_F(SiteSelectionTest, KeyboardTogglesFollowTheSameRules) {
    click(box("chkpic"));
    box("chklugnetnews")->setFocus();
    QTest::keyClick(box("chklugnetnews"), Qt::Key_Space);
    EXPECT_EQ(ticked(), QStringList{"chklugnetnews"});
    QTest::keyClick(box("chkpic"), Qt::Key_Space);
    EXPECT_EQ(ticked(), QStringList{"chkpic"});
}

TEST_F(SiteSelectionTest, CheckAllAndUncheckAllLeaveMinimiseAloneAndRepeatSafely) {
    click(box("chkpic"));
    click(box("chkmin"));
    QStringList allSites;
    for (const SiteDefinition& site : kSites) {
        allSites << QLatin1String(site.boxName);
    }
    allSites << QStringLiteral("chkmin");
    allSites.sort();

    for (int time = 0; time < 2; ++time) {
        QTest::keyClick(&window(), Qt::Key_E, Qt::ControlModifier);
        EXPECT_EQ(ticked(), allSites);
    }
    for (int time = 0; time < 2; ++time) {
        QTest::keyClick(&window(), Qt::Key_U, Qt::ControlModifier);
        EXPECT_EQ(ticked(), QStringList{"chkmin"});
    }
}
