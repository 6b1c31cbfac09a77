#pragma once

#include <QWidget>

#include "about/frmAboutUi.h"

namespace platform {
struct Services;
}

// The About box, with its two Easter eggs. Deletes itself when closed.
class frmAbout final : public QWidget {
    Q_OBJECT

  public:
    explicit frmAbout(platform::Services& services);

  private:
    void Picture1_DblClick();
    void Command1_Click();

    platform::Services& services_;
    frmAboutUi ui_;
};
