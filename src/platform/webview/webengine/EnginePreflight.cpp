#include "platform/webview/webengine/EnginePreflight.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <algorithm>

namespace platform::webengine {

namespace {

const QLatin1String kResourcesFile("qtwebengine_resources.pak");

bool anyExists(const QStringList& paths) {
    return std::any_of(paths.begin(), paths.end(),
                       [](const QString& path) { return QFileInfo::exists(path); });
}

QStringList inEach(const QStringList& folders, const QString& fileName) {
    QStringList paths;
    for (const QString& folder : folders) {
        paths << QDir(folder).filePath(fileName);
    }
    return paths;
}

QString listed(const QStringList& places) {
    QStringList native;
    for (const QString& place : places) {
        native << QDir::toNativeSeparators(place);
    }
    return native.join(QStringLiteral(", "));
}

QString processProblem(const EngineFacts& facts) {
    const QStringList places =
        facts.processOverride.isEmpty() ? facts.processPlaces : QStringList{facts.processOverride};
    if (anyExists(places)) {
        return {};
    }
    return QStringLiteral(
               "The web engine's helper program QtWebEngineProcess was not found (looked for %1).")
        .arg(listed(places));
}

QString resourcesProblem(const EngineFacts& facts) {
    const QStringList folders = facts.resourcesOverride.isEmpty()
                                    ? facts.resourceFolders
                                    : QStringList{facts.resourcesOverride};
    if (anyExists(inEach(folders, kResourcesFile))) {
        return {};
    }
    return QStringLiteral("The web engine's resources (%1) were not found (looked in %2).")
        .arg(kResourcesFile, listed(folders));
}

QString sandboxProblem(const EngineFacts& facts) {
    if (!facts.runningAsRoot || facts.sandboxDisabled) {
        return {};
    }
    return QStringLiteral(
        "The web engine refuses to run for the root user. Start Tessorin as an ordinary user.");
}

bool sandboxSwitchedOff() {
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        return true;
    }
    // Qt WebEngine takes Chromium switches from this variable and from the command line.
    QStringList switches = qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")
                               .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    switches << QCoreApplication::arguments();
    return switches.contains(QStringLiteral("--no-sandbox"));
}

}  // namespace

QString engineProblem(const EngineFacts& facts) {
    for (const QString& problem :
         {processProblem(facts), resourcesProblem(facts), sandboxProblem(facts)}) {
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    return {};
}

EngineFacts factsOfThisProcess() {
    const QString applicationFolder = QCoreApplication::applicationDirPath();
    const QString dataFolder = QLibraryInfo::path(QLibraryInfo::DataPath);
    EngineFacts facts;
    facts.processOverride = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    facts.processPlaces =
        inEach({QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath),
                QLibraryInfo::path(QLibraryInfo::BinariesPath), applicationFolder},
               QStringLiteral("QtWebEngineProcess"));
    facts.resourcesOverride = qEnvironmentVariable("QTWEBENGINE_RESOURCES_PATH");
    facts.resourceFolders = {
        QDir(dataFolder).filePath(QStringLiteral("resources")), dataFolder, applicationFolder,
        QDir::home().filePath(QLatin1Char('.') + QCoreApplication::applicationName())};
    facts.runningAsRoot = runningAsRoot();
    facts.sandboxDisabled = sandboxSwitchedOff();
    return facts;
}

}  // namespace platform::webengine
