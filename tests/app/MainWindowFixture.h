#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/frmTessorin.h"
#include "app/frmwarning.h"
#include "support/Doubles.h"

// A real main window over the test doubles, with its install folder holding a
// Websites.ini of recognisable addresses ("https://<caption>/?q=" + query + "&<caption>").
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window now; tests that need files in place beforehand write them first.
    frmTessorin& window();
    void writeInstallFile(const QString& name, const QByteArray& bytes);
    void writeSettings(const QByteArray& bytes);
    QByteArray settingsBytes() const;

    QCheckBox* box(const char* name);
    QLineEdit* query() { return window().ui().txtsearch; }
    void typeQuery(const QString& text);
    void click(QWidget* widget);
    void pressSearch();
    void triggerMenu(const char* actionName);

    // Answers the bulk-open dialog when it comes up, optionally ticking its box first.
    void answerWarningWith(const char* buttonName, bool tickDontShow = false);
    bool warningWasShown() const { return warningShown_; }

    // The address each browser start was given, in order.
    QStringList openedAddresses() const;

    testing_doubles::TestServices doubles_;

  private:
    std::unique_ptr<frmTessorin> window_;
    bool warningShown_ = false;
};
