#pragma once

#include <QDialog>
#include <QString>

#include "app/frmwarningUi.h"

// Asks before a search opens several browser windows at once. Yes and No only hide
// it, so its "do not show" box and its answer live on for the rest of the run;
// closing it any other way throws it away.
class frmwarning final : public QDialog {
    Q_OBJECT

  public:
    frmwarning();

    // "6" after Yes, "7" after No, empty before the first answer.
    QString answerText() const { return answerText_; }
    const frmwarningUi& ui() const { return ui_; }

    // True once the user closed the dialog without answering; it is deleted shortly.
    bool isDiscarded() const { return discarded_; }

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmdyes_Click();
    void cmdno_Click();
    void answer(const char* code);

    frmwarningUi ui_;
    QString answerText_;
    bool discarded_ = false;
};
