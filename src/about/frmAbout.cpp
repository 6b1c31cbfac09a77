#include "about/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "Version.h"
#include "about/AboutPicture.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "ui/AccessibleRole.h"
#include "ui/Centring.h"
#include "ui/DialogFont.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WindowDefinition.h"

namespace {

const QString kFoundItText = QStringLiteral(
    "Ok, you found it!  You must be a true geek!\r\n"
    "But, did you find the other ones?  Send me\r\n"
    "an email and list them (along with hidden\r\n"
    "features) and I'll add your name to the ranks\r\n"
    "of Uber geeks on my website.  Hint: there are\r\n"
    "3 Easter eggs and 1 hidden feature.  -Vek\r\n"
    "tessorin@example.org");

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* widget = placed(new QLabel(text, parent), name, geometry);
    // Drawn for Tahoma 8.25 points; a metric twin stands in where it is missing.
    widget->setFont(narrowFont(8.25));
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

}  // namespace

frmAbout::frmAbout(platform::Services& services)
    : QWidget(nullptr, fixedWindowFlags()), services_(services) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Tessorin"));
    // A reader announces a dialog with its title and reads the lines that go with no
    // control when it opens; a bare top-level widget it would pass over in silence.
    giveAccessibleRole(*this, QAccessible::Dialog);
    setWindowIcon(programIcon());
    resize(twips::size(2655, 975));
    buildControls();
    centreOnScreen(*this);
}

void frmAbout::buildControls() {
    Label1 =
        label(this, "Label1", QStringLiteral("Tessorin version ") + QLatin1String(kTessorinVersion),
              twips::rect(840, 240, 1725, 255));
    Picture1 = placed(new AboutPicture(this), "Picture1", twips::rect(120, 240, 480, 480));
    // It takes the focus, so a screen reader announces it; a picture says nothing by itself.
    giveAccessibleRole(*Picture1, QAccessible::Graphic);
    Picture1->setAccessibleName(QStringLiteral("Tessorin icon"));
    Picture1->onEgg = [this] { Picture1_DblClick(); };
    Label2 =
        label(this, "Label2", QStringLiteral("Brick by brick."), twips::rect(840, 480, 1725, 255));

    // Far outside the box at its own size: found only with Tab, or by dragging the
    // box very large.
    Command1 = placed(new QPushButton(QStringLiteral("Command1"), this), "Command1",
                      twips::rect(15120, 10560, 135, 135));
    // Enter on a focused button clicks it only when it may act as a default button.
    Command1->setAutoDefault(true);
    // What a reader says on reaching it with Tab: in the program's manner, and no more
    // than a hint that there is something to press.
    Command1->setAccessibleName(QStringLiteral("One more brick"));
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    setTabOrder(Picture1, Command1);
    Picture1->setFocus();
}

void frmAbout::Picture1_DblClick() {
    services_.messages.show(this, QStringLiteral("There are no Easter Eggs in this program!!!"),
                            platform::MessageIcon::Information, platform::MessageButtons::Ok,
                            QStringLiteral("Tessorin - Easter Egg"));
}

void frmAbout::Command1_Click() {
    services_.messages.show(this, kFoundItText, platform::MessageIcon::None,
                            platform::MessageButtons::Ok, QStringLiteral("Tessorin"));
}
