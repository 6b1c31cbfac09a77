#pragma once

#include <QApplication>
#include <memory>

namespace platform {

// The application object, with the window system's OpenGL integration left out. Every
// window of the program is drawn by the processor, PeekShot's page too, so OpenGL would
// only cost: where Qt loads its integration, the driver comes with it (with Mesa's software
// rendering, LLVM too), about 20 ms and 55 MiB, at start-up on Wayland and on PeekShot's
// first page on X11. A choice the user has made through Qt's own variables stands.
std::unique_ptr<QApplication> makeApplicationWithoutOpenGL(int& argc, char* argv[]);

}  // namespace platform
