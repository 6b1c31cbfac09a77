#include "app/frmwarning.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/Centring.h"

frmwarning::frmwarning() : ui_(*this) {
    connect(ui_.cmdyes, &QPushButton::clicked, this, &frmwarning::cmdyes_Click);
    connect(ui_.cmdno, &QPushButton::clicked, this, &frmwarning::cmdno_Click);
    centreOnScreen(*this);
}

void frmwarning::cmdyes_Click() {
    answer("6");
}

void frmwarning::cmdno_Click() {
    answer("7");
}

void frmwarning::answer(const char* code) {
    answerText_ = QLatin1String(code);
    hide();  // ends the modal display; the caller reads the answer
}

// Neither button is the default or the cancel button: Enter presses only a focused
// button, and Esc does nothing, so a "do not show" tick made a moment earlier is never
// thrown away by a stray key. The title bar's close box still discards the dialog.
void frmwarning::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmwarning::reject() {
    discarded_ = true;
    QDialog::reject();
    deleteLater();
}
