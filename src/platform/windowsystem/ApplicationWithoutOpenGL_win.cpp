#include "platform/windowsystem/ApplicationWithoutOpenGL.h"

namespace platform {

// Qt for Windows is built here without OpenGL, and the web browser control draws itself.
std::unique_ptr<QApplication> makeApplicationWithoutOpenGL(int& argc, char* argv[]) {
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace platform
