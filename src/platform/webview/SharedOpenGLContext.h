#pragma once

namespace platform {

// Qt WebEngine looks for Qt's global OpenGL share context as soon as its library is loaded,
// and warns when there is none; its start-up report then reads the context's format, and
// Qt 6.4 crashes there when there is none. The web view draws without OpenGL, so it needs
// no working context: one that is set but never created answers both, costs nothing, and
// tells Qt WebEngine to leave OpenGL off. Made just before the web view plugin loads;
// nothing happens when a share context exists already.
void setShareContextStandIn();

}  // namespace platform
