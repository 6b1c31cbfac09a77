#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QStyleHints>
#include <algorithm>

#include "about/frmAbout.h"
#include "app/MainWindowFixture.h"

using platform::MessageAnswer;

TEST_F(MainWindowTest, HowtoShowsItsTextExactly) {
    QTest::keyClick(&window(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    const auto& message = doubles_.messages.shown[0];
    EXPECT_EQ(message.title, QStringLiteral("Tessorin - Howto"));
    EXPECT_EQ(message.icon, platform::MessageIcon::Information);
    EXPECT_EQ(
        message.text.toUtf8(),
        QByteArray(
            "1. Enter Lego set number, set name, phrase, or keyword into the search box.\r\n"
            "2. Click which websites you would like to include in your search.\r\n"
            "3. Hit 'Enter' or click the 'Search' button.\r\n"
            "4. A browser window will open for each website you chose and display results.\r\n"
            "\r\n"
            "To save your search settings, use \"Save Current Settings\" in the File Menu.\r\n"
            "To load default settings, use \"Load Default Settings\" in the File Menu."));
}

TEST_F(MainWindowTest, ExitWithoutSaveConfirmAsksNothing) {
    triggerMenu("Exit");
    EXPECT_TRUE(doubles_.messages.shown.empty());
    EXPECT_EQ(doubles_.endProgramCalls, 1);
    EXPECT_TRUE(settingsBytes().isEmpty());
}

TEST_F(MainWindowTest, ClosingWithSaveConfirmAsksOnceAndSavesOnYes) {
    writeSettings("[Tessorin]\r\nShow Save Confirm=True\r\nPeeron=True\r\n");
    doubles_.messages.answers.push_back(MessageAnswer::Yes);
    window().close();

    ASSERT_EQ(doubles_.messages.shown.size(), 1u);
    EXPECT_EQ(doubles_.messages.shown[0].text,
              QStringLiteral("Do you want to save your current settings?"));
    EXPECT_EQ(doubles_.messages.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(doubles_.messages.shown[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(doubles_.endProgramCalls, 1);
    EXPECT_TRUE(settingsBytes().contains("Show Save Confirm=True"));
    EXPECT_TRUE(settingsBytes().contains("Brickset=False"));
}

TEST_F(MainWindowTest, ExitWithSaveConfirmAnsweredNoSavesNothing) {
    const QByteArray before = "[Tessorin]\r\nShow Save Confirm=True\r\n";
    writeSettings(before);
    doubles_.messages.answers.push_back(MessageAnswer::No);
    QTest::keyClick(query(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(doubles_.messages.shown.size(), 1u);
    EXPECT_EQ(doubles_.endProgramCalls, 1);
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(MainWindowTest, MenuShortcutsWinOverTheQueryBoxEditingKeys) {
    typeQuery(QStringLiteral("falcon"));
    query()->selectAll();

    QTest::keyClick(query(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(query()->text(), QStringLiteral("falcon")) << "Ctrl+X must not cut";
    EXPECT_EQ(doubles_.endProgramCalls, 1);

    writeSettings("[Tessorin]\r\nLego=True\r\n");
    QTest::keyClick(query(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(box("chklego")->isChecked()) << "Ctrl+C loads the custom profile";

    QTest::keyClick(query(), Qt::Key_A, Qt::ControlModifier);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
        return qobject_cast<frmAbout*>(w) && w->isVisible();
    })) << "Ctrl+A opens the About box";
}

// Search is the default button, and Enter runs it once from wherever the focus is.
TEST_F(MainWindowTest, EnterFromACheckBoxRunsSearch) {
    EXPECT_TRUE(window().ui().cmdView->isDefault());
    typeQuery(QStringLiteral("7140"));
    click(box("chkbricklinkcat"));
    QTest::keyClick(box("chkbricklinkcat"), Qt::Key_Return);
    EXPECT_EQ(openedAddresses().size(), 1);
    EXPECT_TRUE(box("chkbricklinkcat")->isChecked());
    window().ui().cmdView->setFocus();
    QTest::keyClick(window().ui().cmdView, Qt::Key_Return);
    EXPECT_EQ(openedAddresses().size(), 2) << "once, not once for the shortcut and once more";
}

TEST_F(MainWindowTest, FocusIntoTheQueryBoxSelectsItsText) {
    typeQuery(QStringLiteral("old query"));
    window().ui().cmdView->setFocus();
    QTest::keyClick(window().ui().cmdView, Qt::Key_Backtab);
    EXPECT_EQ(query()->selectedText(), QStringLiteral("old query"));
    QTest::keyClicks(query(), QStringLiteral("new"));
    EXPECT_EQ(query()->text(), QStringLiteral("new"));
}

// Copy from the box's own menu copies what the user selected, and Paste replaces only
// that; the menu names no key that this window gives to a menu command.
TEST_F(MainWindowTest, TheQueryBoxContextMenuKeepsTheSelectionAndPromisesNoMenuKeys) {
    QGuiApplication::styleHints()->setShowShortcutsInContextMenus(true);  // as desktops do
    typeQuery(QStringLiteral("10179 falcon"));
    query()->setSelection(6, 6);
    const auto openMenu = [this] {
        QContextMenuEvent press(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                query()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(query(), &press);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr);
        return menu;
    };
    const auto choose = [](QMenu* menu, const char* caption) {
        for (QAction* action : menu->actions()) {
            if (action->text().remove(u'&').startsWith(QLatin1String(caption))) {
                action->trigger();
            }
        }
        menu->close();
        QCoreApplication::processEvents();
    };

    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    QStringList shortcuts;
    for (const QAction* action : menu->actions()) {
        shortcuts << action->text().section(u'\t', 1);
    }
    for (const char* key : {"Ctrl+X", "Ctrl+C", "Ctrl+A"}) {
        EXPECT_FALSE(shortcuts.contains(QLatin1String(key))) << key;
    }
    EXPECT_TRUE(shortcuts.contains(QStringLiteral("Ctrl+V"))) << "Paste keeps its own key";
    choose(menu, "Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("falcon"));
    EXPECT_EQ(query()->selectedText(), QStringLiteral("falcon")) << "still only the word";

    QGuiApplication::clipboard()->setText(QStringLiteral("hawk"));
    query()->setSelection(6, 6);
    choose(openMenu(), "Paste");
    EXPECT_EQ(query()->text(), QStringLiteral("10179 hawk"));

    // Coming back from another window is no new choice of the box either.
    query()->setSelection(0, 5);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_TRUE(query()->hasFocus());
    EXPECT_EQ(query()->selectedText(), QStringLiteral("10179"));
}

TEST_F(MainWindowTest, TabRunsDownTheColumnsAndPassesMisbiBy) {
    query()->setFocus();
    QStringList visited;
    for (int step = 0; step < 19; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited,
              (QStringList{"cmdView", "chkauctionbrick", "chkbiportal", "chkbricklink",
                           "chkbricklinkcat", "chkbrickset", "chkbrickshelf", "chkebayuk",
                           "chkebay", "chkebayau", "chkebayde", "chkebayfr", "chklego", "chklugnet",
                           "chklugnetnews", "chkpeeron", "chkpic", "chkmin", "txtsearch"}));
}

TEST_F(MainWindowTest, BoxesOverTheFrameShowAndTakeClicks) {
    for (const char* name : {"chkbrickset", "chklugnet"}) {
        QCheckBox* target = box(name);
        EXPECT_EQ(target->parentWidget(), window().centralWidget()) << name;
        const QPoint middle = target->geometry().center();
        EXPECT_EQ(window().centralWidget()->childAt(middle), target) << name << " is covered";
        click(target);
        EXPECT_TRUE(target->isChecked()) << name;
    }
}

TEST_F(MainWindowTest, WindowHasFixedSizeAndNoMaximiseButton) {
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Tessorin v1.61"));
}
