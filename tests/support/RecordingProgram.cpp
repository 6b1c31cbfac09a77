#include "support/RecordingProgram.h"

#include <QFile>
#include <QTest>

namespace testing_doubles {

bool RecordingProgram::hasRecorded() const {
    return QFile::exists(record_);
}

QStringList RecordingProgram::arguments() const {
    QFile file(record_);
    if (!QTest::qWaitFor([&] { return file.exists(); }, 10000) || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = decodedRecord(file.readAll());
    text.chop(1);  // the NUL after the last argument
    return text.split(QChar(0));
}

}  // namespace testing_doubles
