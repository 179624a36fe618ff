#pragma once

#include <QByteArray>
#include <QString>

namespace vellorin {

// text with every control character (C0, DEL, C1) written as an escape such as "\x1b", so
// that a field text or a file name printed to a terminal can neither move its cursor, change
// its colours nor break a line.
QString Printable(const QString& text);

// The bytes of a name that is not valid in the system's encoding, the invalid bytes written
// as escapes ("caf\xe9.ses").
QString PrintableBytes(const QByteArray& bytes);

// A reason that goes inside a sentence of the program's own: without the full stop (or stops)
// it may end with, so that the sentence ends with exactly one.
QString WithoutFullStop(QString reason);

}  // namespace vellorin
