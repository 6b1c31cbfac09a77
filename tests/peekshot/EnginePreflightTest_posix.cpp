#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "platform/webview/webengine/EnginePreflight.h"

namespace {

using platform::webengine::EngineFacts;
using platform::webengine::engineProblem;

// A fake installation: a helper program in bin/, resources in data/.
class EngineChecks : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        QDir(root.path()).mkpath(QStringLiteral("data"));
        QDir(root.path()).mkpath(QStringLiteral("elsewhere"));
        touch(QStringLiteral("bin/QtWebEngineProcess"));
        touch(QStringLiteral("data/qtwebengine_resources.pak"));
        facts.processPlaces = {path(QStringLiteral("nowhere/QtWebEngineProcess")),
                               path(QStringLiteral("bin/QtWebEngineProcess"))};
        facts.resourceFolders = {path(QStringLiteral("nowhere")), path(QStringLiteral("data"))};
    }

    QString path(const QString& relative) const { return root.filePath(relative); }
    void touch(const QString& relative) const {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir root;
    EngineFacts facts;
};

TEST_F(EngineChecks, ACompleteInstallationIsReady) {
    EXPECT_EQ(engineProblem(facts), QString());
}

TEST_F(EngineChecks, AMissingHelperProgramIsNamedWithThePlacesLookedAt) {
    QFile::remove(path(QStringLiteral("bin/QtWebEngineProcess")));
    const QString problem = engineProblem(facts);
    EXPECT_TRUE(problem.contains(QStringLiteral("QtWebEngineProcess")));
    EXPECT_TRUE(problem.contains(QDir::toNativeSeparators(path(QStringLiteral("bin")))));
}

TEST_F(EngineChecks, AnOverriddenHelperPathIsTheOnlyOneThatCounts) {
    facts.processOverride = path(QStringLiteral("elsewhere/QtWebEngineProcess"));
    EXPECT_FALSE(engineProblem(facts).isEmpty());
    touch(QStringLiteral("elsewhere/QtWebEngineProcess"));
    QFile::remove(path(QStringLiteral("bin/QtWebEngineProcess")));
    EXPECT_EQ(engineProblem(facts), QString());
}

TEST_F(EngineChecks, MissingResourcesAreReported) {
    QFile::remove(path(QStringLiteral("data/qtwebengine_resources.pak")));
    EXPECT_TRUE(engineProblem(facts).contains(QStringLiteral("qtwebengine_resources.pak")));
    facts.resourcesOverride = path(QStringLiteral("elsewhere"));
    touch(QStringLiteral("data/qtwebengine_resources.pak"));
    EXPECT_FALSE(engineProblem(facts).isEmpty());
    touch(QStringLiteral("elsewhere/qtwebengine_resources.pak"));
    EXPECT_EQ(engineProblem(facts), QString());
}

TEST_F(EngineChecks, RootIsRefusedUnlessTheSandboxIsSwitchedOff) {
    facts.runningAsRoot = true;
    EXPECT_TRUE(engineProblem(facts).contains(QStringLiteral("root")));
    facts.sandboxDisabled = true;
    EXPECT_EQ(engineProblem(facts), QString());
}

// Sets an environment variable for one scope and puts back what was there.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) {
            old_ = qgetenv(name);
        }
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (old_) {
            qputenv(name_, *old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<QByteArray> old_;
};

TEST(EngineFactsOfThisProcess, FindTheInstalledEngineAndFollowItsVariables) {
    using platform::webengine::factsOfThisProcess;
    // The test run switches the sandbox off, as root needs; so the engine must be ready.
    EXPECT_EQ(engineProblem(factsOfThisProcess()), QString());
    {
        ScopedEnv process("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
        EXPECT_TRUE(engineProblem(factsOfThisProcess()).contains(QStringLiteral("/nonexistent")));
    }
    {
        ScopedEnv flags("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        EXPECT_EQ(engineProblem(factsOfThisProcess()).contains(QStringLiteral("root")),
                  platform::webengine::runningAsRoot());
    }
}

}  // namespace
