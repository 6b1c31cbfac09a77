#pragma once

#include <QProcess>

// Makes every file write of the process past limit bytes fail with an error instead of
// ending the process, as a full disk makes it fail; false where the host cannot.
bool limitFileSize(QProcess& process, qint64 limit);
