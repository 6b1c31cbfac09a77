#pragma once

#include <QWidget>

namespace platform {
struct Services;
}

// The About box, with its two Easter eggs. Deletes itself when closed.
class frmAbout final : public QWidget {
    Q_OBJECT

public:
    explicit frmAbout(platform::Services& services);

private:
    platform::Services& services_;
};
