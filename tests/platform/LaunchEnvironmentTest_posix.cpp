// What a started program receives from the desktop's launch protocol: the launch's own
// variables on top of our environment, nothing else changed, and a failed start withdrawn.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/programs/LaunchActivation.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/programs/StartupMessage_posix.h"
#include "platform/programs/WindowsCommandLine.h"
#include "support/QtPrinting.h"

namespace {

struct LaunchLog {
    QStringList begun;
    QStringList failed;
    std::function<void()> shown;  // what the last start asked to hear
    bool windowsSeen = true;      // whether the window system would tell of a window
};

// Hands out a numbered token per start, as a compositor would.
class CountingActivation final : public platform::LaunchActivation {
  public:
    explicit CountingActivation(LaunchLog& log) : log_(log) {}

    platform::Launch begin(const QString& program) override {
        log_.begun << program;
        const QString token = QStringLiteral("token-%1").arg(log_.begun.size());
        return {{{QStringLiteral("XDG_ACTIVATION_TOKEN"), token},
                 {QStringLiteral("DESKTOP_STARTUP_ID"), token}},
                token};
    }
    void failed(const platform::Launch& launch) override { log_.failed << launch.startupId; }
    bool whenShown(const platform::Launch&, std::function<void()> shown) override {
        log_.shown = std::move(shown);
        return log_.windowsSeen;
    }

  private:
    LaunchLog& log_;
};

// A program that writes its whole environment, NUL-separated.
QString writeEnvironmentRecorder(const QTemporaryDir& root) {
    const QString path = root.filePath(QStringLiteral("recorder"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nenv -0 > '%1.part' && mv '%1.part' '%1'\n")
                     .arg(root.filePath(QStringLiteral("environment")))
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return path;
}

QStringList recordedEnvironment(const QTemporaryDir& root) {
    QFile record(root.filePath(QStringLiteral("environment")));
    if (!QTest::qWaitFor([&] { return record.exists(); }, 10000) ||
        !record.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList variables = QString::fromLocal8Bit(record.readAll()).split(QChar(u'\0'));
    variables.removeAll(QString());
    variables.sort();
    return variables;
}

}  // namespace

TEST(LaunchEnvironment, TheStartedProgramAloneGetsTheLaunchVariables) {
    QTemporaryDir root;
    const QString recorder = writeEnvironmentRecorder(root);
    LaunchLog log;
    platform::HostProgramStarter starter(std::make_unique<CountingActivation>(log));
    ASSERT_TRUE(starter.start(platform::quoteWindowsArgument(recorder) + " x"));

    QStringList expected = QProcessEnvironment::systemEnvironment().toStringList();
    expected.removeIf([](const QString& variable) {
        return variable.startsWith("XDG_ACTIVATION_TOKEN=") ||
               variable.startsWith("DESKTOP_STARTUP_ID=");
    });
    expected << "XDG_ACTIVATION_TOKEN=token-1"
             << "DESKTOP_STARTUP_ID=token-1";
    expected.sort();
    QStringList received = recordedEnvironment(root);
    // The shell running the recorder sets these of its own.
    for (QStringList* variables : {&expected, &received}) {
        variables->removeIf([](const QString& variable) {
            return variable.startsWith("PWD=") || variable.startsWith("SHLVL=") ||
                   variable.startsWith("_=");
        });
    }
    EXPECT_EQ(received, expected);
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN") &&
                 qEnvironmentVariable("XDG_ACTIVATION_TOKEN") == "token-1")
        << "our own environment took the child's token";
    EXPECT_TRUE(log.failed.isEmpty());
}

TEST(LaunchEnvironment, AStartThatFailsIsWithdrawnAndTheNextHasItsOwn) {
    QTemporaryDir root;
    QFile notRunnable(root.filePath(QStringLiteral("browser")));
    ASSERT_TRUE(notRunnable.open(QIODevice::WriteOnly));
    notRunnable.write("#!/nonexistent/interpreter\n");
    notRunnable.close();
    notRunnable.setPermissions(notRunnable.permissions() | QFile::ExeOwner);
    LaunchLog log;
    platform::HostProgramStarter starter(std::make_unique<CountingActivation>(log));
    EXPECT_FALSE(starter.start(platform::quoteWindowsArgument(notRunnable.fileName()) + " x"));
    EXPECT_EQ(log.failed, QStringList{"token-1"});
    const QString recorder = writeEnvironmentRecorder(root);
    ASSERT_TRUE(starter.start(platform::quoteWindowsArgument(recorder) + " x"));
    EXPECT_TRUE(recordedEnvironment(root).contains("DESKTOP_STARTUP_ID=token-2"));
    EXPECT_EQ(log.failed, QStringList{"token-1"});
}

TEST(StartupMessage, EscapesQuotesBlanksAndBackslashesInValues) {
    EXPECT_EQ(platform::startupMessage("new", {{"ID", "a b\"c\\d_TIME42"}, {"SCREEN", "0"}}),
              R"(new: ID="a\ b\"c\\d_TIME42" SCREEN="0")");
    EXPECT_EQ(platform::startupMessage("remove", {{"ID", "x"}}), R"(remove: ID="x")");
}

// A program says it has shown its window with a message of its own, in pieces that may
// come between the pieces of another program's message.
TEST(StartupMessage, ReadsBackTheMessagesOfOtherPrograms) {
    const QString id = QStringLiteral("Tessorin/firefox-esr/42-3-host name_TIME99");
    const QByteArray ours = platform::startupMessage("remove", {{"ID", id}}).toUtf8() + '\0';
    const QByteArray theirs = QByteArrayLiteral("new: ID=other NAME=\"Some Editor\"") + '\0';
    const auto piece = [](const QByteArray& text, qsizetype at) {
        return text.mid(at, 20).leftJustified(20, '\0');
    };
    platform::StartupMessagePieces pieces;
    std::vector<QString> whole;
    for (qsizetype at = 0; at < std::max(ours.size(), theirs.size()); at += 20) {
        for (const auto& [window, text] : {std::pair{1u, ours}, std::pair{2u, theirs}}) {
            if (at < text.size()) {
                if (const auto message = pieces.take(window, at == 0, piece(text, at).data())) {
                    whole.push_back(*message);
                }
            }
        }
    }
    ASSERT_EQ(whole.size(), 2u);
    const QString& remove = ours.size() <= theirs.size() ? whole[0] : whole[1];
    const QString& other = ours.size() <= theirs.size() ? whole[1] : whole[0];
    EXPECT_EQ(platform::startupMessageKind(remove), "remove");
    EXPECT_EQ(platform::startupMessageValue(remove, "ID"), id);
    EXPECT_EQ(platform::startupMessageKind(other), "new");
    EXPECT_EQ(platform::startupMessageValue(other, "NAME"), "Some Editor");
    EXPECT_EQ(platform::startupMessageValue(other, "ID"), "other");
    EXPECT_EQ(platform::startupMessageValue(other, "SCREEN"), std::nullopt);
    EXPECT_FALSE(pieces.take(3, false, piece(theirs, 20).data())) << "a middle with no start";
}

// The next start waits for the last one: until it has ended (it handed its address to a
// browser already running) or shown its window (it is the browser now). One that does
// neither within the bound did not answer, unless its window could not have been seen.
TEST(LaunchEnvironment, WaitsUntilTheLastStartEndedOrShowedItsWindow) {
    constexpr std::chrono::seconds kBound{20};
    QTemporaryDir root;
    const QString done = root.filePath(QStringLiteral("handed on"));
    LaunchLog log;
    platform::HostProgramStarter starter(std::make_unique<CountingActivation>(log));
    ASSERT_TRUE(starter.start(platform::quoteWindowsArgument(QStringLiteral("/bin/sh")) +
                              QStringLiteral(" -c \"sleep 0.3; touch '%1'\"").arg(done)));
    EXPECT_EQ(starter.waitUntilHandedOn(kBound), platform::HandOverOutcome::HandedOn);
    EXPECT_TRUE(QFile::exists(done)) << "returned before the program ended";

    ASSERT_TRUE(starter.start(QStringLiteral("sleep 2")));
    ASSERT_TRUE(log.shown) << "the start asked to hear of its window";
    bool eventsRan = false;
    QTimer::singleShot(100, [&] {
        eventsRan = true;
        log.shown();
    });
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(starter.waitUntilHandedOn(kBound), platform::HandOverOutcome::HandedOn);
    EXPECT_TRUE(eventsRan);
    EXPECT_LT(waited.elapsed(), std::chrono::milliseconds(kBound).count())
        << "the window shown ended the wait, not the bound";

    ASSERT_TRUE(starter.start(QStringLiteral("sleep 5")));
    EXPECT_EQ(starter.waitUntilHandedOn(std::chrono::milliseconds(200)),
              platform::HandOverOutcome::NoAnswer);
    log.windowsSeen = false;
    ASSERT_TRUE(starter.start(QStringLiteral("sleep 5")));
    EXPECT_EQ(starter.waitUntilHandedOn(std::chrono::milliseconds(200)),
              platform::HandOverOutcome::Unseen);
}

namespace {

// Our children, running or ended but not collected.
int ourChildren() {
    int children = 0;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // pid (name) state ppid ...: the name may hold blanks, so read after its ")".
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const QStringList fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1] == self) {
            ++children;
        }
    }
    return children;
}

}  // namespace

// A browser the user closes must not linger as a zombie while the program runs on.
TEST(LaunchEnvironment, AnEndedProgramIsCollected) {
    platform::HostProgramStarter starter;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(starter.start("true x"));
    }
    // Each ends at once; one that stayed uncollected would stay our child as a zombie.
    EXPECT_TRUE(QTest::qWaitFor([] { return ourChildren() == 0; }, 10000))
        << ourChildren() << " children left";
}
