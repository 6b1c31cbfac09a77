#pragma once

#include <QMainWindow>

#include "tools/frmsetsweepUi.h"

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

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Command1_Click();
    void Exit_Click();
    void Howto_Click();
    void startBrowser(const QString& hostPagePath);
    void deletePage();
    void complain(const QString& text);
    QString hostPagePath() const;

    platform::Services& services_;
    // Set once this window has written the page, so leaving it knows to clean up.
    bool bPageWritten = false;
    bool centred_ = false;
    frmsetsweepUi ui_;
};
