#pragma once

#include <QMainWindow>

namespace platform {
struct Services;
}

// SetSweep: a local page of product pictures for a run of set numbers.
// Deletes itself when closed by its close box; File > Exit only hides it.
class frmsetsweep final : public QMainWindow {
    Q_OBJECT

public:
    explicit frmsetsweep(platform::Services& services);
    ~frmsetsweep() override;

private:
    platform::Services& services_;
};
