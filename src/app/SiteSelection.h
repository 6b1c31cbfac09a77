#pragma once

struct frmTessorinUi;

// PeekShot and the sixteen sites exclude each other, whatever changed a box: a click,
// the keyboard, an Edit command or a profile load. The reactions hang on toggled(),
// which Qt emits for changes made by code as well, and only on a real change.
class SiteSelection {
  public:
    // Wires the boxes of ui to each other for as long as they exist.
    explicit SiteSelection(const frmTessorinUi& ui);

    void Checkall_Click();
    void Uncheckall_Click();

  private:
    void setAllSites(bool checked);

    const frmTessorinUi& ui_;
};
