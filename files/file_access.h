#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileDevice>
#include <QSaveFile>
#include <QString>

namespace vellorin {

// How the program reads and writes every file it keeps: what it reads must be a regular
// file, looked at on the opened descriptor; what it writes replaces only a regular file (or
// makes a new one), through a temporary file put in place once every byte is on the disk.

// Opens path for reading into file without waiting on it (a named pipe or a device never
// blocks). Returns an empty text, or why it cannot be read: what is checked is the file that
// was opened, so a file swapped for a pipe or a device after a look at its name is refused.
QString OpenRegularFile(const QString& path, QFile& file);

// Why path cannot be written: it exists (links followed) and is not a regular file, so that
// replacing it would destroy a pipe, a device, a socket or a folder. Empty when it may be.
QString WriteTargetProblem(const QString& path);

// Opens file for writing path unbuffered, once the target has passed WriteTargetProblem.
// Returns an empty text, or why it cannot be written.
QString OpenForReplacing(QSaveFile& file, const QString& path);

// Writes all size bytes to an unbuffered file, following a short write with another for the
// rest, so that a failure leaves the file's error set. False when not all were written.
bool WriteAll(QFileDevice& file, const char* data, qint64 size);

// Waits until what was written to the open file has reached the disk. Empty, or why not.
QString SyncToDisk(QFileDevice& file);

// Puts a completely written temporary file in place once its bytes have reached the disk and
// the target is still one it may replace. Returns an empty text, or the reason (the target
// then keeps what it held and no temporary file is left).
QString SyncAndCommit(QSaveFile& file);

// The whole of a regular file of at most maxBytes bytes, or why it cannot be read.
struct FileRead {
    QByteArray bytes;
    QString problem;
};
FileRead ReadRegularFile(const QString& path, qint64 maxBytes);

// Replaces path with bytes (or makes it): a temporary file beside it, every byte written and
// synced, then put in place. Returns an empty text, or why (the target then keeps what it
// held and no temporary file is left).
QString ReplaceFileWith(const QString& path, const QByteArray& bytes);

// A write past a file-size limit is then an ordinary write error (EFBIG) instead of a signal
// that ends the process without a word. Called once, first thing, by the program.
void IgnoreFileSizeSignal();

}  // namespace vellorin
