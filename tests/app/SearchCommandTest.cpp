#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <numeric>

#include "app/MainWindowFixture.h"
#include "app/SiteTable.h"
#include "peekshot/RecordingBrowser.h"
#include "platform/programs/WindowsCommandLine.h"
#include "tools/frmPopup.h"

using platform::MessageIcon;
using testing_doubles::ShownMessage;

namespace {

QString expectedAddress(const char* caption, const QString& query, bool withSuffix) {
    const QString name = QLatin1String(caption);
    return QStringLiteral("https://") + name + QStringLiteral("/?q=") + query +
           (withSuffix ? QStringLiteral("&") + name : QString());
}

void expectExclamation(const ShownMessage& message, const char* text) {
    EXPECT_EQ(message.text, QLatin1String(text));
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(message.title, QStringLiteral("Tessorin"));
}

}  // namespace

TEST_F(MainWindowTest, EmptyQueryIsRefusedAndTheFocusGoesBackToTheQueryBox) {
    click(box("chkbrickset"));
    box("chkbrickset")->setFocus();
    pressSearch();

    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    expectExclamation(doubles_.messages.shown[0],
                      "Please enter a search query in the search field.");
    EXPECT_EQ(QApplication::focusWidget(), query());
    EXPECT_TRUE(doubles_.programs.commandLines.isEmpty());
}

TEST_F(MainWindowTest, NoSiteTickedIsRefusedAndTheFocusStaysPut) {
    typeQuery(QStringLiteral("10179"));
    box("chkmin")->setFocus();
    QTest::keyClick(box("chkmin"), Qt::Key_Return);

    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    expectExclamation(doubles_.messages.shown[0], "Please select at least one search site.");
    EXPECT_EQ(QApplication::focusWidget(), box("chkmin"));
    EXPECT_FALSE(box("chkmin")->isChecked()) << "Enter runs Search, it does not toggle";
}

TEST_F(MainWindowTest, OneBlankIsAQueryAndOneSiteOpensWithoutAsking) {
    typeQuery(QStringLiteral(" "));
    click(box("chkpeeron"));
    pressSearch();

    EXPECT_TRUE(doubles_.messages.shown.empty());
    EXPECT_FALSE(warningWasShown());
    EXPECT_EQ(openedAddresses(),
              QStringList{expectedAddress("Peeron", QStringLiteral(" "), false)});
}

TEST_F(MainWindowTest, TwoSitesOpenOnlyWhenTheWarningIsAnsweredYes) {
    typeQuery(QStringLiteral("10179 falcon"));
    click(box("chkbrickset"));
    click(box("chkbricklink"));

    answerWarningWith("cmdno");
    pressSearch();
    EXPECT_TRUE(warningWasShown());
    EXPECT_EQ(window().warning().answerText(), QStringLiteral("7"));
    EXPECT_TRUE(doubles_.programs.commandLines.isEmpty());

    answerWarningWith("cmdyes");
    pressSearch();
    EXPECT_EQ(window().warning().answerText(), QStringLiteral("6"));
    EXPECT_EQ(openedAddresses(),
              (QStringList{expectedAddress("Bricklink", QStringLiteral("10179 falcon"), false),
                           expectedAddress("Brickset", QStringLiteral("10179 falcon"), false)}));
}

TEST_F(MainWindowTest, DoNotShowWithNoOpensNothingNowAndSkipsTheWarningNextTime) {
    typeQuery(QStringLiteral("6080"));
    click(box("chklego"));
    click(box("chklugnet"));
    click(box("chkmin"));

    answerWarningWith("cmdno", /*tickDontShow=*/true);
    pressSearch();
    EXPECT_TRUE(doubles_.programs.commandLines.isEmpty());
    EXPECT_FALSE(window().isMinimized()) << "a refused search does not minimise";
    EXPECT_TRUE(window().warning().ui().chkdontshow->isChecked());
    EXPECT_TRUE(window().warning().isHidden());

    pressSearch();  // no dialog comes up now; a modal would block this call
    EXPECT_EQ(openedAddresses().size(), 2);
    EXPECT_TRUE(window().isMinimized());
}

// Esc does nothing; only the title bar's close box throws the dialog away.
TEST_F(MainWindowTest, ClosingTheWarningOpensNothingAndForgetsItsBox) {
    typeQuery(QStringLiteral("6080"));
    click(box("chklego"));
    click(box("chklugnet"));
    bool keptThroughEsc = false;
    QTimer::singleShot(20, [&keptThroughEsc] {
        if (auto* dialog = qobject_cast<frmwarning*>(QApplication::activeModalWidget())) {
            dialog->ui().chkdontshow->setChecked(true);
            QTest::keyClick(dialog->ui().chkdontshow, Qt::Key_Escape);
            keptThroughEsc = dialog->isVisible() && dialog->ui().chkdontshow->isChecked();
            dialog->close();
        }
    });
    pressSearch();
    EXPECT_TRUE(keptThroughEsc) << "Esc left the dialog and its tick as they were";
    EXPECT_TRUE(doubles_.programs.commandLines.isEmpty());
    EXPECT_TRUE(window().warning().answerText().isEmpty());
    EXPECT_FALSE(window().warning().ui().chkdontshow->isChecked());

    answerWarningWith("cmdyes");
    pressSearch();
    EXPECT_TRUE(warningWasShown()) << "a fresh dialog asks again";
    EXPECT_EQ(openedAddresses().size(), 2);
}

// A browser that takes one address a start gets sixteen, each handed on before the next
// begins; one that takes a list gets all sixteen in one start. The sites' order either way,
// and the query's "&", "#" and "+" encoded, so each site receives it as typed.
TEST_F(MainWindowTest, AllSixteenSitesOpenInDispatchOrderWithTheirSuffixes) {
    typeQuery(QStringLiteral("  star & destroyer #1+ "));
    triggerMenu("Checkall");
    window().warning().ui().chkdontshow->setChecked(true);
    pressSearch();

    // Written out, not taken from the site table: a wrong row there must fail here.
    const QString q = QStringLiteral("  star %26 destroyer %231%2B ");
    const QStringList expected{"https://AuctionBrick/?q=" + q + "&AuctionBrick",
                               "https://BI Portal/?q=" + q,
                               "https://Bricklink/?q=" + q,
                               "https://BL Catalog/?q=" + q,
                               "https://Brickset/?q=" + q,
                               "https://Brickshelf/?q=" + q + "&Brickshelf",
                               "https://ebay.co.uk/?q=" + q + "&ebay.co.uk",
                               "https://ebay.com/?q=" + q + "&ebay.com",
                               "https://ebay.com/au/?q=" + q + "&ebay.com/au",
                               "https://ebay.de/?q=" + q + "&ebay.de",
                               "https://ebay.fr/?q=" + q + "&ebay.fr",
                               "https://LEGO/?q=" + q,
                               "https://Lugnet/?q=" + q,
                               "https://Lugnet News/?q=" + q,
                               "https://MISBI/?q=" + q,
                               "https://Peeron/?q=" + q};
    EXPECT_EQ(openedAddresses(), expected);
    std::vector<qsizetype> eachStart(16);
    std::iota(eachStart.begin(), eachStart.end(), 1);
    EXPECT_EQ(doubles_.programs.waitedAfter, eachStart) << "each start handed on before the next";

    doubles_.programs.commandLines.clear();
    doubles_.programs.waitedAfter.clear();
    doubles_.registry.setBrowserCommand(R"("/usr/bin/test-browser" %*)");
    pressSearch();
    ASSERT_EQ(doubles_.programs.commandLines.size(), 1);
    EXPECT_EQ(platform::splitWindowsCommandLine(doubles_.programs.commandLines[0]),
              QStringList{"/usr/bin/test-browser"} + expected);
    EXPECT_EQ(doubles_.programs.waitedAfter, std::vector<qsizetype>{1});
}

TEST_F(MainWindowTest, MinimiseComesBeforeTheBrowserStarts) {
    typeQuery(QStringLiteral("10179"));
    click(box("chkbrickshelf"));
    click(box("chkmin"));
    bool minimisedAtStart = false;
    doubles_.programs.onStart = [&] { minimisedAtStart = window().isMinimized(); };
    pressSearch();
    EXPECT_TRUE(minimisedAtStart);
}

namespace {

// Counts the times the window is activated anew.
struct ActivationCounter final : QObject {
    explicit ActivationCounter(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::WindowActivate ? 1 : 0;
        return false;
    }
    int count = 0;
};

}  // namespace

// Where the window system keeps no minimised state (Wayland), isMinimized() turns false
// while the browsers start: the window's own record still keeps the focus from coming back.
TEST_F(MainWindowTest, FocusComesBackOnlyToAWindowTheSearchDidNotMinimise) {
    typeQuery(QStringLiteral("10179"));
    click(box("chkbrickset"));
    click(box("chkpeeron"));
    window().warning().ui().chkdontshow->setChecked(true);
    pressSearch();
    // Before the second start; never after the last.
    EXPECT_EQ(doubles_.focus.askedFor, std::vector<QWidget*>(1, &window()));

    doubles_.focus.askedFor.clear();
    click(box("chkmin"));
    ActivationCounter activations(window());
    doubles_.programs.onStart = [&] {
        window().setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents();
    };
    pressSearch();
    const bool restoringActivates = activations.count > 0;
    EXPECT_EQ(openedAddresses().size(), 4);
    // Windows restores a window by activating it, as the user's own restore does: then
    // it is an ordinary window again, and the loss of the state alone cannot be shown.
    if (!restoringActivates) {
        EXPECT_TRUE(doubles_.focus.askedFor.empty());
    }
    doubles_.focus.askedFor.clear();

    // Once the user comes back to the window from another it is an ordinary one again.
    doubles_.programs.onStart = nullptr;
    click(box("chkmin"));
    QWidget browser;
    browser.show();
    browser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
    window().showNormal();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    pressSearch();
    EXPECT_EQ(doubles_.focus.askedFor, std::vector<QWidget*>(1, &window()));
}

TEST_F(MainWindowTest, ABoxUntickedWhileSitesOpenIsSkipped) {
    typeQuery(QStringLiteral("10179"));
    click(box("chkauctionbrick"));
    click(box("chkpeeron"));
    window().warning().ui().chkdontshow->setChecked(true);
    // The first start lets events run; the user unticks Peeron in that moment.
    doubles_.programs.onStart = [&] { box("chkpeeron")->setChecked(false); };
    pressSearch();
    EXPECT_EQ(openedAddresses().size(), 1);
}

// Sites whose start failed or went unanswered are named once, after the rest went.
TEST_F(MainWindowTest, SitesThatDidNotReachTheBrowserAreNamedOnceAfterTheSearch) {
    using platform::HandOverOutcome;
    typeQuery(QStringLiteral("10179"));
    for (const char* name : {"chkauctionbrick", "chkbiportal", "chkbrickset", "chkpeeron"}) {
        click(box(name));
    }
    window().warning().ui().chkdontshow->setChecked(true);
    doubles_.programs.handOvers = {HandOverOutcome::HandedOn, HandOverOutcome::NoAnswer};
    doubles_.programs.onStart = [&] {
        doubles_.programs.succeed = doubles_.programs.commandLines.size() != 3;
    };
    pressSearch();
    EXPECT_EQ(openedAddresses().size(), 4) << "the sites after a failure still go";
    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    expectExclamation(doubles_.messages.shown[0],
                      "These sites did not reach the web browser: BI Portal, Brickset.\r\n\r\n"
                      "The browser could not be started, or it did not answer within a minute. "
                      "Check that your default web browser works, then search again.");

    doubles_.messages.shown.clear();
    doubles_.programs.onStart = nullptr;
    doubles_.programs.succeed = true;
    pressSearch();
    EXPECT_TRUE(doubles_.messages.shown.empty()) << "a search that reached everything";
}

TEST_F(MainWindowTest, WithoutABrowserEverySiteSaysSo) {
    doubles_.registry.keys.clear();
    typeQuery(QStringLiteral("10179"));
    click(box("chkbrickset"));
    pressSearch();
    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    EXPECT_EQ(doubles_.messages.shown[0].text,
              QStringLiteral("Unable to open URL. Install browser first!"));
    EXPECT_TRUE(doubles_.programs.commandLines.isEmpty());
}

namespace {

frmPopup* shownPopup() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* popup = qobject_cast<frmPopup*>(window); popup && popup->isVisible()) {
            return popup;
        }
    }
    return nullptr;
}

}  // namespace

TEST_F(MainWindowTest, PeekShotShowsOnePopupThatKeepsItsFirstSetUntilClosed) {
    RecordingBrowserFactory views;
    doubles_.browsers.available = &views;
    click(box("chkmin"));
    click(box("chkpic"));
    typeQuery(QStringLiteral("6399 Airport"));
    pressSearch();

    EXPECT_FALSE(warningWasShown()) << "PeekShot counts as one site";
    EXPECT_TRUE(doubles_.programs.commandLines.isEmpty());
    EXPECT_TRUE(window().isMinimized());
    QPointer<frmPopup> first = shownPopup();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->StartingAddress, QStringLiteral("https://peekshot/set/6399 Airport"));
    ASSERT_TRUE(views.last);
    EXPECT_EQ(views.last->addresses, QStringList{first->StartingAddress});

    // While it is open, another search only brings it back as it was.
    typeQuery(QStringLiteral("10179"));
    pressSearch();
    EXPECT_EQ(shownPopup(), first.data());
    EXPECT_EQ(first->StartingAddress, QStringLiteral("https://peekshot/set/6399 Airport"));
    EXPECT_EQ(views.last->addresses.size(), 1);

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    pressSearch();
    frmPopup* second = shownPopup();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->StartingAddress, QStringLiteral("https://peekshot/set/10179"));
    EXPECT_EQ(views.last->addresses, QStringList{second->StartingAddress});
    EXPECT_TRUE(doubles_.messages.shown.empty());
}

TEST_F(MainWindowTest, PeekShotWithoutAWebViewSaysSoAndTheWindowGoesOn) {
    click(box("chkpic"));
    typeQuery(QStringLiteral("6399"));
    pressSearch();

    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    EXPECT_EQ(doubles_.messages.shown[0].title, QStringLiteral("Tessorin"));
    EXPECT_EQ(shownPopup(), nullptr);

    // The main use still works afterwards.
    click(box("chkbrickset"));
    pressSearch();
    EXPECT_EQ(openedAddresses().size(), 1);
}

TEST_F(MainWindowTest, EnterInTheWarningPressesOnlyTheFocusedButton) {
    typeQuery(QStringLiteral("10179"));
    click(box("chkbrickset"));
    click(box("chkbricklink"));

    // The dialog opens with the focus on its check box: Enter there must answer nothing.
    // Tab then reaches Yes, and Enter presses it.
    bool stillOpenAfterEnter = false;
    QTimer::singleShot(20, [&stillOpenAfterEnter] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        stillOpenAfterEnter = dialog->isVisible();
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    pressSearch();

    EXPECT_TRUE(stillOpenAfterEnter);
    EXPECT_EQ(window().warning().answerText(), QStringLiteral("6"));
    EXPECT_EQ(openedAddresses().size(), 2);
}
