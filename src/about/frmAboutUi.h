#pragma once

class AboutPicture;
class QLabel;
class QPushButton;
class QWidget;

// The About box as it is when created: the version, the picture, the motto and the button
// that lies far outside the box, with their places and tab order.
struct frmAboutUi {
    QLabel* Label1 = nullptr;
    AboutPicture* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;

    explicit frmAboutUi(QWidget& window);
};
