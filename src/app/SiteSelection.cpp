// PeekShot and the sixteen sites exclude each other, whatever changed a box: a click,
// the keyboard, an Edit command or a profile load. The reactions hang on toggled(),
// which Qt emits for changes made by code as well, and only on a real change.

#include <QCheckBox>

#include "app/frmTessorin.h"

void frmTessorin::siteBox_Toggled(bool checked) {
    if (checked) {
        ui_.chkpic->setChecked(false);
    }
}

void frmTessorin::chkpic_Toggled(bool checked) {
    if (checked) {
        for (QCheckBox* box : ui_.siteBoxes) {
            box->setChecked(false);
        }
    }
}

void frmTessorin::Checkall_Click() {
    setAllSites(true);
}

void frmTessorin::Uncheckall_Click() {
    setAllSites(false);
}

void frmTessorin::setAllSites(bool checked) {
    for (QCheckBox* box : ui_.siteBoxes) {
        box->setChecked(checked);
    }
    ui_.chkpic->setChecked(false);
}
