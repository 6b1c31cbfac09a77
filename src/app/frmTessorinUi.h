#pragma once

#include <array>

#include "app/SiteTable.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

// The main window as it is when created: every control with its caption, place and
// tab order, and the menu bar. What the controls do is the window's own business.
struct frmTessorinUi {
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtsearch = nullptr;
    QPushButton* cmdView = nullptr;
    std::array<QCheckBox*, kSiteCount> siteBoxes{};  // in the order of kSites
    QCheckBox* chkpic = nullptr;
    QCheckBox* chkmin = nullptr;
    QLabel* Label1 = nullptr;

    QAction* LoadDefault = nullptr;
    QAction* LoadCustom = nullptr;
    QAction* SaveSettings = nullptr;
    QAction* Exit = nullptr;
    QAction* Checkall = nullptr;
    QAction* Uncheckall = nullptr;
    QAction* SetSweep = nullptr;
    QAction* Howto = nullptr;
    QAction* About = nullptr;

    // Builds the controls and the menu bar into window.
    explicit frmTessorinUi(QMainWindow& window);

  private:
    void createControls(QWidget& client);
    void createSiteBoxes(QWidget& client);
    void setTabOrder();
    void createMenus(QMainWindow& window);
};
