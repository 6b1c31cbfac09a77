#include "tools/frmPopupUi.h"

#include <QWidget>

#include "ui/ProgramIcon.h"
#include "ui/Twips.h"

frmPopupUi::frmPopupUi(QWidget& window) {
    window.setWindowTitle(QStringLiteral("Tessorin - Lugnet Set Popup"));
    window.setWindowIcon(programIcon());
    window.resize(twips::size(3360, 4260));
}

void frmPopupUi::placeWebBrowser(QWidget& view) {
    view.setGeometry(twips::rect(0, 0, 3375, 4250));
    view.setAccessibleName(QStringLiteral("Set page"));
}
