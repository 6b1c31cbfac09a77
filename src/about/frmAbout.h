#pragma once

#include <QWidget>

class AboutPicture;
class QLabel;
class QPushButton;

namespace platform {
struct Services;
}

// The About box, with its two Easter eggs. Deletes itself when closed.
class frmAbout final : public QWidget {
    Q_OBJECT

  public:
    explicit frmAbout(platform::Services& services);

  private:
    void buildControls();
    void Picture1_DblClick();
    void Command1_Click();

    platform::Services& services_;
    QLabel* Label1 = nullptr;
    AboutPicture* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
};
