#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ProgramStarter.h"
#include "platform/WindowsCommandLine.h"
#include "support/QtPrinting.h"

#ifndef Q_OS_WIN

using platform::quoteWindowsArgument;

// A real child: a script, in a folder whose name has a blank, that writes the arguments
// it was given, NUL-separated, and renames the file into place when it is complete.
class HostProgramStarterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root.path()).mkpath("my tools"));
        QFile script(recorder);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > '%1.part' && "
                                    "mv '%1.part' '%1'\n")
                         .arg(record)
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

    QStringList recordedArguments() {
        QFile file(record);
        if (!QTest::qWaitFor([&] { return file.exists(); }, 10000) ||
            !file.open(QIODevice::ReadOnly)) {
            return {};
        }
        QString text = QString::fromUtf8(file.readAll());
        text.chop(1);  // the NUL after the last argument
        return text.split(QChar(0));
    }

    QTemporaryDir root;
    const QString recorder = root.filePath("my tools/recorder");
    const QString record = root.filePath("arguments");
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
    EXPECT_FALSE(QFile::exists(record));
}

#endif
