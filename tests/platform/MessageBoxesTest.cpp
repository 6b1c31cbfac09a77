#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "platform/messages/MessageBoxes.h"

namespace {

// The parent the real box was given, read while it is up; then it is answered with OK.
QWidget* parentOfTheBoxShownOver(QWidget& window) {
    QPointer<QWidget> parent = &window;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            poll.stop();
            parent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(5);
    platform::QtMessageBoxes messages;
    EXPECT_EQ(messages.show(&window, "Unable to open URL. Install browser first!",
                            platform::MessageIcon::None, platform::MessageButtons::Ok, "Tessorin"),
              platform::MessageAnswer::Ok);
    return parent;
}

}  // namespace

// A minimised window takes its transient boxes out of sight on most desktops.
TEST(QtMessageBoxes, ABoxOverAMinimisedWindowStandsOnItsOwn) {
    QWidget window;
    window.show();
    EXPECT_EQ(parentOfTheBoxShownOver(window), &window);
    window.showMinimized();
    EXPECT_EQ(parentOfTheBoxShownOver(window), nullptr);
}
