#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "about/frmAbout.h"
#include "support/Doubles.h"

using platform::MessageIcon;

namespace {

const QString kNoEggs = QStringLiteral("There are no Easter Eggs in this program!!!");

class AboutTest : public ::testing::Test {
  protected:
    AboutTest() {
        box = new frmAbout(doubles.services);
        box->show();
        box->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
    }
    ~AboutTest() override { delete box.data(); }

    QWidget* picture() const { return box->findChild<QWidget*>("Picture1"); }
    QPushButton* hiddenButton() const { return box->findChild<QPushButton*>("Command1"); }

    void doubleClickPicture() { QTest::mouseDClick(picture(), Qt::LeftButton); }

    // Key presses on the picture as X11 reports them: the press of a modifier key
    // carries only the modifiers that were already down.
    void holdShiftThenCtrl() {
        QTest::keyPress(picture(), Qt::Key_Shift);
        QTest::keyPress(picture(), Qt::Key_Control, Qt::ShiftModifier);
    }

    int eggMessages() const {
        int count = 0;
        for (const auto& message : doubles.messages.shown) {
            count += message.text == kNoEggs ? 1 : 0;
        }
        return count;
    }

    testing_doubles::TestServices doubles;
    QPointer<frmAbout> box;
};

}  // namespace

TEST_F(AboutTest, DoubleClickWithoutKeysShowsNothing) {
    ASSERT_TRUE(picture()->hasFocus()) << "the picture takes the focus when the box opens";
    doubleClickPicture();
    QTest::mouseClick(picture(), Qt::LeftButton);
    EXPECT_TRUE(doubles.messages.shown.empty());
}

TEST_F(AboutTest, ShiftAndCtrlHeldArmTheEggOnceWhicheverComesFirst) {
    holdShiftThenCtrl();
    doubleClickPicture();
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    const auto& egg = doubles.messages.shown[0];
    EXPECT_EQ(egg.text, kNoEggs);
    EXPECT_EQ(egg.icon, MessageIcon::Information);
    EXPECT_EQ(egg.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(egg.title, QStringLiteral("Tessorin - Easter Egg"));

    // Disarmed after the message, though the keys are still down.
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 1);

    // Ctrl first, and the press of a modifier as Windows reports it (with itself).
    QTest::keyRelease(picture(), Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(picture(), Qt::Key_Shift);
    QTest::keyPress(picture(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyPress(picture(), Qt::Key_Shift, Qt::ShiftModifier | Qt::ControlModifier);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 2);
}

TEST_F(AboutTest, AutoRepeatOfTheHeldKeysArmsAgain) {
    holdShiftThenCtrl();
    doubleClickPicture();
    ASSERT_EQ(eggMessages(), 1);

    // X11 delivers auto-repeat as a release and a press, both marked as repeats.
    const auto mods = Qt::ShiftModifier | Qt::ControlModifier;
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Control, mods, QString(), true);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Control, mods, QString(), true);
    QApplication::sendEvent(picture(), &repeatUp);
    QApplication::sendEvent(picture(), &repeatDown);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 2);
}

// Alt makes the shift state other than Shift+Ctrl: such a press arms nothing, and one made
// while armed changes nothing either. Meta is no part of the shift state. Raw presses, as
// X11 reports them: QTest would press the modifier keys one by one first.
TEST_F(AboutTest, OnlyAPressInExactlyShiftAndCtrlArmsAndOthersLeaveItBe) {
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers held) {
        QKeyEvent event(QEvent::KeyPress, key, held);
        QApplication::sendEvent(picture(), &event);
    };
    const auto shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    press(Qt::Key_A, shiftCtrl | Qt::AltModifier);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 0);

    holdShiftThenCtrl();
    press(Qt::Key_Alt, shiftCtrl);
    press(Qt::Key_B, shiftCtrl | Qt::AltModifier);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 1) << "presses in another state leave it armed";

    press(Qt::Key_Meta, shiftCtrl);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 2) << "Meta with Shift and Ctrl is Shift+Ctrl";
}

TEST_F(AboutTest, AnyKeyGoingUpDisarms) {
    holdShiftThenCtrl();
    QTest::keyPress(picture(), Qt::Key_X, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyRelease(picture(), Qt::Key_X, Qt::ShiftModifier | Qt::ControlModifier);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 0);
}

TEST_F(AboutTest, OnlyThePictureOwnKeysCount) {
    QTest::keyClick(picture(), Qt::Key_Tab);
    ASSERT_TRUE(hiddenButton()->hasFocus());
    QTest::keyPress(hiddenButton(), Qt::Key_Control, Qt::ShiftModifier);
    doubleClickPicture();
    EXPECT_EQ(eggMessages(), 0);
}

TEST_F(AboutTest, TheHiddenButtonIsReachedByTabAndPressedByEnterOrSpace) {
    EXPECT_FALSE(box->rect().intersects(hiddenButton()->geometry())) << "out of sight";
    QTest::keyClick(picture(), Qt::Key_Tab);
    ASSERT_TRUE(hiddenButton()->hasFocus());
    QTest::keyClick(hiddenButton(), Qt::Key_Return);
    QTest::keyClick(hiddenButton(), Qt::Key_Enter);
    QTest::keyClick(hiddenButton(), Qt::Key_Space);

    ASSERT_EQ(doubles.messages.shown.size(), 3u);
    const QStringList lines = doubles.messages.shown[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("Ok, you found it!  You must be a true geek!"));
    EXPECT_EQ(lines[5], QStringLiteral("3 Easter eggs and 1 hidden feature.  -Vek"));
    EXPECT_TRUE(lines[6].contains(u'@'));
    EXPECT_EQ(doubles.messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(doubles.messages.shown[0].title, QStringLiteral("Tessorin"));

    // Tab goes round to the picture again.
    QTest::keyClick(hiddenButton(), Qt::Key_Tab);
    EXPECT_TRUE(picture()->hasFocus());
}

TEST_F(AboutTest, ABoxDraggedLargeShowsTheButtonToClick) {
    box->resize(1100, 800);
    ASSERT_TRUE(box->rect().contains(hiddenButton()->geometry()));
    QTest::mouseClick(hiddenButton(), Qt::LeftButton);
    ASSERT_EQ(doubles.messages.shown.size(), 1u);
    EXPECT_EQ(doubles.messages.shown[0].title, QStringLiteral("Tessorin"));
}

TEST_F(AboutTest, LayoutOfTheBox) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About Tessorin"));
    EXPECT_NE(box->minimumSize(), box->maximumSize()) << "sizable";
    EXPECT_FALSE(box->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    auto* version = box->findChild<QLabel*>("Label1");
    auto* credit = box->findChild<QLabel*>("Label2");
    ASSERT_TRUE(version && credit);
    EXPECT_LE(credit->fontMetrics().horizontalAdvance(credit->text()), credit->width())
        << "the credit line fits its label in " << credit->font().toString().toStdString() << ", "
        << QFontInfo(credit->font()).family().toStdString();
}

TEST_F(AboutTest, ClosingDestroysTheBox) {
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull());
}
