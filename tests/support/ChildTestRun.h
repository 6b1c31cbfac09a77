#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <optional>

// Some conditions hold for a whole process (XDG folders read once, a file-size limit), so
// a test sets them up for a child: this same test program, run again for only the tests
// that match filter, with the variables in extra added to its environment.
struct ChildTestRun {
    bool finished = false;
    int exitCode = -1;
    QByteArray output;
};

// With fileSizeLimit, every write of the child past that many bytes of a file fails the
// way it does on a full disk; nullopt from the run where the host has no such limit.
std::optional<ChildTestRun> runTestsInChild(const QString& filter, const QProcessEnvironment& extra,
                                            std::optional<qint64> fileSizeLimit = std::nullopt);

// Whether this process runs as such a child: only then do the child's own tests act.
bool isChildTestRun();

// Runs the child tests matching filter, with variable set to value, on a "full disk" (no
// file may grow past limit bytes), and expects them to pass. Where the host cannot limit
// a file's size the calling test is skipped: check IsSkipped() after the call.
void runChildOnAFullDisk(const QString& filter, const char* variable, const QString& value,
                         qint64 limit);
