#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vellorin {

// The program's arguments as text. On Windows they are read from the wide command line, so
// that every file name arrives whole; elsewhere they are argv in the system's encoding.
QStringList ProgramArguments(int argc, char** argv);

// The first argument whose bytes the system's encoding cannot represent as text, shown with
// those bytes escaped; empty when there is none. Such a name would be looked up, or written,
// under another name. Never on Windows, whose arguments are read as text.
QString UnrepresentableArgument(int argc, char** argv);

// The file name an argument reads as (name), made absolute, in the file system's bytes: on
// Linux the argument's own bytes, so that a name no text can hold is passed on whole. Empty
// for an empty name.
QByteArray AbsoluteNameBytes(int argc, char** argv, const QString& name);

// Takes out of Qt's arguments (the first argc of argv) each option that names a file Qt
// itself opens, the style sheet and the window icon, whose file is not a regular file that
// can be read: Qt would wait for ever on a named pipe. argc shrinks by what was taken out.
// Returns a sentence for each, naming the file and the reason.
QStringList LeaveOutUnusableQtFiles(int& argc, char** argv);

// On Windows, a program built for the desktop has no console: what a command-line mode prints
// goes to the console of the command prompt it was started from, unless it is redirected.
void UseStartingConsole();

}  // namespace vellorin
