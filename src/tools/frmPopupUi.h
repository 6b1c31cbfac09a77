#pragma once

class QWidget;

// PeekShot's window as it is when created: its caption, icon and size, and where the web
// view goes once the plugin has made it.
struct frmPopupUi {
    explicit frmPopupUi(QWidget& window);

    // The web view at its designed place. The window has no layout, so resizing the
    // window leaves the page where it is.
    static void placeWebBrowser(QWidget& view);
};
