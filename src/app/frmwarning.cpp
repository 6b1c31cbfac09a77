#include "app/frmwarning.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/Centring.h"
#include "ui/DialogFont.h"
#include "ui/ProgramIcon.h"
#include "ui/Twips.h"
#include "ui/WindowDefinition.h"

namespace {

QPushButton* answerButton(QWidget* parent, const char* name, const QString& caption, QRect at) {
    auto* button = placed(new QPushButton(caption, parent), name, at);
    // Enter presses a button only while it has the focus; neither is the default. An
    // auto-default button would not do: a dialog shown without a default makes its first
    // auto-default button the default, and Enter on the check box would then answer Yes.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

frmwarning::frmwarning() {
    setObjectName(QStringLiteral("frmwarning"));
    setWindowTitle(QStringLiteral("Tessorin - Alert!"));
    setWindowIcon(programIcon());
    setFont(dialogFont());
    setWindowFlags(fixedWindowFlags(Qt::Dialog));
    setFixedSize(twips::size(3015, 1665));

    chkdontshow =
        placed(new QCheckBox(QStringLiteral("In the future, do not show this warning"), this),
               "chkdontshow", twips::rect(25, 1320, 3015, 375));
    auto* cmdyes =
        answerButton(this, "cmdyes", QStringLiteral("Yes"), twips::rect(600, 960, 735, 375));
    auto* cmdno =
        answerButton(this, "cmdno", QStringLiteral("No"), twips::rect(1680, 960, 735, 375));
    QLabel* question = placed(
        new QLabel(QStringLiteral("A browser window will open for EACH search site you checked."),
                   this),
        "Label1", twips::rect(120, 120, 2775, 495));
    question->setWordWrap(true);
    placed(new QLabel(QStringLiteral("Are you sure you want to continue?"), this), "Label2",
           twips::rect(240, 600, 2535, 255));

    setTabOrder(chkdontshow, cmdyes);
    setTabOrder(cmdyes, cmdno);
    chkdontshow->setFocus();
    connect(cmdyes, &QPushButton::clicked, this, &frmwarning::cmdyes_Click);
    connect(cmdno, &QPushButton::clicked, this, &frmwarning::cmdno_Click);

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
