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
#include "platform/ProgramStarter.h"
#include "platform/WindowsCommandLine.h"
#include "support/Doubles.h"
#include "support/QtPrinting.h"
#include "support/RecordingProgram.h"

#ifndef Q_OS_WIN

namespace {

const QString kPrefix = QStringLiteral("https://lego/?q=");

class QueryToBrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile websites(doubles_.installFile(QStringLiteral("Websites.ini")));
        ASSERT_TRUE(websites.open(QIODevice::WriteOnly));
        websites.write("[Tessorin]\r\nLEGO=" + kPrefix.toLatin1() + "\r\n");
        websites.close();
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

    void expectRefusedWithMessage() {
        ASSERT_EQ(doubles_.messages.shown.size(), 1u);
        EXPECT_EQ(doubles_.messages.shown[0].text,
                  QStringLiteral("Unable to open URL. Install browser first!"));
        EXPECT_FALSE(recorder_.hasRecorded()) << "no browser was started";
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

TEST_F(QueryToBrowserTest, EveryCharacterButNulReachesTheBrowserUnchanged) {
    QString query;
    for (char16_t c = 1; c < 0xA0; ++c) {
        query += QChar(c);
    }
    query += QStringLiteral("é€★");
    search(query);
    EXPECT_EQ(recordedArguments(), QStringList({kPrefix + query}))
        << "only the program path is taken from the registered command";
    EXPECT_TRUE(doubles_.messages.shown.empty());
}

TEST_F(QueryToBrowserTest, AQueryWithANulIsRefusedNotCutShort) {
    search(QStringLiteral("7140") + QChar(u'\0') + QStringLiteral("--incognito"));
    expectRefusedWithMessage();
}

TEST_F(QueryToBrowserTest, AMegabyteQueryIsRefusedNotCutShort) {
    search(QString(1 << 20, u'7'));
    expectRefusedWithMessage();
}

}  // namespace

#endif
