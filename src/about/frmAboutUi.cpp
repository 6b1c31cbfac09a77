#include "about/frmAboutUi.h"

#include <QLabel>
#include <QPushButton>

#include "Version.h"
#include "about/AboutPicture.h"
#include "ui/AccessibleRole.h"
#include "ui/DialogFont.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WindowDefinition.h"

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* widget = placed(new QLabel(text, parent), name, geometry);
    // Drawn for Tahoma 8.25 points; a metric twin stands in where it is missing.
    widget->setFont(narrowFont(8.25));
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

}  // namespace

frmAboutUi::frmAboutUi(QWidget& window) {
    window.setObjectName(QStringLiteral("frmAbout"));
    window.setWindowTitle(QStringLiteral("About Tessorin"));
    // A reader announces a dialog with its title and reads the lines that go with no
    // control when it opens; a bare top-level widget it would pass over in silence.
    giveAccessibleRole(window, QAccessible::Dialog);
    window.setWindowIcon(programIcon());
    window.resize(twips::size(2655, 975));

    Label1 = label(&window, "Label1",
                   QStringLiteral("Tessorin version ") + QLatin1String(kTessorinVersion),
                   twips::rect(840, 240, 1725, 255));
    Picture1 = placed(new AboutPicture(&window), "Picture1", twips::rect(120, 240, 480, 480));
    // It takes the focus, so a screen reader announces it; a picture says nothing by itself.
    giveAccessibleRole(*Picture1, QAccessible::Graphic);
    Picture1->setAccessibleName(QStringLiteral("Tessorin icon"));
    Label2 = label(&window, "Label2", QStringLiteral("Brick by brick."),
                   twips::rect(840, 480, 1725, 255));

    // Far outside the box at its own size: found only with Tab, or by dragging the
    // box very large.
    Command1 = placed(new QPushButton(QStringLiteral("Command1"), &window), "Command1",
                      twips::rect(15120, 10560, 135, 135));
    // Enter on a focused button clicks it only when it may act as a default button.
    Command1->setAutoDefault(true);
    // What a reader says on reaching it with Tab: in the program's manner, and no more
    // than a hint that there is something to press.
    Command1->setAccessibleName(QStringLiteral("One more brick"));

    QWidget::setTabOrder(Picture1, Command1);
    Picture1->setFocus();
}
