#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testing_doubles {

// A real program to start, which writes the arguments it was given, its own path first,
// NUL-separated, and renames the file into place once complete, so a reader never sees
// half a record: a shell script on POSIX, a copy of a small recorder program on Windows.
class RecordingProgram {
  public:
    // Creates the script at scriptPath; its record goes beside it.
    explicit RecordingProgram(QString scriptPath);

    const QString& path() const { return path_; }
    bool hasRecorded() const;
    // The recorded arguments, waiting up to ten seconds for the program to run; empty
    // when it never did.
    QStringList arguments() const;

  private:
    // The record's text: UTF-8 from the script, UTF-16 from the Windows recorder.
    static QString decodedRecord(const QByteArray& bytes);

    QString path_;
    QString record_;
};

}  // namespace testing_doubles
