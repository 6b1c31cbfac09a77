// Every window's controls against the window definitions: designer's name, container,
// caption and rectangle in twips, and every menu item with its shortcut. The tables are
// copied from the definitions, not from the code, so a slip in either shows here.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>

#include "about/frmAbout.h"
#include "app/MainWindowFixture.h"
#include "tools/frmsetsweep.h"
#include "ui/Twips.h"

namespace {

struct Control {
    const char* window;
    const char* name;
    const char* container;  // the designer's container: a frame, or the window's client area
    const char* caption;    // nullptr where the control shows no caption
    int left, top, width, height;
};

// Main window (client area "client"), bulk-open dialog, SetSweep, About box.
const Control kControls[] = {
    {"frmTessorin", "chkbrickset", "client", "Brickset", 120, 1320, 1095, 240},
    {"frmTessorin", "chkmin", "client", "&Minimize while searching", 120, 2880, 2175, 255},
    {"frmTessorin", "cmdView", "client", "&Search", 3150, 2520, 1000, 340},
    {"frmTessorin", "txtsearch", "client", nullptr, 120, 2550, 2925, 285},
    {"frmTessorin", "chklugnet", "client", "Lugnet", 2880, 600, 1095, 240},
    {"frmTessorin", "Frame1", "client", "Search Site(s)", 0, 120, 4250, 2100},
    {"frmTessorin", "chkebayuk", "Frame1", "ebay.co.uk", 1440, 240, 1335, 240},
    {"frmTessorin", "chkbrickshelf", "Frame1", "Brickshelf", 120, 1440, 1335, 240},
    {"frmTessorin", "chkmisbi", "Frame1", "MISBI", 2880, 960, 1095, 240},
    {"frmTessorin", "chkbricklinkcat", "Frame1", "BL Catalog", 120, 960, 1215, 240},
    {"frmTessorin", "chkebayfr", "Frame1", "ebay.fr", 1440, 1200, 1335, 240},
    {"frmTessorin", "chkpic", "Frame1", "PeekShot (Lugnet Popup)", 120, 1800, 2655, 240},
    {"frmTessorin", "chklugnetnews", "Frame1", "Lugnet News", 2880, 720, 1275, 240},
    {"frmTessorin", "chkbiportal", "Frame1", "BI Portal", 120, 480, 1095, 240},
    {"frmTessorin", "chklego", "Frame1", "LEGO", 2880, 240, 1215, 240},
    {"frmTessorin", "chkauctionbrick", "Frame1", "AuctionBrick", 120, 240, 1215, 240},
    {"frmTessorin", "chkebayde", "Frame1", "ebay.de", 1440, 960, 1215, 240},
    {"frmTessorin", "chkebay", "Frame1", "ebay.com", 1440, 480, 1215, 240},
    {"frmTessorin", "chkbricklink", "Frame1", "Bricklink", 120, 720, 1215, 240},
    {"frmTessorin", "chkpeeron", "Frame1", "Peeron", 2880, 1200, 1215, 240},
    {"frmTessorin", "chkebayau", "Frame1", "ebay.com/au", 1440, 720, 1335, 240},
    {"frmTessorin", "Label1", "client", "Enter search query here:", 120, 2280, 1815, 255},
    {"frmwarning", "cmdno", "frmwarning", "No", 1680, 960, 735, 375},
    {"frmwarning", "cmdyes", "frmwarning", "Yes", 600, 960, 735, 375},
    {"frmwarning", "chkdontshow", "frmwarning", "In the future, do not show this warning", 25, 1320,
     3015, 375},
    {"frmwarning", "Label2", "frmwarning", "Are you sure you want to continue?", 240, 600, 2535,
     255},
    {"frmwarning", "Label1", "frmwarning",
     "A browser window will open for EACH search site you checked.", 120, 120, 2775, 495},
    {"frmsetsweep", "txtStart", "client", nullptr, 120, 360, 1455, 285},
    {"frmsetsweep", "txtNbrSets", "client", nullptr, 1800, 360, 1455, 285},
    {"frmsetsweep", "Label1", "client", "Range Start:", 120, 120, 1815, 255},
    {"frmsetsweep", "Label2", "client", "# of Sets in Range:", 1800, 120, 1695, 255},
    {"frmsetsweep", "Command1", "client", "View Pics", 2160, 720, 1100, 340},
    {"frmAbout", "Command1", "frmAbout", "Command1", 15120, 10560, 135, 135},
    {"frmAbout", "Picture1", "frmAbout", nullptr, 120, 240, 480, 480},
    {"frmAbout", "Label2", "frmAbout", "Brick by brick.", 840, 480, 1725, 255},
    {"frmAbout", "Label1", "frmAbout", "Tessorin version 1.61", 840, 240, 1725, 255},
};

// Client areas, in twips.
struct ClientArea {
    const char* window;
    int width, height;
};
const ClientArea kClientAreas[] = {{"frmTessorin", 4245, 3135},
                                   {"frmwarning", 3015, 1665},
                                   {"frmsetsweep", 3375, 1125},
                                   {"frmAbout", 2655, 975}};

// Each menu as "title: item shortcut | - | ...", a separator as "-".
const char* const kMenus[][2] = {
    {"frmTessorin",
     "&File: Load &Default Settings Ctrl+D | Load &Custom Settings Ctrl+C | - | "
     "&Save Current Settings Ctrl+S | - | E&xit Ctrl+X"},
    {"frmTessorin", "&Edit: Ch&eck all Search Sites Ctrl+E | &Uncheck all Search Sites Ctrl+U"},
    {"frmTessorin", "&Tools: &SetSweep Ctrl+M"},
    {"frmTessorin", "&Help: &Howto... Ctrl+H | - | &About... Ctrl+A"},
    {"frmsetsweep", "&File: &Exit Ctrl+E"},
    {"frmsetsweep", "&Help: &Howto Ctrl+H"},
};

QString captionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    return {};
}

QStringList menusOf(QWidget* window) {
    QStringList menus;
    auto* bar = window->findChild<QMenuBar*>();
    for (QAction* menu : bar ? bar->actions() : QList<QAction*>()) {
        QStringList entries;
        for (QAction* item : menu->menu()->actions()) {
            entries << (item->isSeparator() ? QStringLiteral("-")
                                            : item->text() + u' ' + item->shortcut().toString());
        }
        menus << menu->text() + QStringLiteral(": ") + entries.join(QStringLiteral(" | "));
    }
    return menus;
}

class WindowDefinitionsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        windows_ = {{"frmTessorin", &window()},
                    {"frmwarning", &window().warning()},
                    {"frmsetsweep", setSweep_.data()},
                    {"frmAbout", about_.data()}};
    }
    ~WindowDefinitionsTest() override {
        delete setSweep_.data();
        delete about_.data();
    }

    QWidget* named(const char* window) { return windows_.at(window); }

    // The client area: the central widget of a main window, the window itself otherwise.
    QWidget* clientArea(const char* window) {
        QWidget* client = named(window)->findChild<QWidget*>(QStringLiteral("client"));
        auto* main = qobject_cast<QMainWindow*>(named(window));
        return main ? main->centralWidget() : client ? client : named(window);
    }

    QPointer<frmsetsweep> setSweep_ = new frmsetsweep(doubles_.services);
    QPointer<frmAbout> about_ = new frmAbout(doubles_.services);
    std::map<std::string, QWidget*> windows_;
};

}  // namespace

TEST_F(WindowDefinitionsTest, EveryControlIsWhereItsDefinitionPutsIt) {
    for (const Control& control : kControls) {
        SCOPED_TRACE(std::string(control.window) + " " + control.name);
        QWidget* window = named(control.window);
        auto* widget = window->findChild<QWidget*>(QLatin1String(control.name));
        ASSERT_NE(widget, nullptr);
        const QString container = QLatin1String(control.container);
        QWidget* expectedParent = container == QLatin1String(control.window) ? window
                                  : container == QStringLiteral("client")
                                      ? clientArea(control.window)
                                      : window->findChild<QWidget*>(container);
        EXPECT_EQ(widget->parentWidget(), expectedParent);
        EXPECT_EQ(widget->geometry(),
                  twips::rect(control.left, control.top, control.width, control.height));
        if (control.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromUtf8(control.caption));
        }
    }
}

TEST_F(WindowDefinitionsTest, ClientAreasAndMenusAreAsDefined) {
    for (const ClientArea& area : kClientAreas) {
        EXPECT_EQ(clientArea(area.window)->size(), twips::size(area.width, area.height))
            << area.window;
    }
    for (const char* window : {"frmTessorin", "frmsetsweep"}) {
        QStringList expected;
        for (const auto& [owner, menu] : kMenus) {
            if (QLatin1String(owner) == QLatin1String(window)) {
                expected << QString::fromLatin1(menu);
            }
        }
        EXPECT_EQ(menusOf(named(window)), expected) << window;
    }
}
