// The yardstick for PeekShot: the least a program needs to show one page in Qt WebEngine.
// A small window waits for Return; each Return opens one QWebEngineView window of
// PeekShot's size on the page named on the command line, as a PeekShot search opens its
// popup. Closing that window deletes the view, as closing the popup does. With --software
// it draws without OpenGL, as Tessorin's web view does: Qt Quick's software renderer, and
// no OpenGL integration loaded on X11.
#include <QApplication>
#include <QKeyEvent>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

namespace {

class Launcher final : public QWidget {
  public:
    explicit Launcher(QUrl page) : page_(std::move(page)) { resize(200, 100); }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return) {
            return QWidget::keyPressEvent(event);
        }
        auto* view = new QWebEngineView;
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->resize(224, 284);
        view->show();
        view->load(page_);
    }

  private:
    QUrl page_;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool software = argc == 3 && QByteArray(argv[1]) == "--software";
    if (argc != 2 && !software) {
        return 2;
    }
    if (software) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    } else {
        // As Qt WebEngine asks of any program that shows it in widgets.
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Launcher launcher(QUrl(QString::fromLocal8Bit(argv[argc - 1])));
    launcher.show();
    return QApplication::exec();
}
