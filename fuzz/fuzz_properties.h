#pragma once

#include <QByteArray>
#include <QString>

namespace vellorin::fuzz {

// The properties the fuzzers hold the program to. Each takes one input of arbitrary bytes and
// returns what went wrong, or an empty text when every property held. The regression test
// replays the inputs the fuzzers once found through the same functions.

// The session-file reader on these bytes returns either all six lines, none longer than a
// field holds, or none at all with a reason; and six field texts made from these bytes,
// written as a session file and read back, come back unchanged.
QString CheckSessionFileInput(const QByteArray& data);

// A field text made from these bytes (under one of several locales, chosen by the first
// byte) is either refused with the program's own error or gives a finite number, which
// RoundToLong either refuses or rounds to the nearest 32-bit integer, ties to even. The
// first eight bytes taken as a double go through RoundToLong the same way.
QString CheckFieldValueInput(const QByteArray& data);

// The cue decoder on these bytes either refuses them with a reason and no samples, or gives
// a cue of at most a minute at a sample rate a cue can have, which reads back sample for
// sample once written as the sound output plays it.
QString CheckCueFileInput(const QByteArray& data);

// The attempts reader on these bytes gives at most one attempt or skipped line a line, each
// attempt a moment and a hold of at least a second, and the attempts written as lines read
// back as the same attempts with nothing skipped.
QString CheckAttemptsInput(const QByteArray& data);

// The training-log reader on these bytes gives rows that, written again as the log writes
// them, read back as the same rows with nothing left out.
QString CheckTrainingLogInput(const QByteArray& data);

// The table-file reader on these bytes either refuses them with a reason or gives a table
// that can be run, which written as a table file reads back as the same table, in the same
// bytes when written again.
QString CheckTableFileInput(const QByteArray& data);

// The cue-profile reader on these bytes either refuses them naming the file, or gives a
// profile that can be heard, reads back the same when written, and schedules its cues.
QString CheckProfileFileInput(const QByteArray& data);

// The sensor packets: the first byte picks the protocol, the rest is one notification. It is
// taken without a fault; a heart rate read is the one its bytes hold, SpO2 lies in 0-100 %
// and pulse in 0-300 bpm; the BerryMed stream reads the same packets fed whole or byte by
// byte, and accounts for every byte once.
QString CheckSensorPacketInput(const QByteArray& data);

}  // namespace vellorin::fuzz
