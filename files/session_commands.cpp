#include "session_commands.h"

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
        window_.ShowMessage(kDefaultSessionMessage);
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
    static const char* const names[] = {"the training log", "the personal-best attempts",
                                        "the window's settings"};
    const QStringList files = programFiles_();
    for (qsizetype i = 0; i < files.size() && i < qsizetype(std::size(names)); ++i) {
        // The same file by any spelling, symbolic or hard link; one not there yet by where a
        // write would put it.
        if (SameFile(path, files[i])) {
            return QString::fromLatin1(names[i]);
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
    const SessionRead read =
        own.isEmpty() ? ReadSessionFile(path)
                      : SessionRead{{},
                                    QStringLiteral("Could not load \"%1\": it is %2 Vellorin "
                                                   "keeps, not a table.")
                                        .arg(path, own)};
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

QString SessionFileCommands::AskSaveName(const char* what) {
    const QString path = AskFileName(true);
    if (path.isEmpty()) {
        return {};
    }
    if (const QString own = ProgramFileName(path); !own.isEmpty()) {
        window_.ShowMessage(QStringLiteral("Could not save the %1 to \"%2\": it is %3 "
                                           "Vellorin keeps, which a table must not replace.")
                                .arg(QLatin1String(what), path, own));
        return {};
    }
    return path;
}

bool SessionFileCommands::Written(const char* what, const QString& path, const QString& failure) {
    if (!failure.isEmpty()) {
        window_.ShowMessage(QStringLiteral("Could not save the %1 to \"%2\": %3.")
                                .arg(QLatin1String(what), path, failure));
        return false;
    }
    tableFile_ = path;
    return true;
}

void SessionFileCommands::SaveRounds() {
    if (const QString path = AskSaveName("table");
        !path.isEmpty() && Written("table", path, WriteTableFile(path, *rounds_))) {
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
        const char* cannotKeep =
            text.contains(QLatin1Char('\r')) ? "a line break, which a session file cannot keep"
            : text.contains(QChar(0))        ? "a NUL character, which a session file cannot keep"
            : QString::fromLocal8Bit(text.toLocal8Bit()) != text
                ? "characters this system's encoding cannot keep in a session file"
                : nullptr;
        if (cannotKeep != nullptr) {
            window_.ShowMessage(
                QStringLiteral("Could not save the session: the field \"%1\" holds %2.")
                    .arg(FieldCaption(field), QLatin1String(cannotKeep)));
            return;
        }
        texts.append(text);
    }
    if (const QString path = AskSaveName("session");
        !path.isEmpty() && Written("session", path, WriteSessionFile(path, texts))) {
        tableTexts_ = texts;
    }
}

}  // namespace vellorin
