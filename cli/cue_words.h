#pragma once

#include <QString>

namespace vellorin {

// What a listener hears from a cue file of the program's: its words ("2min30.wav": "two
// minutes thirty") or, for a tone, what the tone stands for ("(tone: hold)"); the file's name
// for one the program does not know. Where the cue language (CueLanguage) has its own file of
// that cue beside the program in applicationFolder, its words in that language.
QString HeardWords(const QString& cueFile, const QString& applicationFolder = {});

}  // namespace vellorin
