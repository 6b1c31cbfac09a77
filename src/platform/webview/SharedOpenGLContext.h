#pragma once

namespace platform {

// Qt WebEngine draws through OpenGL contexts shared with the application's own, so it needs
// Qt's global share context before it is loaded. Qt makes that context while the
// application object is built when Qt::AA_ShareOpenGLContexts is set, which loads the
// whole OpenGL stack (the driver, and on software rendering LLVM) into every session:
// about 60 MiB and several times the start-up time of the window itself. Made here instead,
// the same way Qt makes it, just before the web view plugin loads, that cost falls on the
// sessions that show a page. Nothing happens when the context already exists.
void shareOpenGLContextsFromNowOn();

}  // namespace platform
