// Extreme queries through the real window and the real program starter, to a small
// recording "browser": what the browser can be given must arrive whole, and what it cannot
// be given must be refused with the program's message instead of arriving cut short.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/frmTessorin.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/programs/WindowsCommandLine.h"
#include "support/Doubles.h"
#include "support/QtPrinting.h"
#include "support/RecordingProgram.h"

namespace {

const QString kPrefix = QStringLiteral("https://lego/?q=");

class QueryToBrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeWebsites("[Tessorin]\r\nLEGO=" + kPrefix.toLatin1() +
                      "\r\nLugnet=" + kPrefix.toLatin1() + "\r\n");
        doubles_.registry.setBrowserCommand(
            (platform::quoteWindowsArgumentAlways(recorder_.path()) + R"( --new-window "%1")")
                .toStdString());
        window_ = std::make_unique<frmTessorin>(services_);
        window_->show();
        window_->findChild<QCheckBox*>(QStringLiteral("chklego"))->setChecked(true);
    }

    void search(const QString& query) {
        window_->ui().txtsearch->setText(query);
        ASSERT_EQ(window_->ui().txtsearch->text(), query) << "the query box kept it whole";
        window_->ui().cmdView->click();
    }

    // What the browser was given after its own path.
    QStringList recordedArguments() const { return recorder_.arguments().mid(1); }

    void expectRefusedWithMessage(const QString& text) {
        ASSERT_EQ(doubles_.messages.shown.size(), 1u) << "one message for the whole search";
        EXPECT_EQ(doubles_.messages.shown[0].text, text);
        EXPECT_FALSE(recorder_.hasRecorded()) << "no browser was started";
    }

    void writeWebsites(const QByteArray& bytes) {
        QFile websites(doubles_.installFile(QStringLiteral("Websites.ini")));
        ASSERT_TRUE(websites.open(QIODevice::WriteOnly));
        websites.write(bytes);
    }

    testing_doubles::TestServices doubles_;
    platform::HostProgramStarter starter_;
    platform::Services services_{doubles_.messages,       starter_,
                                 doubles_.registry,       doubles_.browsers,
                                 doubles_.services.paths, [] {}};
    const testing_doubles::RecordingProgram recorder_{
        doubles_.root.filePath(QStringLiteral("recording browser"))};
    std::unique_ptr<frmTessorin> window_;
};

// Only what would change the address's structure is encoded, so the site gets the query
// as typed; everything else reaches the browser unchanged.
TEST_F(QueryToBrowserTest, EveryCharacterButNulReachesTheBrowserAsTyped) {
    QString query;
    for (char16_t c = 1; c < 0xA0; ++c) {
        query += QChar(c);
    }
    query += QStringLiteral("é€★");
    search(query);
    QString expected = query;
    expected.replace(u'%', QStringLiteral("%25"))
        .replace(u'&', QStringLiteral("%26"))
        .replace(u'#', QStringLiteral("%23"))
        .replace(u'+', QStringLiteral("%2B"))
        .replace(u';', QStringLiteral("%3B"));
    EXPECT_EQ(recordedArguments(), QStringList({kPrefix + expected}))
        << "only the program path is taken from the registered command";
    EXPECT_TRUE(doubles_.messages.shown.empty());
}

TEST_F(QueryToBrowserTest, AQueryWithANulIsRefusedNotCutShort) {
    search(QStringLiteral("7140") + QChar(u'\0') + QStringLiteral("--incognito"));
    expectRefusedWithMessage(QStringLiteral(
        "These sites did not reach the web browser: LEGO.\r\n\r\nThe browser could not be "
        "started, or it did not answer within a minute. Check that your default web browser "
        "works, then search again."));
}

// Linux takes one argument of up to 128 KiB: a long query below that arrives whole, and
// one above is refused once for the whole search, before the bulk-open question.
TEST_F(QueryToBrowserTest, AQueryTooLongToPassOnIsRefusedOnceAndStartsNothing) {
    const QString longButFine(100'000, u'7');
    search(longButFine);
    EXPECT_EQ(recordedArguments(), QStringList({kPrefix + longButFine}));

    QFile::remove(recorder_.path() + QStringLiteral(".arguments"));
    window_->findChild<QCheckBox*>(QStringLiteral("chklugnet"))->setChecked(true);
    search(QString(140'000, u'7'));
    expectRefusedWithMessage(QStringLiteral(
        "The search query is too long to hand to the web browser. Please shorten it and "
        "search again."));
}

// Without Websites.ini the address is the bare query, which must never become an option.
TEST_F(QueryToBrowserTest, AnAddressThatWouldBeAnOptionIsRefused) {
    window_.reset();
    QFile::remove(doubles_.installFile(QStringLiteral("Websites.ini")));
    window_ = std::make_unique<frmTessorin>(services_);
    QCoreApplication::processEvents();
    ASSERT_EQ(doubles_.messages.shown.size(), 1u) << "start-up says the file is missing";
    doubles_.messages.shown.clear();
    window_->findChild<QCheckBox*>(QStringLiteral("chklego"))->setChecked(true);
    search(QStringLiteral("--new-instance"));
    expectRefusedWithMessage(QStringLiteral(
        "A search address begins with \"-\", so the web browser would take it as one of its "
        "options instead of a page to open. Check the site addresses in Websites.ini."));
}

}  // namespace
