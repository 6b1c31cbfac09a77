#include "support/RecordingProgram.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

namespace testing_doubles {

RecordingProgram::RecordingProgram(QString scriptPath)
    : path_(std::move(scriptPath)), record_(path_ + QStringLiteral(".arguments")) {
    QFile script(path_);
    if (!script.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << path_.toStdString();
        return;
    }
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > '%1.part' && "
                                "mv '%1.part' '%1'\n")
                     .arg(record_)
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
}

bool RecordingProgram::hasRecorded() const {
    return QFile::exists(record_);
}

QStringList RecordingProgram::arguments() const {
    QFile file(record_);
    if (!QTest::qWaitFor([&] { return file.exists(); }, 10000) || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.chop(1);  // the NUL after the last argument
    return text.split(QChar(0));
}

}  // namespace testing_doubles
