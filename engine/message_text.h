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

// Qt fills a plural form's %n only with an int's plain digits. PluralCount is the count to
// choose the form by, for a count (never negative) of any size: the count itself when an int
// holds it, else a number of seven digits with the same last two, all any plural rule reads.
int PluralCount(qint64 count);
// A text translated with PluralCount(count), its %n then written as shown ("5,000", or a count
// beyond an int). The digits replaced differ from shown only from 1000 on, so they never match
// a placeholder such as %1.
QString ShownCount(QString text, qint64 count, const QString& shown);

}  // namespace vellorin
