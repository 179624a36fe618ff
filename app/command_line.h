#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace vellorin {

// What the command line asks for. Without options the window opens, with the session file
// named as the one argument loaded into it; --table and --export-audio run without a window.
struct CommandLine {
    enum class Mode { Window, Help, Version, Table, ExportAudio, NewTable, UsageError };

    Mode mode = Mode::Window;
    QString sessionFile;   // the file to open, print or export; empty for none
    QString output;        // with ExportAudio, the audio file to write; with NewTable, the table
    QString tableKind;     // with NewTable, the preset's key as typed ("co2", "wonka"...)
    QString personalBest;  // with NewTable, the PB as typed; empty for a preset that uses none
    QString profile;       // with Table and ExportAudio, the cue profile asked for; empty for
                           // the table's own or the user's default
    bool cues = false;     // with Table, the cues heard instead of the table
    QString error;         // with UsageError
    QString helpText;
};

// Reads the program's arguments (argv as text, the program first). Needs no application
// object, so that the mode decides which one to make.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace vellorin
