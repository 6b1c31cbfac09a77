#include "about/frmAbout.h"

#include <QPushButton>

#include "about/AboutPicture.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "ui/Centring.h"
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

}  // namespace

frmAbout::frmAbout(platform::Services& services)
    : QWidget(nullptr, fixedWindowFlags()), services_(services), ui_(*this) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui_.Picture1->onEgg = [this] { Picture1_DblClick(); };
    connect(ui_.Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    centreOnScreen(*this);
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
