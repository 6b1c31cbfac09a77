#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "platform/Services.h"
#include "platform/webview/EmbeddedBrowser.h"
#include "platform/webview/EmbeddedBrowserLoader.h"
#include "platform/webview/webengine/EnginePreflight.h"
#include "support/Doubles.h"
#include "tools/SetSweepPage.h"
#include "tools/frmPopup.h"

namespace {

// Whether the web engine's code is in this process yet: it must arrive with the plugin,
// not with the program.
bool webEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return false;
    }
    return maps.readAll().contains("libQt6WebEngineCore");
}

const bool webEngineAtStart = webEngineMapped();

// Chromium will not run as root with its sandbox on, and CI runs as root. ctest sets
// the switch for every test; this covers running the test program by hand.
const bool sandboxSwitchedOffForRoot = [] {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!platform::webengine::runningAsRoot() || flags.contains("--no-sandbox")) {
        return false;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
    return true;
}();

// The page names itself after the query it was opened with, so its title shows what
// reached the engine. Titles collapse runs of blanks, hence the underscores.
const char kPage[] = R"(<!DOCTYPE html>
<html><head><title>waiting</title>
<script>document.title = decodeURIComponent(location.search.substring(1)).replace(/ /g, "_");</script>
</head><body style="margin:0; background:#2a7ab0">Set</body></html>
)";

QWidget* webView(frmPopup& popup) {
    for (QWidget* child : popup.findChildren<QWidget*>()) {
        if (child->inherits("QWebEngineView")) {
            return child;
        }
    }
    return nullptr;
}

class RealWebView : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile page(folder.filePath(QStringLiteral("set page.html")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(kPage);
    }

    ~RealWebView() override { delete popup.data(); }

    QString prefix() const {
        return QUrl::fromLocalFile(folder.filePath(QStringLiteral("set page.html"))).toString() +
               QStringLiteral("?set=");
    }

    QTemporaryDir folder;
    std::unique_ptr<platform::EmbeddedBrowserLoader> loader = platform::makeHostBrowserLoader();
    testing_doubles::TestServices fakes;
    platform::Services services{fakes.messages, fakes.programs,       fakes.registry,
                                *loader,        fakes.services.paths, [] {}};
    QPointer<frmPopup> popup;
};

TEST_F(RealWebView, TheEngineIsLoadedOnlyWhenThePluginIs) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "reads /proc/self/maps";
#endif
    EXPECT_FALSE(webEngineAtStart);
    QString why;
    ASSERT_NE(loader->factory(why), nullptr) << why.toStdString();
    EXPECT_TRUE(webEngineMapped());
}

// Blanks at either end of the query are part of the address the engine is sent.
TEST_F(RealWebView, ShowsTheSetPageForTheQueryAsTyped) {
    const QString query = QStringLiteral(" 6399 Airport  Shuttle  ");
    popup = frmPopup::create(services, prefix(), query);
    ASSERT_NE(popup, nullptr) << (fakes.messages.shown.empty()
                                      ? std::string()
                                      : fakes.messages.shown.front().text.toStdString());
    EXPECT_EQ(popup->StartingAddress, prefix() + query);
    QWidget* view = webView(*popup);
    ASSERT_NE(view, nullptr);
    QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
    popup->show();

    ASSERT_TRUE(loaded.wait(30000));
    EXPECT_TRUE(loaded.front().front().toBool());
    const QString title = QString(QStringLiteral("set=") + query).replace(QLatin1Char(' '), u'_');
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->property("title").toString() == title; }, 5000))
        << view->property("title").toString().toStdString();

    // The page is really drawn, not just loaded.
    const QPoint middle = view->rect().center();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return view->grab().toImage().pixelColor(middle) == QColor(0x2a, 0x7a, 0xb0); },
        10000));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(RealWebView, KeepsItsDesignedSizeWhenTheWindowIsResized) {
    popup = frmPopup::create(services, prefix(), QStringLiteral("6399"));
    ASSERT_NE(popup, nullptr);
    QWidget* view = webView(*popup);
    ASSERT_NE(view, nullptr);
    popup->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    popup->resize(640, 480);
    QTest::qWait(50);
    EXPECT_EQ(popup->size(), QSize(640, 480));
    EXPECT_EQ(view->geometry(), QRect(0, 0, 225, 283));
}

TEST_F(RealWebView, TheLoaderKeepsOneFactoryForTheWholeRun) {
    QString why;
    platform::EmbeddedBrowserFactory* first = loader->factory(why);
    ASSERT_NE(first, nullptr) << why.toStdString();
    EXPECT_EQ(loader->factory(why), first);
    EXPECT_EQ(platform::makeHostBrowserLoader()->factory(why), first);
}

// What a browser makes of a SetSweep page: each row as "number picture-address". The
// page is the program's own bytes; only a reporting script is added after it, which
// runs once the page's own script has written the table.
class SetSweepInTheEngine : public RealWebView {
  protected:
    QStringList rowsFor(const char* start, const char* count) {
        QByteArray page = setsweep::pageBytes(QLatin1String(start), QLatin1String(count));
        page +=
            "<script>document.title = JSON.stringify(Array.from("
            "document.querySelectorAll('tbody tr'),"
            "r => r.cells[0].textContent + ' ' + r.cells[1].querySelector('img').src)"
            ".concat(['headings ' + document.querySelectorAll('thead tr').length])"
            ");</script>\r\n";
        const QString path = folder.filePath(QStringLiteral("script.html"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(page);
        file.close();

        QString why;
        platform::EmbeddedBrowserFactory* factory = loader->factory(why);
        EXPECT_NE(factory, nullptr) << why.toStdString();
        if (!factory) {
            return {};
        }
        QWidget host;
        platform::EmbeddedBrowser* browser = factory->createBrowser(&host);
        QWidget* view = browser->widget();
        QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
        browser->navigate(QUrl::fromLocalFile(path).toString());
        EXPECT_TRUE(loaded.wait(30000));
        const QString title = view->property("title").toString();
        QStringList rows;
        for (const QJsonValue row : QJsonDocument::fromJson(title.toUtf8()).array()) {
            rows << row.toString();
        }
        return rows;
    }

    static QString picture(const char* number, const char* digits) {
        return QStringLiteral(
                   "%1 http://%2/images/shop/Products/TYPE10/LEGO-US-2057/"
                   "set384x288us%3.jpg")
            .arg(QLatin1String(number), QLatin1String(setsweep::kProductImageHost),
                 QLatin1String(digits));
    }
};

TEST_F(SetSweepInTheEngine, PadsPictureNamesByTheRangeOfTheSetNumber) {
    const QString headings = QStringLiteral("headings 2");
    EXPECT_EQ(rowsFor("8", "3"), (QStringList{picture("8", "00008"), picture("9", "00009"),
                                              picture("10", "00010"), headings}));
    EXPECT_EQ(rowsFor("99", "2"),
              (QStringList{picture("99", "00099"), picture("100", "100"), headings}));
    EXPECT_EQ(rowsFor(" 999 ", "2"),
              (QStringList{picture("999", "999"), picture("1000", "001000"), headings}));
    EXPECT_EQ(rowsFor("9999", "2"),
              (QStringList{picture("9999", "009999"), picture("10000", "010000"), headings}));
    EXPECT_EQ(rowsFor("0", "2"), (QStringList{picture("0", "0"), picture("1", "00001"), headings}));
}

TEST_F(SetSweepInTheEngine, ACountOfZeroOrLessGivesOnlyTheHeadings) {
    EXPECT_EQ(rowsFor("6080", "0"), QStringList{QStringLiteral("headings 2")});
    EXPECT_EQ(rowsFor("6080", "-3"), QStringList{QStringLiteral("headings 2")});
}

}  // namespace
