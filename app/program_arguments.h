#pragma once

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

// On Windows, a program built for the desktop has no console: what a command-line mode prints
// goes to the console of the command prompt it was started from, unless it is redirected.
void UseStartingConsole();

}  // namespace vellorin
