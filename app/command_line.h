#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace vellorin {

// What the command line asks for. Without options the window opens, with the session file
// named as the one argument loaded into it.
struct CommandLine {
    enum class Mode { Window, Help, Version, UsageError };

    Mode mode = Mode::Window;
    QString sessionFile;  // the file to open in the window; empty for none
    QString error;        // with UsageError
    QString helpText;
};

// Reads the program's arguments (argv as text, the program first). Needs no application
// object, so that the mode decides which one to make.
CommandLine ParseCommandLine(const QStringList& arguments);

// The exit status of a usage error.
inline constexpr int kUsageErrorStatus = 2;

}  // namespace vellorin
