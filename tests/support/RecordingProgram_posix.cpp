#include "support/RecordingProgram.h"

#include <gtest/gtest.h>

#include <QFile>

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

QString RecordingProgram::decodedRecord(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

}  // namespace testing_doubles
