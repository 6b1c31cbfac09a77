#pragma once

class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;

// The bulk-open dialog as it is when created: its question, the "do not show" box and the
// two answers, with their captions, places and tab order.
struct frmwarningUi {
    QCheckBox* chkdontshow = nullptr;
    QPushButton* cmdyes = nullptr;
    QPushButton* cmdno = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    explicit frmwarningUi(QDialog& window);
};
