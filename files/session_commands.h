#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "rounds_table.h"
#include "trainer_window.h"

namespace vellorin {

// Shown translated, in the context "SessionFile".
inline constexpr char kDefaultSessionMessage[] = QT_TRANSLATE_NOOP(
    "SessionFile",
    "Could not find default.ses in session folder. Make sure to safe a session as default.ses "
    "to eliminate this warning.");
// The file dialog's filters, "display text|pattern": the dialog translates the display texts
// where it shows them.
inline constexpr char kSessionFilter[] = "Session files|*.ses";
// Save of a table of rounds, and Load of either kind.
inline constexpr char kRoundsFilter[] = "Vellorin tables|*.vtable";
inline constexpr char kLoadFilter[] =
    "Tables|*.ses *.vtable|Session files|*.ses|Vellorin tables|*.vtable";

// A file Load reads as a table of rounds: one named *.vtable, in any case.
bool IsRoundsFile(const QString& path);

// What the start-up made of the default session: the file it read, and why it could not be
// loaded (empty when all six lines were).
struct DefaultSessionLoad {
    QString path;
    QString problem;
};

// The folder of saved sessions beside the executable, and the default session in it.
QString SessionsFolder(const QString& applicationFolder);
QString DefaultSessionPath(const QString& applicationFolder);
// The user's own sessions folder, when the application's one is not the user's to write (an
// installed program); empty when the tables are kept beside the program.
QString UserSessionsFolder(const TrainerWindow& window);
// The folder the file dialogs for tables open in: the user's own sessions folder (made on
// first use) or the one beside the program.
QString TablesDialogFolder(const TrainerWindow& window);

// Load and Save of the two kinds of table: the six settings fields (a session file), or a
// table of rounds (a table file), and the default session at start-up.
class SessionFileCommands {
public:
    explicit SessionFileCommands(TrainerWindow& window) : window_(window) {}

    // Fills the fields from the default session: the user's own one if the user keeps tables
    // apart from the program and has saved one, otherwise the one beside the program. A file with
    // fewer than six lines fills the fields it has lines for; on any failure one fixed message is
    // shown.
    DefaultSessionLoad LoadDefaultSession();
    // Asks for a file and fills the six fields from it, or changes nothing and says why.
    void LoadCmd_Click();
    // Fills the six fields from the file at path, or changes nothing and says why. Returns
    // why it could not, empty when it did.
    QString LoadFile(const QString& path);
    // Asks for a file and writes the six field texts to it, never leaving a half-written file.
    // A text holding a CR, which no line of a session file can carry, is refused first. With
    // a table of rounds in use, writes that table to a table file instead.
    void SaveCmd_Click();

    // The table of rounds in use, loaded or made; nothing while the six fields are the table.
    const std::optional<RoundsTable>& Rounds() const { return rounds_; }
    // Puts a table of rounds in use (nothing: the six fields again); path names the file it
    // was saved to, empty when it is kept in no file yet. Either way the table file is path.
    void UseRounds(std::optional<RoundsTable> table, const QString& path);
    // The same for a table edited since: written is what was last written to path while it
    // was edited (nothing when nothing was), so that a table not as its file holds it is
    // told edited.
    void UseEditedRounds(std::optional<RoundsTable> table, const QString& path,
                         std::optional<RoundsTable> written);
    // Told whenever the table of rounds in use changes.
    void SetRoundsChanged(std::function<void(const std::optional<RoundsTable>&)> changed) {
        roundsChanged_ = std::move(changed);
    }

    // The table file last loaded in full or saved (the default session included); empty when
    // none was.
    const QString& TableFile() const { return tableFile_; }
    // The fields differ from what the table file held when it was loaded or saved.
    bool Edited() const;

    // Puts back the fields and the table file as they were before the last Load; false when
    // there is no Load to undo.
    bool UndoLoad();
    bool CanUndoLoad() const { return beforeLoad_.has_value(); }

    // The files the program keeps for itself besides tables (the training log, the attempts,
    // the window's settings), which Load and Save refuse to touch.
    void SetProgramFiles(std::function<QStringList()> files) { programFiles_ = std::move(files); }

    // The user's own sessions folder, when the application's one is not the user's to write
    // (an installed program); empty when the tables are kept beside the program.
    QString UserSessionsFolder() const { return vellorin::UserSessionsFolder(window_); }

    // How the program's own file at path is called ("the training log"); empty for any other.
    QString ProgramFileName(const QString& path) const;

private:
    void FillFields(const QStringList& lines);
    // Sets up and shows the shared dialog; returns the chosen file name, empty for none.
    QString AskFileName(bool forSaving);

    TrainerWindow& window_;
    QString tableFile_;
    QStringList tableTexts_;  // the fields as the table file held them
    void SetRounds(std::optional<RoundsTable> table, std::optional<RoundsTable> saved);
    QString LoadRounds(const QString& path);
    void SaveRounds();
    // Save's file name for a table of rounds (rounds) or a session; empty when none was chosen
    // or it is one of the program's own files, which is then said.
    QString AskSaveName(bool rounds);
    // Whether the write to path succeeded, saying why not; a success makes path the table file.
    bool Written(bool rounds, const QString& path, const QString& failure);

    std::optional<RoundsTable> rounds_;
    std::optional<RoundsTable> savedRounds_;  // the table of rounds as its file holds it
    std::function<void(const std::optional<RoundsTable>&)> roundsChanged_;
    struct Fields {
        QStringList texts;
        QString tableFile;
        QStringList tableTexts;
        std::optional<RoundsTable> rounds;
        std::optional<RoundsTable> savedRounds;
    };
    std::optional<Fields> beforeLoad_;
    std::function<QStringList()> programFiles_;
};

}  // namespace vellorin
