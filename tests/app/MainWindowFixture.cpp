#include "app/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "app/SiteTable.h"
#include "platform/programs/WindowsCommandLine.h"

namespace {

QByteArray recognisableWebsitesIni() {
    QByteArray ini = "[Tessorin]\r\n";
    for (const SiteDefinition& site : kSites) {
        const QByteArray caption(site.caption);
        ini += caption + "=https://" + caption + "/?q=\r\n";
        // A suffix key for every site: those without one in the window must ignore it.
        ini += caption + " end=&" + caption + "\r\n";
    }
    ini += "PeekShot (Lugnet Popup)=https://peekshot/set/\r\n";
    return ini;
}

}  // namespace

void MainWindowTest::SetUp() {
    writeInstallFile(QStringLiteral("Websites.ini"), recognisableWebsitesIni());
}

void MainWindowTest::TearDown() {
    // Close any modal left open by a failed test, so the next test starts clean.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->hide();
    }
    window_.reset();
}

frmTessorin& MainWindowTest::window() {
    if (!window_) {
        window_ = std::make_unique<frmTessorin>(doubles_.services);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    return *window_;
}

void MainWindowTest::writeInstallFile(const QString& name, const QByteArray& bytes) {
    QFile file(doubles_.installFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void MainWindowTest::writeSettings(const QByteArray& bytes) {
    QDir().mkpath(doubles_.services.paths.userConfigDir);
    QFile file(doubles_.settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray MainWindowTest::settingsBytes() const {
    QFile file(doubles_.settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QCheckBox* MainWindowTest::box(const char* name) {
    QCheckBox* found = window().findChild<QCheckBox*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void MainWindowTest::typeQuery(const QString& text) {
    query()->clear();
    QTest::keyClicks(query(), text);
}

void MainWindowTest::click(QWidget* widget) {
    // A click where a person would aim: the middle of the box's indicator and caption.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

void MainWindowTest::pressSearch() {
    click(window().ui().cmdView);
}

void MainWindowTest::triggerMenu(const char* actionName) {
    QAction* action = window().findChild<QAction*>(QLatin1String(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    action->trigger();
}

void MainWindowTest::answerWarningWith(const char* buttonName, bool tickDontShow) {
    const QByteArray button(buttonName);
    auto* poll = new QTimer(&window());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, button, tickDontShow] {
        auto* dialog = qobject_cast<frmwarning*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            return;
        }
        poll->deleteLater();
        warningShown_ = true;
        if (tickDontShow) {
            QTest::mouseClick(dialog->ui().chkdontshow, Qt::LeftButton, {},
                              QPoint(8, dialog->ui().chkdontshow->height() / 2));
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button.constData())),
                          Qt::LeftButton);
    });
    poll->start();
}

QStringList MainWindowTest::openedAddresses() const {
    QStringList addresses;
    for (const QString& line : doubles_.programs.commandLines) {
        const QStringList arguments = platform::splitWindowsCommandLine(line);
        EXPECT_EQ(arguments.size(), 2) << line.toStdString();
        EXPECT_EQ(arguments.value(0), QStringLiteral("/usr/bin/test-browser"));
        addresses << arguments.value(1);
    }
    return addresses;
}
