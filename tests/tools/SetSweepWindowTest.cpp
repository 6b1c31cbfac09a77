#include <QMenuBar>

#include "support/ChildTestRun.h"
#include "tools/SetSweepFixture.h"
#include "ui/Centring.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"

using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString kEmptyBoxMessage =
    QStringLiteral("Please enter range start and number of sets in range");

void exitByShortcut(QWidget* focused) {
    QTest::keyClick(focused, Qt::Key_E, Qt::ControlModifier);
}

}  // namespace

TEST_F(SetSweepTest, AnEmptyBoxIsRefusedAndLeavesTheFlagAlone) {
    open();
    putFile(pagePath(), "not ours");
    for (auto [first, second] : {std::pair{"", "5"}, std::pair{"10", ""}, std::pair{"", ""}}) {
        viewPicsWith(QString::fromLatin1(first), QString::fromLatin1(second));
    }

    ASSERT_EQ(doubles.messages.shown.size(), 3u);
    for (const auto& message : doubles.messages.shown) {
        EXPECT_EQ(message.text, kEmptyBoxMessage);
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        EXPECT_EQ(message.title, QStringLiteral("SetSweep"));
    }
    EXPECT_TRUE(doubles.programs.commandLines.isEmpty());
    EXPECT_EQ(pageOnDisk(), "not ours");

    // No page was written, so leaving deletes nothing.
    exitByShortcut(start());
    EXPECT_EQ(pageOnDisk(), "not ours");
    EXPECT_EQ(doubles.messages.shown.size(), 3u);
}

TEST_F(SetSweepTest, ViewPicsStartsTheRegisteredBrowserOnThePage) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_TRUE(pageExists());
    ASSERT_EQ(doubles.programs.commandLines.size(), 1);
    EXPECT_EQ(doubles.programs.commandLines[0],
              QStringLiteral(R"("/usr/bin/test-browser" )") + pagePath());
    EXPECT_TRUE(doubles.messages.shown.empty());
}

// Where the host has a program of its own for the page (Internet Explorer on Windows),
// that program shows it, whatever browser is registered.
TEST_F(SetSweepTest, TheHostsPageViewerComesBeforeTheRegisteredBrowser) {
    doubles.services.paths.pageViewer = QStringLiteral(R"(C:\Program Files\IE\iExplore.exe)");
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    EXPECT_EQ(doubles.programs.commandLines,
              QStringList{QStringLiteral(R"("C:\Program Files\IE\iExplore.exe" )") + pagePath()});
}

TEST_F(SetSweepTest, APagePathWithBlanksIsHandedOverAsOneArgument) {
    doubles.services.paths.userDataDir = doubles.root.filePath(QStringLiteral("my data"));
    open();
    viewPicsWith(QStringLiteral("1"), QStringLiteral("2"));
    ASSERT_TRUE(pageExists());
    ASSERT_EQ(doubles.programs.commandLines.size(), 1);
    EXPECT_EQ(doubles.programs.commandLines[0],
              QStringLiteral(R"("/usr/bin/test-browser" ")") + pagePath() + u'"');
}

TEST_F(SetSweepTest, EnterInEitherBoxOrOnTheButtonRunsViewPics) {
    open();
    enter(start(), QStringLiteral("10"));
    enter(count(), QStringLiteral("5"));
    QTest::keyClick(start(), Qt::Key_Return);
    QTest::keyClick(count(), Qt::Key_Enter);
    viewPics()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(viewPics(), Qt::Key_Return);
    EXPECT_EQ(doubles.programs.commandLines.size(), 3);
}

TEST_F(SetSweepTest, EachPressRewritesThePageAndStartsOneMoreBrowser) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    viewPicsWith(QStringLiteral("2000"), QStringLiteral("5"));
    EXPECT_TRUE(pageOnDisk().contains("\r\nstart=2000;\r\n"));
    EXPECT_EQ(doubles.programs.commandLines.size(), 2);
}

TEST_F(SetSweepTest, ExitDeletesThePageHidesAndOpenShowsTheSameValues) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    exitByShortcut(count());
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(pageExists());

    open();
    EXPECT_EQ(start()->text(), QStringLiteral("10"));
    EXPECT_EQ(count()->text(), QStringLiteral("5"));

    // The flag outlives the deletion: a second Exit tries again, and a page that is
    // already gone is no cause for a message.
    putFile(pagePath(), "written again by someone");
    exitByShortcut(count());
    EXPECT_FALSE(pageExists());
    open();
    exitByShortcut(count());
    EXPECT_TRUE(doubles.messages.shown.empty());
}

TEST_F(SetSweepTest, TheCloseBoxDeletesThePageAndTheNextOpenStartsAfresh) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    closeByCloseBox();
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(pageExists());

    reopenAfterClose();
    EXPECT_TRUE(start()->text().isEmpty());
    EXPECT_TRUE(count()->text().isEmpty());
    putFile(pagePath(), "not written by this window");
    closeByCloseBox();
    EXPECT_EQ(pageOnDisk(), "not written by this window");
}

TEST_F(SetSweepTest, EndingTheProgramWithoutClosingLeavesThePage) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    delete window.data();
    EXPECT_TRUE(pageExists());
}

TEST_F(SetSweepTest, ALinkPlantedAsThePageIsReplacedNotWrittenThrough) {
    const QString target = doubles.root.filePath(QStringLiteral("precious.txt"));
    putFile(target, "keep me");
    QDir().mkpath(doubles.services.paths.userDataDir);
    ASSERT_TRUE(QFile::link(target, pagePath()));
    const QString nowhere = doubles.root.filePath(QStringLiteral("nowhere/page.html"));

    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    EXPECT_FALSE(QFileInfo(pagePath()).isSymLink());
    EXPECT_TRUE(pageOnDisk().startsWith("<script>\r\n"));
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep me");

    // A dangling link must not be followed into creating its target either.
    ASSERT_TRUE(QFile::remove(pagePath()));
    QDir().mkpath(QFileInfo(nowhere).absolutePath());
    ASSERT_TRUE(QFile::link(nowhere, pagePath()));
    viewPicsWith(QStringLiteral("11"), QStringLiteral("5"));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_TRUE(pageOnDisk().contains("\r\nstart=11;\r\n"));
    EXPECT_TRUE(doubles.messages.shown.empty());
}

TEST_F(SetSweepTest, APageThatCannotBeWrittenIsReportedAndNoBrowserStarts) {
    // A file where the page's folder should be: no rights needed to make that fail.
    putFile(doubles.services.paths.userDataDir, "a file, not a folder");
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].title, QStringLiteral("SetSweep"));
    EXPECT_EQ(doubles.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(doubles.messages.shown[0].text.contains(QStringLiteral("write")));
    EXPECT_TRUE(doubles.programs.commandLines.isEmpty());

    // A folder in the page's place cannot be replaced either; the window goes on.
    QFile::remove(doubles.services.paths.userDataDir);
    QDir().mkpath(QDir(pagePath()).filePath(QStringLiteral("inside")));
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    EXPECT_EQ(doubles.messages.shown.size(), 2u);
    EXPECT_TRUE(doubles.programs.commandLines.isEmpty());
    EXPECT_TRUE(QFileInfo(pagePath()).isDir());
}

// Run by the test below in a child whose files cannot grow past 512 bytes.
TEST_F(SetSweepTest, ChildWritesThePageOnAFullDisk) {
    if (!isChildTestRun()) {
        GTEST_SKIP() << "runs only as a child of ACutPageIsNeverShown";
    }
    doubles.services.paths.userDataDir = qEnvironmentVariable("TESSORIN_TEST_DATA_DIR");
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_TRUE(doubles.messages.shown[0].text.contains(QStringLiteral("write")));
    EXPECT_TRUE(doubles.programs.commandLines.isEmpty()) << "a cut page is never shown";
}

TEST_F(SetSweepTest, ACutPageIsNeverShown) {
    runChildOnAFullDisk("*.ChildWritesThePageOnAFullDisk", "TESSORIN_TEST_DATA_DIR",
                        doubles.services.paths.userDataDir, 512);
    if (IsSkipped()) {
        return;
    }
    EXPECT_FALSE(pageExists()) << "the cut page was left behind";
}

TEST_F(SetSweepTest, NoBrowserOrAFailedStartIsReported) {
    open();
    doubles.registry.keys.clear();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    EXPECT_TRUE(doubles.programs.commandLines.isEmpty());
    EXPECT_TRUE(pageExists());

    doubles.registry.setBrowserCommand(R"("/usr/bin/test-browser" "%1")");
    doubles.programs.succeed = false;
    QTest::keyClick(count(), Qt::Key_Return);
    EXPECT_EQ(doubles.programs.commandLines.size(), 1);

    ASSERT_EQ(doubles.messages.shown.size(), 2u);
    for (const auto& message : doubles.messages.shown) {
        EXPECT_EQ(message.title, QStringLiteral("SetSweep"));
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_NE(message.text, kEmptyBoxMessage);
    }
    EXPECT_NE(doubles.messages.shown[0].text, doubles.messages.shown[1].text);
}

TEST_F(SetSweepTest, APageThatCannotBeDeletedIsReportedAndLeavingGoesOn) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));
    // A non-empty folder under the page's name resists deletion, even for root.
    ASSERT_TRUE(QFile::remove(pagePath()));
    QDir().mkpath(QDir(pagePath()).filePath(QStringLiteral("inside")));

    exitByShortcut(start());
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_TRUE(doubles.messages.shown[0].text.contains(QStringLiteral("delete")));
    EXPECT_EQ(doubles.messages.shown[0].title, QStringLiteral("SetSweep"));
    EXPECT_FALSE(window->isVisible());

    open();
    closeByCloseBox();
    EXPECT_EQ(doubles.messages.shown.size(), 2u);
    EXPECT_TRUE(window.isNull());
}

TEST_F(SetSweepTest, HowtoExplainsTheToolFromEitherBox) {
    open();
    QTest::keyClick(start(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    const auto& howto = doubles.messages.shown[0];
    EXPECT_EQ(howto.text,
              QStringLiteral("1. Enter a Lego set number in the left-hand box.\r\n"
                             "2. Enter number of sets to view in the right-hand box.\r\n"
                             "3. Hit 'Enter' or click the 'View Pics' button.\r\n"
                             "4. A browser window will open and display results.\r\n"
                             "\r\n"
                             "This program uses Internet Explorer.  No other browser "
                             "supported."));
    EXPECT_EQ(howto.icon, MessageIcon::Information);
    EXPECT_EQ(howto.buttons, MessageButtons::Ok);
    EXPECT_EQ(howto.title, QStringLiteral("SetSweep - Howto"));
    EXPECT_TRUE(start()->text().isEmpty()) << "the shortcut must not reach the box as text";

    QTest::keyClick(count(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(doubles.messages.shown.size(), 2u);
}

TEST_F(SetSweepTest, FocusComingIntoABoxSelectsItsWholeText) {
    open();
    enter(start(), QStringLiteral("1234"));
    enter(count(), QStringLiteral("56"));

    QTest::mouseClick(start(), Qt::LeftButton, {}, QPoint(3, start()->height() / 2));
    EXPECT_TRUE(start()->hasFocus());
    EXPECT_EQ(start()->selectedText(), QStringLiteral("1234"));
    QTest::keyClicks(start(), QStringLiteral("9"));
    EXPECT_EQ(start()->text(), QStringLiteral("9"));

    QTest::keyClick(start(), Qt::Key_Tab);
    EXPECT_EQ(count()->selectedText(), QStringLiteral("56"));

    // Coming back after Exit, the focus returns to the box with its text selected.
    exitByShortcut(count());
    count()->deselect();
    open();
    EXPECT_TRUE(count()->hasFocus());
    EXPECT_EQ(count()->selectedText(), QStringLiteral("56"));
}

TEST_F(SetSweepTest, WindowLayoutAndTabOrder) {
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("SetSweep"));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    EXPECT_TRUE(start()->hasFocus());
    QTest::keyClick(start(), Qt::Key_Tab);
    EXPECT_TRUE(count()->hasFocus());
    QTest::keyClick(count(), Qt::Key_Tab);
    EXPECT_TRUE(viewPics()->hasFocus());
}

TEST_F(SetSweepTest, ItsIconIsItsOwn) {
    const QIcon icon = window->windowIcon();
    EXPECT_FALSE(icon.pixmap(16).isNull());
    EXPECT_EQ(icon.pixmap(32).size(), QSize(32, 32));
    EXPECT_NE(icon.pixmap(32).toImage(), programIcon().pixmap(32).toImage());
}

TEST_F(SetSweepTest, CentredWhenFirstShownAndLeftWhereTheUserPutItAfterExit) {
    open();
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.x() - screen.x(),
              twips::toPixels(centredOffset(twips::fromPixels(screen.width()),
                                            twips::fromPixels(frame.width()))));

    window->move(screen.topLeft() + QPoint(20, 30));
    const QPoint moved = window->pos();
    exitByShortcut(start());
    open();
    EXPECT_EQ(window->pos(), moved);
}
