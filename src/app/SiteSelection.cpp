#include "app/SiteSelection.h"

#include <QCheckBox>

#include "app/frmTessorinUi.h"

SiteSelection::SiteSelection(const frmTessorinUi& ui) : ui_(ui) {
    // The reactions hold the boxes alone, so they stay sound whatever is destroyed first.
    QCheckBox* chkpic = ui.chkpic;
    const auto siteBoxes = ui.siteBoxes;
    for (QCheckBox* box : siteBoxes) {
        QObject::connect(box, &QCheckBox::toggled, chkpic, [chkpic](bool checked) {
            if (checked) {
                chkpic->setChecked(false);
            }
        });
    }
    QObject::connect(chkpic, &QCheckBox::toggled, chkpic, [siteBoxes](bool checked) {
        if (checked) {
            for (QCheckBox* box : siteBoxes) {
                box->setChecked(false);
            }
        }
    });
}

void SiteSelection::Checkall_Click() {
    setAllSites(true);
}

void SiteSelection::Uncheckall_Click() {
    setAllSites(false);
}

void SiteSelection::setAllSites(bool checked) {
    for (QCheckBox* box : ui_.siteBoxes) {
        box->setChecked(checked);
    }
    ui_.chkpic->setChecked(false);
}
