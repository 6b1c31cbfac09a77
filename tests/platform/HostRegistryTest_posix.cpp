#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/registry/Registry.h"
#include "support/QtPrinting.h"

using platform::RegistryRoot;
using platform::RegistryStatus;

namespace {

// GIO reads the XDG folders once per process, so the registry is read in a child process
// of this same test program, started with the test's folders already set.
constexpr char kChildReport[] = "TESSORIN_TEST_GIO_REPORT";
constexpr char kChildNextDefaults[] = "TESSORIN_TEST_GIO_NEXT_DEFAULTS";

QString readBrowserCommand(const platform::Registry& registry) {
    const auto key = registry.openKey(RegistryRoot::ClassesRoot, R"(HTTP\Shell\Open\Command)");
    platform::RegistryValue value, more;
    if (!key || key->enumValue(0, 260, 4096, value) != RegistryStatus::Success) {
        return key ? "<no value>" : "<no key>";
    }
    EXPECT_EQ(value.name, "");
    EXPECT_EQ(value.type, platform::kRegSz);
    EXPECT_EQ(value.data.back(), 0);
    EXPECT_EQ(key->enumValue(1, 260, 4096, more), RegistryStatus::NoMoreItems);
    return QString::fromUtf8(reinterpret_cast<const char*>(value.data.data()));
}

QString writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    return path;
}

}  // namespace

// Reads the key, and when asked, swaps in other defaults and reads it again.
TEST(HostRegistryChild, ReportsTheBrowserCommand) {
    if (!qEnvironmentVariableIsSet(kChildReport)) {
        GTEST_SKIP() << "runs only as a child of HostRegistryTest";
    }
    const auto registry = platform::makeHostRegistry(platform::HostPaths::forThisHost());
    EXPECT_EQ(registry->openKey(RegistryRoot::ClassesRoot, R"(https\shell\open\command)"), nullptr);
    QStringList readings{readBrowserCommand(*registry)};
    if (qEnvironmentVariableIsSet(kChildNextDefaults)) {
        const QString defaults = qEnvironmentVariable("XDG_CONFIG_HOME") + "/mimeapps.list";
        ASSERT_TRUE(QFile::remove(defaults) &&
                    QFile::rename(qEnvironmentVariable(kChildNextDefaults), defaults));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return readBrowserCommand(*registry) != readings.first(); }, 10000));
        readings << readBrowserCommand(*registry);
    }
    writeFile(qEnvironmentVariable(kChildReport), readings.join('\n').toUtf8());
}

class HostRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder :
             {"CONFIG_HOME", "CONFIG_DIRS", "DATA_HOME/applications", "DATA_DIRS", "bin"}) {
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        }
    }

    QString makeProgram(const QString& name) {
        QFile program(writeFile(root.filePath("bin/" + name), "#!/bin/sh\n"));
        program.setPermissions(program.permissions() | QFile::ExeOwner);
        return program.fileName();
    }

    void addHandler(const QString& desktopFile, const QString& exec) {
        writeFile(root.filePath("DATA_HOME/applications/" + desktopFile),
                  ("[Desktop Entry]\nType=Application\nName=B\nExec=" + exec +
                   "\nMimeType=x-scheme-handler/http;\n")
                      .toUtf8());
    }

    static QByteArray defaultsFor(const QString& desktopFile) {
        return "[Default Applications]\nx-scheme-handler/http=" + desktopFile.toUtf8() + "\n";
    }

    QStringList readInChild(const QByteArray& nextDefaults = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_CURRENT_DESKTOP");
        for (const char* name : {"CONFIG_HOME", "CONFIG_DIRS", "DATA_HOME", "DATA_DIRS"}) {
            environment.insert(QStringLiteral("XDG_") + name, root.filePath(name));
        }
        environment.insert("PATH", root.filePath("bin") + ":" + environment.value("PATH"));
        environment.insert(kChildReport, root.filePath("report"));
        if (!nextDefaults.isEmpty()) {
            environment.insert(kChildNextDefaults, writeFile(root.filePath("next"), nextDefaults));
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

// Two readings in one run, the default changed in between: nothing is kept from the first.
// A program and the address is written as it is; an entry that says more (options, other
// field codes) is run by the helper beside the program, which gets the addresses alone.
// A list code of its own (%U) takes every address of a search in one start; one standing
// inside an argument is an address of its own, one a start.
TEST_F(HostRegistryTest, WritesTheCurrentDefaultHandlerAsAWindowsOpenCommand) {
    const QString first = makeProgram("my browser");
    makeProgram("second");
    addHandler("first.desktop", R"("my browser" %U)");
    addHandler("second.desktop", R"(second "--title=a \\"b\\"" 100%% %i --url=%U %f)");
    writeFile(root.filePath("CONFIG_HOME/mimeapps.list"), defaultsFor("first.desktop"));
    const QString helper =
        QDir(platform::HostPaths::forThisHost().helperDir).filePath("tessorin-open-in-browser");
    EXPECT_EQ(readInChild(defaultsFor("second.desktop")),
              QStringList({'"' + first + R"(" %*)", '"' + helper + R"(" "%1")"}));
}

TEST_F(HostRegistryTest, NoUsableHandlerMeansNoValue) {
    EXPECT_EQ(readInChild(), QStringList{"<no value>"});
    addHandler("gone.desktop", root.filePath("bin/uninstalled") + " %u");
    writeFile(root.filePath("CONFIG_HOME/mimeapps.list"), defaultsFor("gone.desktop"));
    EXPECT_EQ(readInChild(), QStringList{"<no value>"});
}
