#pragma once

#include <QString>

#include "trainer_window.h"

namespace vellorin {

inline constexpr char kDefaultSessionMessage[] =
    "Could not find default.ses in session folder. Make sure to safe a session as default.ses "
    "to eliminate this warning.";
inline constexpr char kSessionFilter[] = "Session Files *.ses |*.ses";

// The folder of saved sessions beside the executable, and the default session in it.
QString SessionsFolder(const QString& applicationFolder);
QString DefaultSessionPath(const QString& applicationFolder);

// Load and Save of the six settings fields, and the default session at start-up.
class SessionFileCommands {
public:
    explicit SessionFileCommands(TrainerWindow& window) : window_(window) {}

    // Fills the fields line by line from the default session; on any failure the fields
    // read so far keep their new text and one fixed message is shown. True when all six
    // lines were read.
    bool LoadDefaultSession();
    // Asks for a file and fills the six fields from it, or changes nothing and says why.
    void LoadCmd_Click();
    // Asks for a file and writes the six field texts to it, never leaving a half-written file.
    void SaveCmd_Click();

private:
    // Sets up and shows the shared dialog; returns the chosen file name, empty for none.
    QString AskFileName(bool forSaving);

    TrainerWindow& window_;
};

}  // namespace vellorin
