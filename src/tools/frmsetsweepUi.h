#pragma once

class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;

// SetSweep's window as it is when created: the two boxes with their labels, View Pics and
// the menu bar, with their captions, places and tab order.
struct frmsetsweepUi {
    QLineEdit* txtStart = nullptr;
    QLineEdit* txtNbrSets = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QAction* Exit = nullptr;
    QAction* Howto = nullptr;

    explicit frmsetsweepUi(QMainWindow& window);

  private:
    void createMenus(QMainWindow& window);
    void createControls(QMainWindow& window);
};
