#include <gtest/gtest.h>

#include <QAccessible>
#include <QStringList>
#include <memory>

#include "about/frmAbout.h"
#include "app/frmTessorin.h"
#include "app/frmwarning.h"
#include "peekshot/RecordingBrowser.h"
#include "support/Doubles.h"
#include "support/QtPrinting.h"
#include "tools/frmPopup.h"
#include "tools/frmsetsweep.h"
#include "ui/AccessibleRole.h"

namespace {

// The controls a screen reader would reach with the keyboard yet could only call by
// their kind ("edit", "picture"), because they have no name. Counts what it looked at,
// so a window with nothing to look at cannot pass unnoticed.
QStringList unnamedControls(QWidget& window, int& looked) {
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        ++looked;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QString::fromLatin1(control->metaObject()->className()) + ' ' +
                           control->objectName();
        }
    }
    return unnamed;
}

}  // namespace

TEST(AccessibleNames, EveryControlTheKeyboardReachesInEveryWindowHasOne) {
    testing_doubles::TestServices doubles;
    RecordingBrowserFactory pages;
    doubles.browsers.available = &pages;

    frmTessorin main(doubles.services);
    frmsetsweep setSweep(doubles.services);
    frmAbout about(doubles.services);
    std::unique_ptr<frmPopup> popup(
        frmPopup::create(doubles.services, QStringLiteral("https://peekshot/"), "6399"));
    ASSERT_TRUE(popup && pages.last);
    // A real web view takes the focus; the stand-in must as well, to be looked at.
    pages.last->setFocusPolicy(Qt::StrongFocus);

    for (QWidget* window :
         std::initializer_list<QWidget*>{&main, &main.warning(), &setSweep, &about, popup.get()}) {
        int looked = 0;
        EXPECT_EQ(unnamedControls(*window, looked), QStringList())
            << window->windowTitle().toStdString();
        EXPECT_GT(looked, 0) << window->windowTitle().toStdString();
    }
}

// A reader may have asked for a window's accessible object before the window gave itself
// a role (Qt 6.8 does while building the About box): the role still takes effect.
TEST(AccessibleNames, ARoleGivenAfterTheAccessibleObjectWasMadeStillHolds) {
    QWidget window;
    ASSERT_NE(QAccessible::queryAccessibleInterface(&window), nullptr);
    giveAccessibleRole(window, QAccessible::Dialog);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Dialog);
}
