#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "browser/modWWW.h"
#include "platform/programs/WindowsCommandLine.h"
#include "platform/windowsystem/WindowFocus.h"
#include "support/Doubles.h"
#include "support/QtPrinting.h"

namespace {

constexpr char kCommandKey[] = R"(http\shell\open\command)";

class OpenUrlTest : public ::testing::Test {
  protected:
    void expectNoBrowserMessages(std::size_t count) {
        ASSERT_EQ(messages.shown.size(), count);
        for (const auto& message : messages.shown) {
            EXPECT_EQ(message.text, "Unable to open URL. Install browser first!");
            EXPECT_EQ(message.icon, platform::MessageIcon::None);
            EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
            EXPECT_EQ(message.title, "Tessorin");
        }
    }

    testing_doubles::FakeRegistry registry;
    testing_doubles::RecordingProgramStarter programs;
    testing_doubles::FakeMessageBoxes messages;
    QWidget mainWindow;
    modWWW::UrlOpener opener{registry, programs, messages, platform::hostWindowFocus(),
                             &mainWindow};
};

}  // namespace

TEST_F(OpenUrlTest, StartsTheBrowserPathWithTheAddressAsOneArgument) {
    registry.setBrowserCommand(R"("/usr/bin/b" --new-window "%1")");
    opener.OpenURL("https://x/?q=a b");
    opener.OpenURL("https://x/?q=7140");
    const QString smuggling = R"(https://x/?q=a --incognito "c:\dir\" \)";
    opener.OpenURL(smuggling);
    ASSERT_EQ(programs.commandLines.size(), 3);
    EXPECT_EQ(programs.commandLines[0], R"("/usr/bin/b" "https://x/?q=a b")");
    EXPECT_EQ(programs.commandLines[1], R"("/usr/bin/b" https://x/?q=7140)");
    EXPECT_EQ(platform::splitWindowsCommandLine(programs.commandLines[2]),
              QStringList({"/usr/bin/b", smuggling}));
    expectNoBrowserMessages(0);
}

// A browser whose command takes every address gets a search in one start; one that does
// not cannot, however its command is written.
TEST_F(OpenUrlTest, ABrowserTakingEveryAddressGetsThemInOneStartInOrder) {
    registry.setBrowserCommand(R"("/usr/bin/b" %*)");
    ASSERT_TRUE(opener.takesEveryAddressAtOnce());
    opener.OpenURLs({"https://x/?q=a b", "https://y/?q=c", "https://z/?q=\"d\""});
    ASSERT_EQ(programs.commandLines.size(), 1);
    EXPECT_EQ(
        platform::splitWindowsCommandLine(programs.commandLines[0]),
        QStringList({"/usr/bin/b", "https://x/?q=a b", "https://y/?q=c", "https://z/?q=\"d\""}));
    EXPECT_EQ(programs.waitedAfter, std::vector<qsizetype>{1});
    for (const char* command :
         {R"("/usr/bin/b" "%1")", R"("/usr/bin/%*" "%1")", R"("/usr/bin/b")"}) {
        registry.setBrowserCommand(command);
        EXPECT_FALSE(opener.takesEveryAddressAtOnce()) << command;
    }
    registry.keys[kCommandKey] = {};
    EXPECT_FALSE(opener.takesEveryAddressAtOnce());
    opener.OpenURLs({"a", "b"});
    expectNoBrowserMessages(1);
}

// A missing browser is said at once; a start that failed or went unanswered is reported
// back, for the search to tell once.
TEST_F(OpenUrlTest, ReadsTheRegistryForEveryAddressAndReportsWhatBecameOfEach) {
    using modWWW::Delivery;
    registry.setBrowserCommand(R"("/usr/bin/first" "%1")");
    EXPECT_EQ(opener.OpenURL("a"), Delivery::Reached);
    registry.setBrowserCommand(R"("/usr/bin/second" "%1")");
    programs.handOvers = {platform::HandOverOutcome::Unseen};
    EXPECT_EQ(opener.OpenURL("b"), Delivery::Reached) << "a window we cannot see may be up";
    registry.keys[kCommandKey] = {};
    EXPECT_EQ(opener.OpenURL("c"), Delivery::Told);
    EXPECT_EQ(opener.OpenURL("d"), Delivery::Told);
    registry.setBrowserCommand(R"("/usr/bin/gone" "%1")");
    programs.succeed = false;
    EXPECT_EQ(opener.OpenURL("e"), Delivery::NotStarted);
    EXPECT_EQ(programs.commandLines, QStringList({R"("/usr/bin/first" a)", R"("/usr/bin/second" b)",
                                                  R"("/usr/bin/gone" e)"}));
    expectNoBrowserMessages(2);
}

// The first start is given long enough for a slow machine's cold browser; once one went
// unanswered, the rest are waited for briefly, and fully again once one answers.
TEST_F(OpenUrlTest, AfterAStartWentUnansweredTheNextAreWaitedForBriefly) {
    using modWWW::Delivery;
    using platform::HandOverOutcome;
    registry.setBrowserCommand(R"("/usr/bin/b" "%1")");
    programs.handOvers = {HandOverOutcome::NoAnswer, HandOverOutcome::NoAnswer,
                          HandOverOutcome::HandedOn, HandOverOutcome::HandedOn};
    EXPECT_EQ(opener.OpenURL("a"), Delivery::NoAnswer);
    EXPECT_EQ(opener.OpenURL("b"), Delivery::NoAnswer);
    EXPECT_EQ(opener.OpenURL("c"), Delivery::Reached);
    EXPECT_EQ(opener.OpenURL("d"), Delivery::Reached);
    ASSERT_EQ(programs.bounds.size(), 4u);
    EXPECT_GE(programs.bounds[0], std::chrono::seconds(30));
    EXPECT_LE(programs.bounds[1], std::chrono::seconds(5));
    EXPECT_LE(programs.bounds[2], std::chrono::seconds(5));
    EXPECT_EQ(programs.bounds[3], programs.bounds[0]);
    expectNoBrowserMessages(0);
}

// Each start after the first is vouched for by the main window, so the focus comes back to
// it before that start; never after one, where it would stand in the new browser's way.
TEST_F(OpenUrlTest, HandlesPendingEventsAndGivesTheFocusBackBeforeTheNextStart) {
    registry.setBrowserCommand(R"("/usr/bin/b" "%1")");
    QWidget browser;
    mainWindow.show();
    browser.show();
    browser.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &browser; }));
    bool pendingRan = false;
    QTimer::singleShot(0, [&] { pendingRan = true; });
    opener.OpenURL("a");
    EXPECT_TRUE(pendingRan);
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), &browser) << "the focus was taken back after a start";

    bool mainWindowActiveAtStart = false;
    programs.onStart = [&] {
        mainWindowActiveAtStart =
            QTest::qWaitFor([&] { return QApplication::activeWindow() == &mainWindow; });
    };
    opener.OpenURL("b");
    EXPECT_TRUE(mainWindowActiveAtStart);
}

// "Minimize while searching": the focus comes back only to a window that is not minimised.
TEST_F(OpenUrlTest, AMinimisedMainWindowStaysMinimised) {
    registry.setBrowserCommand(R"("/usr/bin/b" "%1")");
    mainWindow.showMinimized();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }));
    opener.OpenURL("a");
    QTest::qWait(50);
    EXPECT_TRUE(mainWindow.isMinimized());
    EXPECT_EQ(QApplication::activeWindow(), &other);
}
