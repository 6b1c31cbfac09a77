#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <optional>

#include "platform/Registry.h"

#ifndef Q_OS_WIN

using platform::RegistryRoot;
using platform::RegistryStatus;
using platform::RegistryValue;

namespace {

// GIO reads the XDG folders once per process, so each case runs in a child process of
// this same test program, started with the folders already set.
constexpr char kChildReport[] = "TESSORIN_TEST_GIO_REPORT";
constexpr char kChildNextDefaults[] = "TESSORIN_TEST_GIO_NEXT_DEFAULTS";

QString readBrowserCommand(const platform::Registry& registry) {
    const auto key = registry.openKey(RegistryRoot::ClassesRoot, R"(HTTP\Shell\Open\Command)");
    RegistryValue value;
    if (!key || key->enumValue(0, 260, 4096, value) != RegistryStatus::Success) {
        return key ? "<no value>" : "<no key>";
    }
    EXPECT_EQ(value.name, "");
    EXPECT_EQ(value.type, platform::kRegSz);
    EXPECT_EQ(value.data.back(), 0);
    RegistryValue more;
    EXPECT_EQ(key->enumValue(1, 260, 4096, more), RegistryStatus::NoMoreItems);
    EXPECT_EQ(key->enumValue(0, 260, value.data.size() - 1, more), RegistryStatus::MoreData);
    return QString::fromUtf8(reinterpret_cast<const char*>(value.data.data()));
}

}  // namespace

TEST(HostRegistryChild, ReportsTheBrowserCommand) {
    const QString reportPath = qEnvironmentVariable(kChildReport);
    if (reportPath.isEmpty()) {
        GTEST_SKIP() << "runs only as a child of HostRegistryTest";
    }
    const auto registry = platform::makeHostRegistry();
    EXPECT_EQ(registry->openKey(RegistryRoot::ClassesRoot, R"(https\shell\open\command)"), nullptr);
    EXPECT_EQ(registry->openKey(RegistryRoot::ClassesRoot, ""), nullptr);
    QStringList readings{readBrowserCommand(*registry)};
    const QString next = qEnvironmentVariable(kChildNextDefaults);
    if (!next.isEmpty()) {
        const QString defaults =
            QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("mimeapps.list");
        ASSERT_TRUE(QFile::remove(defaults) && QFile::rename(next, defaults));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (readBrowserCommand(*registry) == readings.first() &&
               std::chrono::steady_clock::now() < deadline) {
            QThread::msleep(50);
        }
        readings << readBrowserCommand(*registry);
    }
    QFile report(reportPath);
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    report.write(readings.join('\n').toUtf8());
}

class HostRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder :
             {"config", "configDirs", "data/applications", "dataDirs", "bin"}) {
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        }
    }

    QString makeProgram(const QString& name) {
        QFile program(root.filePath("bin/" + name));
        EXPECT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.setPermissions(program.permissions() | QFile::ExeOwner);
        return program.fileName();
    }

    void writeFile(const QString& path, const QString& text) {
        QFile file(root.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    void addHandler(const QString& desktopFile, const QString& exec) {
        writeFile("data/applications/" + desktopFile,
                  "[Desktop Entry]\nType=Application\nName=Browser\nExec=" + exec +
                      "\nMimeType=x-scheme-handler/http;\n");
    }

    static QString defaultsFor(const QString& desktopFile) {
        return "[Default Applications]\nx-scheme-handler/http=" + desktopFile + "\n";
    }

    QStringList readInChild(const QString& nextDefaults = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_CURRENT_DESKTOP");
        environment.insert("XDG_CONFIG_HOME", root.filePath("config"));
        environment.insert("XDG_CONFIG_DIRS", root.filePath("configDirs"));
        environment.insert("XDG_DATA_HOME", root.filePath("data"));
        environment.insert("XDG_DATA_DIRS", root.filePath("dataDirs"));
        environment.insert("PATH", root.filePath("bin") + ":" + environment.value("PATH"));
        environment.insert(kChildReport, root.filePath("report"));
        if (!nextDefaults.isEmpty()) {
            writeFile("next-defaults", nextDefaults);
            environment.insert(kChildNextDefaults, root.filePath("next-defaults"));
        }
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=HostRegistryChild.*"});
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
        QFile report(root.filePath("report"));
        return report.open(QIODevice::ReadOnly) ? QString::fromUtf8(report.readAll()).split('\n')
                                                : QStringList{"<no report>"};
    }

    QTemporaryDir root;
};

TEST_F(HostRegistryTest, WritesTheDefaultHandlerAsAWindowsOpenCommand) {
    const QString program = makeProgram("recorder");
    addHandler("recorder.desktop", program + " --flag %u");
    writeFile("config/mimeapps.list", defaultsFor("recorder.desktop"));
    EXPECT_EQ(readInChild(), QStringList{'"' + program + R"(" --flag "%1")"});
}

TEST_F(HostRegistryTest, FindsABareProgramNameAndTranslatesFieldCodes) {
    const QString program = makeProgram("my browser");
    addHandler("b.desktop", R"("my browser" "--title=a \\"b\\"" 100%% %i --url=%U %f)");
    writeFile("config/mimeapps.list", defaultsFor("b.desktop"));
    EXPECT_EQ(readInChild(), QStringList{'"' + program + R"(" "--title=a \"b\"" 100% "--url=%1")"});
}

TEST_F(HostRegistryTest, NoUsableHandlerMeansNoValue) {
    EXPECT_EQ(readInChild(), QStringList{"<no value>"});
    addHandler("gone.desktop", root.filePath("bin/uninstalled") + " %u");
    writeFile("config/mimeapps.list", defaultsFor("gone.desktop"));
    EXPECT_EQ(readInChild(), QStringList{"<no value>"});
}

TEST_F(HostRegistryTest, FollowsADefaultChangedWhileRunning) {
    const QString first = makeProgram("first");
    const QString second = makeProgram("second");
    addHandler("first.desktop", first + " %u");
    addHandler("second.desktop", second + " %U");
    writeFile("config/mimeapps.list", defaultsFor("first.desktop"));
    EXPECT_EQ(readInChild(defaultsFor("second.desktop")),
              QStringList({'"' + first + R"(" "%1")", '"' + second + R"(" "%1")"}));
}

#endif
