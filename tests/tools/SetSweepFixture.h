#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "support/Doubles.h"
#include "tools/frmsetsweep.h"

// One SetSweep window over the test doubles, driven through its real widgets the way
// the main window opens it.
class SetSweepTest : public ::testing::Test {
  protected:
    SetSweepTest() { window = new frmsetsweep(doubles.services); }
    ~SetSweepTest() override { delete window.data(); }

    void open() {
        window->show();
        window->raise();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        // The offscreen platform keeps its focus window across a hide and show, so Qt
        // never hears of the reactivation a window manager would report.
        if (!window->isActiveWindow()) {
            QApplication::setActiveWindow(window);
        }
        // On Windows the focus comes in a message of its own, after the activation.
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
    }

    // After the close box, the window is gone once deferred deletions have run.
    void closeByCloseBox() {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void reopenAfterClose() {
        ASSERT_TRUE(window.isNull());
        window = new frmsetsweep(doubles.services);
        open();
    }

    QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QLineEdit* start() const { return box("txtStart"); }
    QLineEdit* count() const { return box("txtNbrSets"); }
    QPushButton* viewPics() const { return window->findChild<QPushButton*>("Command1"); }

    // Replaces the box's text the way a user does: focus in (selecting it all), type.
    void enter(QLineEdit* target, const QString& text) {
        target->setFocus(Qt::TabFocusReason);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
    }

    // Text with characters a key press cannot put in a box (a tab moves the focus)
    // arrives the way a paste does.
    void paste(QLineEdit* target, const QString& text) {
        target->setFocus(Qt::TabFocusReason);
        target->selectAll();
        target->insert(text);
    }

    void viewPicsWith(const QString& rangeStart, const QString& setCount) {
        enter(start(), rangeStart);
        enter(count(), setCount);
        QTest::mouseClick(viewPics(), Qt::LeftButton);
    }

    // Where the page is expected on this host, in its own form: the per-user data folder.
    QString pagePath() const {
        return QDir::toNativeSeparators(
            QDir(doubles.services.paths.userDataDir).filePath(QStringLiteral("script.html")));
    }

    QByteArray pageOnDisk() const {
        QFile file(pagePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool pageExists() const { return QFile::exists(pagePath()); }

    void putFile(const QString& path, const QByteArray& content) const {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    testing_doubles::TestServices doubles;
    QPointer<frmsetsweep> window;
};
