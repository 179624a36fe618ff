#include "session_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <iterator>
#include <utility>

#include "same_file.h"
#include "session_file.h"
#include "vtable_file.h"

namespace vellorin {

bool IsRoundsFile(const QString& path) {
    return path.endsWith(QStringLiteral(".vtable"), Qt::CaseInsensitive);
}

QString SessionsFolder(const QString& applicationFolder) {
    return applicationFolder + QDir::separator() + "sessions";
}

QString DefaultSessionPath(const QString& applicationFolder) {
    return SessionsFolder(applicationFolder) + QDir::separator() + "default.ses";
}

namespace {

// Whether the user can create a file in folder: tried, so that ownership, permissions, ACLs
// and read-only mounts all have their say.
bool CanWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QDir::separator() + ".vellorin-XXXXXX");
    return probe.open();
}

}  // namespace

QString UserSessionsFolder(const TrainerWindow& window) {
    const QString userData = window.UserDataFolder();
    const QString shipped = SessionsFolder(window.ApplicationFolder());
    if (userData.isEmpty() ||
        CanWriteIn(QFileInfo(shipped).isDir() ? shipped : window.ApplicationFolder())) {
        return {};
    }
    return userData + QDir::separator() + "sessions";
}

QString TablesDialogFolder(const TrainerWindow& window) {
    const QString folder = UserSessionsFolder(window);
    if (folder.isEmpty()) {
        return SessionsFolder(window.ApplicationFolder());
    }
    QDir().mkpath(folder);  // made on first use
    return folder;
}

DefaultSessionLoad SessionFileCommands::LoadDefaultSession() {
    QString path = DefaultSessionPath(window_.ApplicationFolder());
    if (const QString own = UserSessionsFolder(); !own.isEmpty()) {
        const QString usersDefault = own + QDir::separator() + "default.ses";
        if (QFileInfo::exists(usersDefault)) {
            path = usersDefault;
        }
    }
    const SessionRead read = ReadSessionFile(path);
    // A file that ended early fills the fields it has lines for; any other failure (no file,
    // not a regular file, a read error, a line no field can hold) fills none.
    if (read.problem.isEmpty() || read.endedEarly) {
        FillFields(read.lines);
    }
    if (!read.problem.isEmpty()) {
        window_.ShowMessage(QCoreApplication::translate("SessionFile", kDefaultSessionMessage));
    } else {
        tableFile_ = path;
        tableTexts_ = FieldTexts(window_);
    }
    return {path, read.problem};
}

bool SessionFileCommands::Edited() const {
    if (rounds_) {
        return rounds_ != savedRounds_;
    }
    return !tableFile_.isEmpty() && FieldTexts(window_) != tableTexts_;
}

bool SessionFileCommands::UndoLoad() {
    if (!beforeLoad_) {
        return false;
    }
    const Fields before = *std::exchange(beforeLoad_, std::nullopt);
    FillFields(before.texts);
    tableFile_ = before.tableFile;
    tableTexts_ = before.tableTexts;
    SetRounds(before.rounds, before.savedRounds);
    return true;
}

QString SessionFileCommands::ProgramFileName(const QString& path) const {
    if (!programFiles_) {
        return {};
    }
    //: One of Vellorin's own files, named in "it is the training log Vellorin keeps, not a
    //: table" (and so are the other two).
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("SessionFile", "the training log"),
        //: One of Vellorin's own files: the attempts of personal-best tests.
        QT_TRANSLATE_NOOP("SessionFile", "the personal-best attempts"),
        //: One of Vellorin's own files: the window's size and other settings.
        QT_TRANSLATE_NOOP("SessionFile", "the window's settings")};
    const QStringList files = programFiles_();
    for (qsizetype i = 0; i < files.size() && i < qsizetype(std::size(names)); ++i) {
        // The same file by any spelling, symbolic or hard link; one not there yet by where a
        // write would put it.
        if (SameFile(path, files[i])) {
            return QCoreApplication::translate("SessionFile", names[i]);
        }
    }
    return {};
}

void SessionFileCommands::FillFields(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size() && i < kSessionLines; ++i) {
        window_.SetFieldText(kSettingsFields[i], lines[i]);
    }
}

QString SessionFileCommands::AskFileName(bool forSaving) {
    CommonDialog& dialog = window_.CommonDialog1();
    dialog.CancelError = false;
    dialog.Filter = !forSaving ? kLoadFilter : rounds_ ? kRoundsFilter : kSessionFilter;
    const QString folder = TablesDialogFolder(window_);
    dialog.InitDir = QDir(folder).exists() ? folder : QString();
    // Save proposes the table's own name: where it lies, or in the user's own folder when
    // it is the program's (read-only) one.
    dialog.ProposedFile.clear();
    if (forSaving && !tableFile_.isEmpty()) {
        const QFileInfo table(tableFile_);
        const bool programs = QFileInfo(SessionsFolder(window_.ApplicationFolder())) ==
                              QFileInfo(table.absolutePath());
        dialog.ProposedFile = programs && !UserSessionsFolder().isEmpty()
                                  ? folder + QDir::separator() + table.fileName()
                                  : tableFile_;
        if (rounds_ != std::nullopt && !IsRoundsFile(dialog.ProposedFile)) {
            // A table of rounds made from a session file is proposed beside it.
            const QFileInfo proposed(dialog.ProposedFile);
            dialog.ProposedFile = proposed.path() + QDir::separator() +
                                  proposed.completeBaseName() + QStringLiteral(".vtable");
        }
        if (!ProgramFileName(dialog.ProposedFile).isEmpty()) {
            dialog.ProposedFile.clear();
        }
    }
    if (forSaving) {
        dialog.ShowSave();
    } else {
        dialog.ShowOpen();
    }
    return dialog.FileName();
}

void SessionFileCommands::LoadCmd_Click() {
    const QString path = AskFileName(false);
    if (!path.isEmpty()) {
        LoadFile(path);
    }
}

QString SessionFileCommands::LoadFile(const QString& path) {
    const QString own = ProgramFileName(path);
    if (own.isEmpty() && IsRoundsFile(path)) {
        return LoadRounds(path);
    }
    SessionRead read;
    if (own.isEmpty()) {
        read = ReadSessionFile(path);
    } else {
        //: %1 is a file's name, %2 one of Vellorin's own files, such as "the training log".
        read.problem =
            QCoreApplication::translate(
                "SessionFile", "Could not load \"%1\": it is %2 Vellorin keeps, not a table.")
                .arg(path, own);
    }
    if (!read.problem.isEmpty()) {
        window_.ShowMessage(read.problem);
        return read.problem;
    }
    beforeLoad_ = Fields{FieldTexts(window_), tableFile_, tableTexts_, rounds_, savedRounds_};
    FillFields(read.lines);
    tableFile_ = path;
    tableTexts_ = FieldTexts(window_);
    SetRounds(std::nullopt, std::nullopt);
    return {};
}

QString SessionFileCommands::LoadRounds(const QString& path) {
    const TableFileRead read = ReadTableFile(path);
    if (!read.table) {
        window_.ShowMessage(read.problem);
        return read.problem;
    }
    beforeLoad_ = Fields{FieldTexts(window_), tableFile_, tableTexts_, rounds_, savedRounds_};
    tableFile_ = path;
    SetRounds(read.table, read.table);
    return {};
}

void SessionFileCommands::UseRounds(std::optional<RoundsTable> table, const QString& path) {
    // A table made in the window is kept in no file until it is saved; the six fields go
    // back to being the table as they stand.
    tableFile_ = path;
    SetRounds(table, path.isEmpty() ? std::nullopt : table);
    if (!table) {
        tableTexts_ = FieldTexts(window_);
    }
}

void SessionFileCommands::UseEditedRounds(std::optional<RoundsTable> table, const QString& path,
                                          std::optional<RoundsTable> written) {
    // Nothing written: the file holds what it held when it became the table file.
    std::optional<RoundsTable> saved = written              ? std::move(written)
                                       : path == tableFile_ ? savedRounds_
                                                            : std::nullopt;
    tableFile_ = path;
    SetRounds(std::move(table), path.isEmpty() ? std::nullopt : std::move(saved));
}

void SessionFileCommands::SetRounds(std::optional<RoundsTable> table,
                                    std::optional<RoundsTable> saved) {
    rounds_ = std::move(table);
    savedRounds_ = std::move(saved);
    if (roundsChanged_) {
        roundsChanged_(rounds_);
    }
}

QString SessionFileCommands::AskSaveName(bool rounds) {
    const QString path = AskFileName(true);
    if (path.isEmpty()) {
        return {};
    }
    if (const QString own = ProgramFileName(path); !own.isEmpty()) {
        //: %1 is a file's name, %2 one of Vellorin's own files, such as "the training log".
        QString text =
            QCoreApplication::translate("SessionFile",
                                        "Could not save the session to \"%1\": it is %2 "
                                        "Vellorin keeps, which a table must not replace.");
        if (rounds) {
            //: %1 is a file's name, %2 one of Vellorin's own files.
            text = QCoreApplication::translate("SessionFile",
                                               "Could not save the table to \"%1\": it is %2 "
                                               "Vellorin keeps, which a table must not replace.");
        }
        window_.ShowMessage(text.arg(path, own));
        return {};
    }
    return path;
}

bool SessionFileCommands::Written(bool rounds, const QString& path, const QString& failure) {
    if (!failure.isEmpty()) {
        //: %1 is a file's name, %2 the reason it could not be written.
        QString text =
            QCoreApplication::translate("SessionFile", "Could not save the session to \"%1\": %2.");
        if (rounds) {
            //: %1 is a file's name, %2 the reason it could not be written.
            text = QCoreApplication::translate("SessionFile",
                                               "Could not save the table to \"%1\": %2.");
        }
        window_.ShowMessage(text.arg(path, failure));
        return false;
    }
    tableFile_ = path;
    return true;
}

void SessionFileCommands::SaveRounds() {
    if (const QString path = AskSaveName(true);
        !path.isEmpty() && Written(true, path, WriteTableFile(path, *rounds_))) {
        savedRounds_ = rounds_;
    }
}

void SessionFileCommands::SaveCmd_Click() {
    if (rounds_) {
        SaveRounds();
        return;
    }
    QStringList texts;
    for (Field field : kSettingsFields) {
        const QString text = window_.FieldText(field);
        // A CR ends a line in a session file, so a text holding one would load back shifted;
        // characters the system's encoding has no bytes for would load back as others.
        QString cannotKeep;
        if (text.contains(QLatin1Char('\r'))) {
            //: %1 is a settings field's name, such as "Initial rest time".
            cannotKeep =
                QCoreApplication::translate("SessionFile",
                                            "Could not save the session: the field \"%1\" holds a "
                                            "line break, which a session file cannot keep.");
        } else if (text.contains(QChar(0))) {
            cannotKeep =
                QCoreApplication::translate("SessionFile",
                                            "Could not save the session: the field \"%1\" holds a "
                                            "NUL character, which a session file cannot keep.");
        } else if (QString::fromLocal8Bit(text.toLocal8Bit()) != text) {
            cannotKeep = QCoreApplication::translate(
                "SessionFile",
                "Could not save the session: the field \"%1\" holds characters this system's "
                "encoding cannot keep in a session file.");
        }
        if (!cannotKeep.isEmpty()) {
            window_.ShowMessage(cannotKeep.arg(FieldCaption(field)));
            return;
        }
        texts.append(text);
    }
    if (const QString path = AskSaveName(false);
        !path.isEmpty() && Written(false, path, WriteSessionFile(path, texts))) {
        tableTexts_ = texts;
    }
}

}  // namespace vellorin
