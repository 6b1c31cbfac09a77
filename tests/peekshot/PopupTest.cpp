#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "peekshot/RecordingBrowser.h"
#include "support/Doubles.h"
#include "tools/frmPopup.h"

namespace {

const QString kPrefix = QStringLiteral("https://guide.lugnet.com/set/");

bool anyPopupWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<frmPopup*>(window)) {
            return true;
        }
    }
    return false;
}

class PeekShotPopup : public ::testing::Test {
  protected:
    PeekShotPopup() { fakes.browsers.available = &factory; }

    frmPopup* open(const QString& query, const QString& prefix = kPrefix) {
        popup = frmPopup::create(fakes.services, prefix, query);
        return popup;
    }

    ~PeekShotPopup() override {
        delete popup.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing_doubles::TestServices fakes;
    RecordingBrowserFactory factory;
    QPointer<frmPopup> popup;
};

TEST_F(PeekShotPopup, IsAFreeStandingSizableWindowWithoutMinimiseOrMaximise) {
    ASSERT_NE(open(QStringLiteral("6399")), nullptr);
    EXPECT_TRUE(popup->isWindow());
    EXPECT_EQ(popup->parentWidget(), nullptr);
    EXPECT_EQ(popup->windowTitle(), QStringLiteral("Tessorin - Lugnet Set Popup"));
    const Qt::WindowFlags flags = popup->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(popup->minimumSize(), popup->maximumSize());
    EXPECT_FALSE(popup->windowIcon().isNull());
    EXPECT_TRUE(popup->testAttribute(Qt::WA_DeleteOnClose));
    // 3360 x 4260 twips of client area, the page at 0, 0, 3375 x 4250 twips.
    EXPECT_EQ(popup->size(), QSize(224, 284));
    ASSERT_TRUE(factory.last);
    EXPECT_EQ(factory.last->parentWidget(), popup.data());
    EXPECT_EQ(factory.last->geometry(), QRect(0, 0, 225, 283));
}

// The query stands in the page's path: what would end or split the path is encoded, the
// blanks and the rest stay as typed.
TEST_F(PeekShotPopup, SendsTheBrowserOnceToThePrefixFollowedByTheQueryAsTyped) {
    const QString query = QStringLiteral("  6399 Airport/Shuttle & 10th?%20 #1+;é ");
    const QString inPath = QStringLiteral("  6399 Airport%2FShuttle %26 10th%3F%2520 %231%2B%3Bé ");
    ASSERT_NE(open(query), nullptr);
    EXPECT_EQ(popup->StartingAddress, kPrefix + inPath);
    ASSERT_TRUE(factory.last);
    EXPECT_EQ(factory.last->addresses, QStringList{kPrefix + inPath});
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(PeekShotPopup, AnEmptyPrefixLeavesTheQueryAlone) {
    ASSERT_NE(open(QStringLiteral("6399 "), QString()), nullptr);
    EXPECT_EQ(popup->StartingAddress, QStringLiteral("6399 "));
    EXPECT_EQ(factory.last->addresses, QStringList{QStringLiteral("6399 ")});
}

TEST_F(PeekShotPopup, IsCentredOnTheScreenAtItsDesignedSize) {
    ASSERT_NE(open(QStringLiteral("6399")), nullptr);
    const QRect screen = popup->screen()->geometry();
    // Free space in twips, halved toward zero, back to pixels.
    const auto centred = [](int screenPixels, int windowPixels) {
        return static_cast<int>(std::lround((screenPixels * 15 - windowPixels * 15) / 2 / 15.0));
    };
    // The whole window is centred, with the frame the window system gives it (none offscreen).
    const QWindow* handle = popup->windowHandle();
    const QSize outer = QSize(224, 284).grownBy(handle ? handle->frameMargins() : QMargins());
    EXPECT_EQ(popup->pos(), screen.topLeft() + QPoint(centred(screen.width(), outer.width()),
                                                      centred(screen.height(), outer.height())));
    EXPECT_EQ(popup->size(), QSize(224, 284));
}

TEST_F(PeekShotPopup, ThePageKeepsItsDesignedSizeWhenTheWindowIsResized) {
    ASSERT_NE(open(QStringLiteral("6399")), nullptr);
    popup->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    for (const QSize size : {QSize(600, 500), QSize(120, 90)}) {
        popup->resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(popup->size(), size);
        EXPECT_EQ(factory.last->geometry(), QRect(0, 0, 225, 283));
    }
}

TEST_F(PeekShotPopup, ClosingItDestroysTheWindowAndItsBrowser) {
    ASSERT_NE(open(QStringLiteral("6399")), nullptr);
    popup->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const QPointer<RecordingBrowser> browser = factory.last;
    popup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull());
    EXPECT_TRUE(browser.isNull());

    // The next search starts afresh with its own query.
    ASSERT_NE(open(QStringLiteral("10159")), nullptr);
    EXPECT_EQ(factory.last->addresses, QStringList{kPrefix + QStringLiteral("10159")});
}

TEST_F(PeekShotPopup, WithoutAWebViewSaysWhyAndOpensNothing) {
    fakes.browsers.available = nullptr;
    EXPECT_EQ(open(QStringLiteral("6399")), nullptr);
    EXPECT_EQ(fakes.browsers.calls, 1);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    const testing_doubles::ShownMessage& message = fakes.messages.shown.front();
    EXPECT_EQ(message.title, QStringLiteral("Tessorin"));
    EXPECT_EQ(message.icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(message.buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(message.text.contains(QStringLiteral("(test double)")))
        << message.text.toStdString();
    EXPECT_FALSE(anyPopupWindow());
}

TEST_F(PeekShotPopup, AViewThatCannotBeMadeIsReportedAndLeavesNoWindow) {
    factory.canCreate = false;
    EXPECT_EQ(open(QStringLiteral("6399")), nullptr);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown.front().icon, platform::MessageIcon::Exclamation);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(anyPopupWindow());
}

TEST_F(PeekShotPopup, ShowsTheBusyPointerWhileTheWebViewLoadsAndNotOverAMessage) {
    ASSERT_NE(open(QStringLiteral("6080")), nullptr);
    EXPECT_EQ(factory.pointerWhileCreating, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    delete popup.data();  // the fixture deletes only the last popup it opened

    bool busyOverMessage = true;
    fakes.messages.whileShown = [&] {
        busyOverMessage = QGuiApplication::overrideCursor() != nullptr;
    };
    factory.canCreate = false;
    EXPECT_EQ(open(QStringLiteral("6080")), nullptr);
    EXPECT_FALSE(busyOverMessage);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
