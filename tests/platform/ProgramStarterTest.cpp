#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/programs/ProgramStarter.h"
#include "platform/programs/WindowsCommandLine.h"
#include "support/QtPrinting.h"
#include "support/RecordingProgram.h"

using platform::quoteWindowsArgument;

// A real child: the recording program, in a folder whose name has a blank.
class HostProgramStarterTest : public ::testing::Test {
  protected:
    QStringList recordedArguments() const { return program.arguments(); }

    QTemporaryDir root;
    const bool folderMade = QDir(root.path()).mkpath("my tools");
    const testing_doubles::RecordingProgram program{root.filePath("my tools/recorder")};
    const QString& recorder = program.path();
    platform::HostProgramStarter starter;
};

TEST_F(HostProgramStarterTest, GivesTheProgramExactlyTheOneAddress) {
    const QString marker = root.filePath("shell-was-here");
    const QString address = "-x \"quoted\"  a\tb $(touch " + marker + "); c:\\dir\\";
    ASSERT_TRUE(
        starter.start(quoteWindowsArgument(recorder) + " " + quoteWindowsArgument(address)));
    EXPECT_EQ(recordedArguments(), QStringList({recorder, address}));
    EXPECT_FALSE(QFile::exists(marker));
}

TEST_F(HostProgramStarterTest, RefusesWhatCannotBeStarted) {
    QFile plainFile(root.filePath("not-a-program"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    for (const QString& line : {QString(), QString("   x"), QString(R"("" x)"),
                                quoteWindowsArgument(root.filePath("missing")) + " x",
                                quoteWindowsArgument(plainFile.fileName()) + " x",
                                QString("tessorin-test-no-such-program x")}) {
        EXPECT_FALSE(starter.start(line)) << line.toStdString();
    }
}

TEST_F(HostProgramStarterTest, PassesEveryControlCharacterButRefusesANul) {
    QString address = QStringLiteral("https://x/?q=");
    for (char16_t c = 1; c < 128; ++c) {
        address += QChar(c);
    }
    const QString line = quoteWindowsArgument(recorder) + " " + quoteWindowsArgument(address);
    // The program would see the address only up to the NUL, so it is not started at all.
    EXPECT_FALSE(starter.start(line + QChar(u'\0') + "tail"));
    EXPECT_FALSE(starter.start(quoteWindowsArgument(recorder) + " " +
                               quoteWindowsArgument(QStringLiteral("a") + QChar(u'\0') + "b")));
    ASSERT_TRUE(starter.start(line));
    EXPECT_EQ(recordedArguments(), QStringList({recorder, address}));
}

TEST_F(HostProgramStarterTest, RefusesAnAddressTooLongForTheSystem) {
    for (const qsizetype size : {qsizetype{1} << 20, qsizetype{10} << 20}) {
        const QString address = "https://x/?q=" + QString(size, u'7');
        EXPECT_FALSE(starter.start(quoteWindowsArgument(recorder) + " " + address)) << size;
    }
    EXPECT_FALSE(program.hasRecorded());
}
