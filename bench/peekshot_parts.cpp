// Where PeekShot's first use goes, part by part, in the order the program takes them:
// loading the web view plugin with the engine's libraries, making the view, sending it to
// the page and showing it (where the engine starts), and the page loaded. Each run is a
// fresh process (a first use happens once per process); the parent runs them and prints
// medians. The bare web view pays the first part before its clock starts: it links the
// engine's libraries.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QWidget>
#include <cstdio>
#include <map>
#include <vector>

#include "harness/Stats.h"
#include "platform/webview/EmbeddedBrowser.h"
#include "platform/webview/EmbeddedBrowserLoader.h"
#include "platform/windowsystem/ApplicationWithoutOpenGL.h"

namespace {

const char* const kParts[] = {"plugin and engine libraries", "view made",
                              "sent to the page and shown", "page loaded"};

class LoadWatch final : public QObject {
    Q_OBJECT

  public:
    bool finished = false;

  public slots:
    void loadFinished(bool) { finished = true; }
};

void settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// One first use; prints the end of each part, in ms from the start, on one line.
int firstUse(int argc, char* argv[], const QString& pluginDir, const QString& page) {
    // As the program makes it.
    const auto app = platform::makeApplicationWithoutOpenGL(argc, argv);
    QWidget mainWindow;
    mainWindow.resize(300, 200);
    mainWindow.show();
    settle(300);

    QElapsedTimer clock;
    clock.start();
    std::vector<double> ends;
    const auto mark = [&] { ends.push_back(clock.nsecsElapsed() / 1e6); };
    const auto loader = platform::makePluginBrowserLoader(pluginDir);
    QString why;
    platform::EmbeddedBrowserFactory* factory = loader->factory(why);
    if (!factory) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    mark();
    QWidget popup;
    popup.resize(224, 284);
    platform::EmbeddedBrowser* browser = factory->createBrowser(&popup);
    mark();
    LoadWatch watch;
    QObject::connect(browser->widget(), SIGNAL(loadFinished(bool)), &watch,
                     SLOT(loadFinished(bool)));
    browser->widget()->setGeometry(0, 0, 224, 284);
    browser->navigate(page);
    popup.show();
    mark();
    while (!watch.finished && clock.elapsed() < 60'000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    mark();
    for (double end : ends) {
        std::printf("%.2f ", end);
    }
    std::printf("\n");
    return watch.finished ? 0 : 1;
}

// As the PeekShot figures run the program: without Chromium's sandbox (runs as root
// here) and without the engine's start-up report, which would bury the figures.
QProcessEnvironment childEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("qt.webenginecontext=false"));
    environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                       QStringLiteral("--log-level=3"));
    return environment;
}

int summarise(int runs, const QString& self, const QStringList& arguments) {
    std::map<int, std::vector<double>> durations;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessEnvironment(childEnvironment());
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, QStringList{QStringLiteral("--once")} + arguments);
        if (!child.waitForFinished(90'000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        const QStringList ends = QString::fromLocal8Bit(child.readAllStandardOutput())
                                     .simplified()
                                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        double previous = 0;
        for (int part = 0; part < ends.size(); ++part) {
            const double end = ends[part].toDouble();
            durations[part].push_back(end - previous);
            previous = end;
        }
    }
    std::printf("PeekShot's first use, part by part, %d fresh processes; median (min-max) ms\n",
                runs);
    for (const auto& [part, samples] : durations) {
        std::printf("  %-30s %s\n", kParts[part],
                    bench::describe(bench::summarise(samples), 1).c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--once") {
        return firstUse(argc, argv, QString::fromLocal8Bit(argv[2]),
                        QString::fromLocal8Bit(argv[3]));
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PLUGIN_DIR PAGE_URL\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    return summarise(std::atoi(argv[1]), QCoreApplication::applicationFilePath(),
                     {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
}

#include "peekshot_parts.moc"
