#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace vellorin::bench {

struct ChildRun {
    int status = -1;     // its exit status, or 128 + the signal that ended it
    double peakMiB = 0;  // its peak resident memory
    bool timedOut = false;
};

// Runs program with arguments, with environment ("NAME=value" each) put over this process's
// own, and hands every line it writes (standard output and error together) to onLine with the
// milliseconds since it was started. Once onLine returns true, or after timeoutMs, the
// program is asked to end (SIGTERM, then SIGKILL after 10 s).
ChildRun RunChild(const QByteArray& program, const QList<QByteArray>& arguments,
                  const QList<QByteArray>& environment,
                  const std::function<bool(const QByteArray& line, double ms)>& onLine,
                  int timeoutMs);

// The environment of a program whose folders are all in root, none of the user's: its home,
// settings, data (log, samples) and runtime folders, and no display.
QList<QByteArray> HomeIn(const QString& root);

}  // namespace vellorin::bench
