#include <windows.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTest>

#include "platform/Services.h"
#include "platform/webview/EmbeddedBrowserLoader.h"
#include "platform/webview/webbrowser/BrowserEmulation_win.h"
#include "support/Doubles.h"
#include "tools/frmPopup.h"

namespace {

// An address that needs no network: under a test run without one, the control would spend
// seconds looking up a real host name.
const QString kPrefix = QStringLiteral("about:blank?set=");

TEST(BrowserEmulation, TheNewestModeOfEachInternetExplorer) {
    EXPECT_EQ(platform::webbrowser::emulationModeFor(QStringLiteral("11.0.9600.18231")), 11001u);
    EXPECT_EQ(platform::webbrowser::emulationModeFor(QStringLiteral("10.0.9200.16384")), 10001u);
    EXPECT_EQ(platform::webbrowser::emulationModeFor(QStringLiteral("9.11.9600.18231")), 9999u);
    EXPECT_EQ(platform::webbrowser::emulationModeFor(QStringLiteral("8.0.6001.18702")), 8888u);
    EXPECT_EQ(platform::webbrowser::emulationModeFor(QStringLiteral("7.0.5730.13")), 0u);
    EXPECT_EQ(platform::webbrowser::emulationModeFor(QString()), 0u);
}

QWidget* controlOf(frmPopup& popup) {
    for (QWidget* child : popup.findChildren<QWidget*>()) {
        if (child->property("locationUrl").isValid()) {
            return child;
        }
    }
    return nullptr;
}

// The mode Windows is told to render the program's pages in, 0 when none is set.
DWORD emulationModeSet() {
    const std::wstring program =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdWString();
    DWORD mode = 0;
    DWORD size = sizeof(mode);
    RegGetValueW(HKEY_CURRENT_USER,
                 LR"(Software\Microsoft\Internet Explorer\Main\FeatureControl\)"
                 LR"(FEATURE_BROWSER_EMULATION)",
                 program.c_str(), RRF_RT_REG_DWORD, nullptr, &mode, &size);
    return mode;
}

DWORD installedExplorerMode() {
    wchar_t version[64];
    for (const wchar_t* name : {L"svcVersion", L"Version"}) {
        DWORD size = sizeof(version);
        if (RegGetValueW(HKEY_LOCAL_MACHINE, LR"(SOFTWARE\Microsoft\Internet Explorer)", name,
                         RRF_RT_REG_SZ, nullptr, version, &size) == ERROR_SUCCESS) {
            return platform::webbrowser::emulationModeFor(QString::fromWCharArray(version));
        }
    }
    return 0;
}

// The real plugin from the build, through the program's own loader, in the popup.
class WebBrowserControlPopup : public ::testing::Test {
  protected:
    ~WebBrowserControlPopup() override {
        delete popup.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmPopup* open(const QString& query) {
        popup = frmPopup::create(services, kPrefix, query);
        return popup;
    }

    std::string messages() const {
        std::string text;
        for (const auto& shown : fakes.messages.shown) {
            text += shown.text.toStdString() + "\n";
        }
        return text;
    }

    std::unique_ptr<platform::EmbeddedBrowserLoader> loader =
        platform::makePluginBrowserLoader(QStringLiteral(TESSORIN_BROWSER_PLUGIN_DIR));
    testing_doubles::TestServices fakes;
    platform::Services services{fakes.messages, fakes.programs,       fakes.registry,
                                *loader,        fakes.services.paths, [] {}};
    QPointer<frmPopup> popup;
};

// Blanks, an ampersand and text beyond ASCII reach the control as the popup built them;
// the control reports its address as a browser writes it, blanks as %20.
TEST_F(WebBrowserControlPopup, TheControlIsSentToTheStartingAddress) {
    const QString query = QStringLiteral(" 6399 Airport & Shuttle é");
    ASSERT_NE(open(query), nullptr) << messages();
    QWidget* control = controlOf(*popup);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), popup.data());
    EXPECT_EQ(control->geometry(), QRect(0, 0, 225, 283));
    popup->show();
    // The "&" would end the set's path: it goes encoded, the rest as typed.
    EXPECT_EQ(popup->StartingAddress, kPrefix + QStringLiteral(" 6399 Airport %26 Shuttle é"));
    const QString expected = QString(popup->StartingAddress).replace(u' ', QStringLiteral("%20"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return control->property("locationUrl").toString() == expected; }, 10000))
        << control->property("locationUrl").toString().toStdString();
    EXPECT_TRUE(fakes.messages.shown.empty()) << messages();
    EXPECT_EQ(emulationModeSet(), installedExplorerMode());
}

// The close box destroys the popup with its control; the next search makes both anew.
TEST_F(WebBrowserControlPopup, ClosingDestroysTheControlAndTheNextSearchMakesANewOne) {
    ASSERT_NE(open(QStringLiteral("6399")), nullptr) << messages();
    QPointer<QWidget> control = controlOf(*popup);
    popup->show();
    popup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull());
    EXPECT_TRUE(control.isNull());

    ASSERT_NE(open(QStringLiteral("10179")), nullptr) << messages();
    QWidget* next = controlOf(*popup);
    ASSERT_NE(next, nullptr);
    popup->show();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return next->property("locationUrl").toString() == kPrefix + "10179"; }, 10000));
}

// Run with the HTML engine's DLLs switched off (tests/CMakeLists.txt): no control can be
// made, the user is told so, and the program goes on.
TEST(NoWebBrowserControl, TheUserIsToldAndTheProgramGoesOn) {
    const auto loader =
        platform::makePluginBrowserLoader(QStringLiteral(TESSORIN_BROWSER_PLUGIN_DIR));
    testing_doubles::TestServices fakes;
    platform::Services services{fakes.messages, fakes.programs,       fakes.registry,
                                *loader,        fakes.services.paths, [] {}};
    for (int search = 0; search < 2; ++search) {
        EXPECT_EQ(frmPopup::create(services, kPrefix, QStringLiteral("6399")), nullptr);
    }
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_TRUE(fakes.messages.shown[0].text.contains(QStringLiteral("not available")));
    EXPECT_EQ(fakes.messages.shown[0].icon, platform::MessageIcon::Exclamation);
}

}  // namespace
