#pragma once

#include <QObject>
#include <QString>

// Keeps the windows in the person's light or dark choice. Qt picks the style for the
// desktop and the palette for the choice; of the styles it picks, only the Windows Vista
// one (Qt's choice on Windows 10) cannot draw dark: it paints its light palette over a dark
// choice. While the desktop asks for dark, that style gives way to Fusion, which draws Qt's
// dark palette, and it comes back when the desktop turns light again. Any other style is
// left as Qt picked it.
//
// With the "tessorin.look" debug messages on (QT_LOGGING_RULES), it says which style and
// colour scheme the windows have, at start-up and after each change of the choice.
class StyleForColourScheme final : public QObject {
  public:
    explicit StyleForColourScheme(QObject* parent = nullptr);

  private:
    void follow();

    // The style Qt picked, while Fusion stands in for it; empty otherwise.
    QString replacedStyle_;
};
