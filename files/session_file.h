#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <optional>

#include "file_access.h"

namespace vellorin {

// A session file is six lines of field text (intro, hold, hold increase, rest, rest
// decrease, loops), each ending with CR LF, in the system's 8-bit code page. Nothing else:
// no header, no names, the position of a line says which setting it holds.
inline constexpr int kSessionLines = 6;
// The longest line a settings field can hold.
inline constexpr int kMaxLineLength = 32767;

// The bytes of a session file holding these texts, written character for character.
QByteArray SessionFileBytes(const QStringList& texts);

// Reads a session file's lines one at a time. A line ends at a CR, and an LF right after
// it belongs to that ending; an LF on its own is part of the line's text. The last line
// may end at the end of the file.
class SessionLineReader {
public:
    // NotText: the line holds a NUL byte or bytes the system's encoding has no characters for,
    // as no text a field can hold does.
    enum class Status { Ok, EndOfFile, TooLong, NotText, ReadError };

    explicit SessionLineReader(QIODevice& device) : device_(device) {}

    // The next line, or nothing with status() telling why.
    std::optional<QString> NextLine();
    Status status() const { return status_; }

private:
    QIODevice& device_;
    Status status_ = Status::Ok;
};

// The six lines of a session file, or a sentence that says why it cannot be loaded.
struct SessionRead {
    QStringList lines;        // all six; for a file that ended early, the lines it holds
    QString problem;          // empty when the six lines were read
    bool endedEarly = false;  // the file was read to its end and held fewer than six lines
};
// Opens path without waiting on it (a named pipe or a device never blocks) and reads the
// file only when what was opened is a regular file.
SessionRead ReadSessionFile(const QString& path);
// The same from a device opened for reading; path names the file in the problem.
SessionRead ReadSessionLines(QIODevice& device, const QString& path);

// Writes the six texts to path through a temporary file that replaces the target only once
// every byte has reached the disk; a target that is not a regular file is never replaced. Returns
// an empty text, or the system's reason for the failure (the target then keeps what it held).
QString WriteSessionFile(const QString& path, const QStringList& texts);

}  // namespace vellorin
