#pragma once

namespace platform::webengine {

// PeekShot's page is drawn by the processor, not through OpenGL: Qt Quick's software
// renderer for the view, Chromium's software compositor for the page. One set's page in a
// small fixed window needs no graphics card, while OpenGL made the first page wait for the
// driver to load (on software rendering, LLVM with it), for contexts and for shaders: about
// half of that first wait, and over 50 MiB. Call before the first view is made; calls
// after the first change nothing.
void drawWithoutOpenGL();

}  // namespace platform::webengine
