#include <QApplication>

#include "Version.h"
#include "app/frmTessorin.h"
#include "platform/Services.h"
#include "platform/messages/MessageBoxes.h"
#include "platform/programs/ProgramStarter.h"
#include "platform/registry/Registry.h"
#include "platform/webview/EmbeddedBrowserLoader.h"
#include "platform/windowsystem/ApplicationWithoutOpenGL.h"
#include "ui/StyleForColourScheme.h"
#include "ui/TickWithoutIconFont.h"

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> app = platform::makeApplicationWithoutOpenGL(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessorin"));
    QApplication::setApplicationVersion(QLatin1String(kTessorinVersion));
    // Lets Wayland desktops match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tessorin.tessorin"));
    // Closing the main window ends the program even while other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    drawTicksWithoutIconFont();
    const StyleForColourScheme style;

    platform::QtMessageBoxes messages;
    platform::HostProgramStarter programs;
    const platform::HostPaths paths = platform::HostPaths::forThisHost();
    const auto registry = platform::makeHostRegistry(paths);
    const auto browsers = platform::makeHostBrowserLoader();
    platform::Services services{messages,  programs, *registry,
                                *browsers, paths,    [] { QCoreApplication::exit(0); }};

    frmTessorin window(services);
    window.show();
    return QApplication::exec();
}
