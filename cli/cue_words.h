#pragma once

#include <QString>

namespace vellorin {

// What a listener hears from a cue file of the program's: its words ("2min30.wav": "two
// minutes thirty") or, for a tone, what the tone stands for ("(tone: hold)"); the file's name
// for one the program does not know.
QString HeardWords(const QString& cueFile);

}  // namespace vellorin
