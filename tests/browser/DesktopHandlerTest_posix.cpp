// The whole way from a search address to the desktop's default browser, through the real
// registry stand-in, the real program starter and the helper: one entry shape per case,
// each in a child process with its own XDG folders, since GIO reads them once.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "browser/modWWW.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/registry/Registry.h"
#include "platform/windowsystem/WindowFocus.h"
#include "support/ChildTestRun.h"
#include "support/Doubles.h"
#include "support/QtPrinting.h"
#include "support/RecordingProgram.h"

namespace {

// Blanks, quotes, backslashes, shell words and a leading dash inside: one argument all the same.
const QString kAddress = QStringLiteral(R"(https://x/?q=a b "c" \d $HOME; `id` -x 'é)");

const QString kSecondAddress = QStringLiteral("https://y/?q=second");

struct EntryShape {
    const char* what;
    QString exec;          // %R stands for the recorder's path, %B for its folder
    QStringList expected;  // what the recorder receives after its own path; empty: nothing
};

void PrintTo(const EntryShape& shape, std::ostream* out) {
    *out << shape.what;
}

}  // namespace

// Opens the address (or with TESSORIN_TEST_TWO_SITES, two addresses) the way a search
// does, and writes the messages it showed.
TEST(DesktopHandlerChild, OpensTheAddress) {
    if (!isChildTestRun()) {
        GTEST_SKIP() << "runs only as a child of DesktopHandlerTest";
    }
    const auto registry = platform::makeHostRegistry(platform::HostPaths::forThisHost());
    platform::HostProgramStarter programs;
    testing_doubles::FakeMessageBoxes messages;
    modWWW::UrlOpener opener(*registry, programs, messages, platform::hostWindowFocus(), nullptr);
    QStringList addresses{kAddress};
    if (qEnvironmentVariableIsSet("TESSORIN_TEST_TWO_SITES")) {
        addresses << kSecondAddress;
    }
    if (opener.takesEveryAddressAtOnce()) {
        opener.OpenURLs(addresses);
    } else {
        for (const QString& address : addresses) {
            opener.OpenURL(address);
        }
    }
    QFile report(qEnvironmentVariable("TESSORIN_TEST_REPORT"));
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    for (const auto& message : messages.shown) {
        report.write(message.text.toUtf8() + '\n');
    }
}

class DesktopHandlerTest : public ::testing::TestWithParam<EntryShape> {
  protected:
    void SetUp() override {
        for (const char* folder : {"CONFIG_HOME", "DATA_HOME/applications", "DATA_DIRS", "bin"}) {
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        }
    }

    // Runs the search in a child and gives back its messages.
    QString searchInChild(const QString& exec, const QByteArray& moreEntryLines = {},
                          bool twoSites = false) {
        QFile entry(root.filePath("DATA_HOME/applications/browser.desktop"));
        EXPECT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Browser\nIcon=web\nExec=" +
                    exec.toUtf8() + "\nMimeType=x-scheme-handler/http;\n" + moreEntryLines);
        entry.close();
        QFile defaults(root.filePath("CONFIG_HOME/mimeapps.list"));
        EXPECT_TRUE(defaults.open(QIODevice::WriteOnly));
        defaults.write("[Default Applications]\nx-scheme-handler/http=browser.desktop\n");
        defaults.close();

        QProcessEnvironment environment;
        for (const char* name : {"CONFIG_HOME", "DATA_HOME", "DATA_DIRS"}) {
            environment.insert(QStringLiteral("XDG_") + name, root.filePath(name));
        }
        environment.insert("XDG_CONFIG_DIRS", root.filePath("CONFIG_HOME"));
        environment.insert("XDG_CURRENT_DESKTOP", "");
        environment.insert("PATH", root.filePath("bin") + ":" + qEnvironmentVariable("PATH"));
        environment.insert("TESSORIN_TEST_REPORT", root.filePath("report"));
        if (twoSites) {
            environment.insert("TESSORIN_TEST_TWO_SITES", "1");
        }
        const auto child = runTestsInChild("DesktopHandlerChild.*", environment);
        EXPECT_TRUE(child && child->finished && child->exitCode == 0)
            << (child ? child->output.toStdString() : "");
        QFile report(root.filePath("report"));
        return report.open(QIODevice::ReadOnly) ? QString::fromUtf8(report.readAll())
                                                : QStringLiteral("<no report>");
    }

    QTemporaryDir root;
};

TEST_P(DesktopHandlerTest, StartsTheBrowserAsTheDesktopWould) {
    const EntryShape& shape = GetParam();
    testing_doubles::RecordingProgram recorder(root.filePath("bin/rec"));
    QString exec = shape.exec;
    exec.replace("%R", recorder.path()).replace("%B", root.filePath("bin"));
    const QString messages = searchInChild(exec);
    if (shape.expected.isEmpty()) {
        EXPECT_EQ(messages, "Unable to open URL. Install browser first!\n");
        QTest::qWait(200);
        EXPECT_FALSE(recorder.hasRecorded());
        return;
    }
    EXPECT_EQ(messages, "");
    QStringList received = recorder.arguments();
    ASSERT_FALSE(received.isEmpty()) << "the browser never started";
    received.removeFirst();
    EXPECT_EQ(received, shape.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EntryShapes, DesktopHandlerTest,
    ::testing::Values(
        EntryShape{"plain", "%R %u", {kAddress}},
        EntryShape{"found_through_PATH", "rec %u", {kAddress}},
        EntryShape{"list_code", "%R %U", {kAddress}}, EntryShape{"no_field_code", "%R", {kAddress}},
        EntryShape{"options", "%R --new-window %u", {"--new-window", kAddress}},
        EntryShape{"other_codes",
                   "%R %i --class=%c --url=%u 100%%",
                   {"--icon", "web", "--class=Browser", "--url=" + kAddress, "100%"}},
        EntryShape{"snap_env_wrapper",
                   "env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/"
                   "firefox_firefox.desktop %R %u",
                   {kAddress}},
        EntryShape{"env_reaches_the_browser",
                   R"(env GREETING=hello sh -c '"$0" "$GREETING" "$1"' %R %u)",
                   {"hello", kAddress}},
        EntryShape{
            "sh_c_wrapper", R"(sh -c 'exec "$0" --private "$@"' %R %u)", {"--private", kAddress}},
        // flatpak is the recorder here: it must be given the run line exactly.
        EntryShape{"flatpak_run",
                   "%R run --branch=stable --arch=x86_64 --command=firefox "
                   "--file-forwarding org.mozilla.firefox @@u %u @@",
                   {"run", "--branch=stable", "--arch=x86_64", "--command=firefox",
                    "--file-forwarding", "org.mozilla.firefox", "@@u", kAddress, "@@"}},
        EntryShape{"missing_program", "%B/uninstalled %u", {}},
        EntryShape{"env_of_a_missing_program", "env A=1 %B/uninstalled --new-window %u", {}}),
    [](const auto& info) { return std::string(info.param.what); });

// An entry that takes a list of addresses is started once for a whole search, the
// addresses in the sites' order, however the line is wrapped.
TEST_F(DesktopHandlerTest, AListEntryGetsEveryAddressInOneStart) {
    testing_doubles::RecordingProgram recorder(root.filePath("bin/rec"));
    const struct {
        QString exec;
        QStringList expected;
    } shapes[] = {
        {recorder.path() + " %U", {kAddress, kSecondAddress}},
        {recorder.path() + " --new-window %U", {"--new-window", kAddress, kSecondAddress}},
        {recorder.path() + " run org.chromium.Chromium @@u %U @@",
         {"run", "org.chromium.Chromium", "@@u", kAddress, kSecondAddress, "@@"}},
    };
    for (const auto& shape : shapes) {
        QFile::remove(recorder.path() + QStringLiteral(".arguments"));
        EXPECT_EQ(searchInChild(shape.exec, {}, true), "");
        QStringList received = recorder.arguments();
        ASSERT_FALSE(received.isEmpty())
            << "the browser never started: " << shape.exec.toStdString();
        received.removeFirst();
        EXPECT_EQ(received, shape.expected) << shape.exec.toStdString();
    }
}

// A text browser's entry (Terminal=true) runs in the terminal GIO would pick, in GIO's order
// of preference, the whole browser line after the terminal's own option.
TEST_F(DesktopHandlerTest, RunsATerminalEntryInTheTerminalGioWouldPick) {
    const QString bin = root.filePath("bin");
    testing_doubles::RecordingProgram browser(bin + "/lynx");
    const QByteArray terminalEntry = "Terminal=true\n";
    for (const char* above : {"gnome-terminal", "mate-terminal", "xfce4-terminal", "tilix"}) {
        if (!QStandardPaths::findExecutable(above).isEmpty()) {
            GTEST_SKIP() << above << " is installed, and GIO would take it first";
        }
    }
    {
        testing_doubles::RecordingProgram xterm(bin + "/xterm");
        testing_doubles::RecordingProgram konsole(bin + "/konsole");
        EXPECT_EQ(searchInChild(browser.path() + " %u", terminalEntry), "");
        EXPECT_EQ(konsole.arguments(),
                  QStringList({konsole.path(), "-e", browser.path(), kAddress}));
        EXPECT_FALSE(xterm.hasRecorded());
    }
    testing_doubles::RecordingProgram gnomeTerminal(bin + "/gnome-terminal");
    EXPECT_EQ(searchInChild(browser.path() + " --dump %u", terminalEntry), "");
    EXPECT_EQ(gnomeTerminal.arguments(),
              QStringList({gnomeTerminal.path(), "--", browser.path(), "--dump", kAddress}));
    EXPECT_FALSE(browser.hasRecorded()) << "started outside the terminal";
}

TEST_F(DesktopHandlerTest, ATerminalEntryWithoutATerminalIsNoBrowser) {
    for (const char* terminal : {"gnome-terminal", "mate-terminal", "xfce4-terminal", "tilix",
                                 "konsole", "nxterm", "color-xterm", "rxvt", "dtterm", "xterm"}) {
        if (!QStandardPaths::findExecutable(terminal).isEmpty()) {
            GTEST_SKIP() << terminal << " is installed";
        }
    }
    testing_doubles::RecordingProgram browser(root.filePath("bin/lynx"));
    EXPECT_EQ(searchInChild(browser.path() + " %u", "Terminal=true\n"),
              "Unable to open URL. Install browser first!\n");
    QTest::qWait(200);
    EXPECT_FALSE(browser.hasRecorded());
}
