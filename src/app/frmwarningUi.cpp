#include "app/frmwarningUi.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

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

frmwarningUi::frmwarningUi(QDialog& window) {
    window.setObjectName(QStringLiteral("frmwarning"));
    window.setWindowTitle(QStringLiteral("Tessorin - Alert!"));
    window.setWindowIcon(programIcon());
    window.setFont(dialogFont());
    window.setWindowFlags(fixedWindowFlags(Qt::Dialog));
    window.setFixedSize(twips::size(3015, 1665));

    chkdontshow =
        placed(new QCheckBox(QStringLiteral("In the future, do not show this warning"), &window),
               "chkdontshow", twips::rect(25, 1320, 3015, 375));
    cmdyes =
        answerButton(&window, "cmdyes", QStringLiteral("Yes"), twips::rect(600, 960, 735, 375));
    cmdno = answerButton(&window, "cmdno", QStringLiteral("No"), twips::rect(1680, 960, 735, 375));
    Label1 = placed(
        new QLabel(QStringLiteral("A browser window will open for EACH search site you checked."),
                   &window),
        "Label1", twips::rect(120, 120, 2775, 495));
    Label1->setWordWrap(true);
    Label2 = placed(new QLabel(QStringLiteral("Are you sure you want to continue?"), &window),
                    "Label2", twips::rect(240, 600, 2535, 255));

    QWidget::setTabOrder(chkdontshow, cmdyes);
    QWidget::setTabOrder(cmdyes, cmdno);
    chkdontshow->setFocus();
}
