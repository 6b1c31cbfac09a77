#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/webview/EmbeddedBrowserLoader.h"
#include "support/Doubles.h"
#include "tools/frmPopup.h"

namespace {

TEST(WebViewPluginLoader, AnEmptyFolderIsReportedAsAMissingPlugin) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const auto loader = platform::makePluginBrowserLoader(empty.path());
    for (int attempt = 0; attempt < 2; ++attempt) {
        QString why;
        EXPECT_EQ(loader->factory(why), nullptr);
        EXPECT_TRUE(why.contains(QDir::toNativeSeparators(empty.path()))) << why.toStdString();
    }
}

TEST(WebViewPluginLoader, APluginOfAnotherKindIsRefused) {
    const auto loader =
        platform::makePluginBrowserLoader(QStringLiteral(PEEKSHOT_WRONG_PLUGIN_DIR));
    QString why;
    EXPECT_EQ(loader->factory(why), nullptr);
    EXPECT_TRUE(why.contains(QLatin1String(platform::kBrowserPluginBaseName))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("not a Tessorin web view"))) << why.toStdString();
}

TEST(WebViewPluginLoader, APopupWithoutItsPluginShowsTheReasonAndTheProgramGoesOn) {
    QTemporaryDir empty;
    testing_doubles::TestServices fakes;
    const auto loader = platform::makePluginBrowserLoader(empty.path());
    platform::Services services{fakes.messages, fakes.programs,       fakes.registry,
                                *loader,        fakes.services.paths, [] {}};
    EXPECT_EQ(frmPopup::create(services, QStringLiteral("https://guide.lugnet.com/set/"),
                               QStringLiteral("6399")),
              nullptr);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown.front().title, QStringLiteral("Tessorin"));
    EXPECT_EQ(fakes.messages.shown.front().icon, platform::MessageIcon::Exclamation);
    EXPECT_TRUE(fakes.messages.shown.front().text.contains(QDir::toNativeSeparators(empty.path())));
}

}  // namespace
