#include <gtest/gtest.h>

#include <QFile>

#include "support/RecordingProgram.h"

namespace testing_doubles {

// A copy of the recorder program built with the tests (TESSORIN_TEST_RECORDER), named
// <scriptPath>.exe, since Windows starts only executables; it writes its arguments, its
// own path first, as UTF-16 with a NUL after each, beside itself.
RecordingProgram::RecordingProgram(QString scriptPath)
    : path_(std::move(scriptPath) + QStringLiteral(".exe")),
      record_(path_ + QStringLiteral(".arguments")) {
    if (!QFile::copy(QStringLiteral(TESSORIN_TEST_RECORDER), path_)) {
        ADD_FAILURE() << "cannot copy the recorder to " << path_.toStdString();
    }
}

QString RecordingProgram::decodedRecord(const QByteArray& bytes) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                              bytes.size() / 2);
}

}  // namespace testing_doubles
