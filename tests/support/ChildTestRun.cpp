#include "support/ChildTestRun.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

#include "support/FileSizeLimit.h"

namespace {

constexpr char kChildMarker[] = "TESSORIN_TEST_CHILD";

}  // namespace

std::optional<ChildTestRun> runTestsInChild(const QString& filter, const QProcessEnvironment& extra,
                                            std::optional<qint64> fileSizeLimit) {
    QProcess child;
    if (fileSizeLimit && !limitFileSize(child, *fileSizeLimit)) {
        return std::nullopt;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    environment.insert(QLatin1String(kChildMarker), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=" + filter});
    ChildTestRun run;
    run.finished = child.waitForFinished(120000);
    run.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    run.output = child.readAll();
    return run;
}

void runChildOnAFullDisk(const QString& filter, const char* variable, const QString& value,
                         qint64 limit) {
    QProcessEnvironment environment;
    environment.insert(QLatin1String(variable), value);
    const std::optional<ChildTestRun> child = runTestsInChild(filter, environment, limit);
    if (!child) {
        GTEST_SKIP() << "this host cannot limit a file's size";
    }
    EXPECT_TRUE(child->finished && child->exitCode == 0) << child->output.toStdString();
}

bool isChildTestRun() {
    return qEnvironmentVariableIsSet(kChildMarker);
}
