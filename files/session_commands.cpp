#include "session_commands.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include "session_file.h"

namespace vellorin {

QString SessionsFolder(const QString& applicationFolder) {
    return applicationFolder + QDir::separator() + "sessions";
}

QString DefaultSessionPath(const QString& applicationFolder) {
    return SessionsFolder(applicationFolder) + QDir::separator() + "default.ses";
}

bool SessionFileCommands::LoadDefaultSession() {
    QFile file(DefaultSessionPath(window_.ApplicationFolder()));
    if (file.open(QIODevice::ReadOnly)) {
        SessionLineReader reader(file);
        int filled = 0;
        for (Field field : kSettingsFields) {
            std::optional<QString> line = reader.NextLine();
            if (!line) {
                break;
            }
            window_.SetFieldText(field, *line);
            ++filled;
        }
        if (filled == kSessionLines) {
            return true;
        }
    }
    window_.ShowMessage(kDefaultSessionMessage);
    return false;
}

QString SessionFileCommands::AskFileName(bool forSaving) {
    CommonDialog& dialog = window_.CommonDialog1();
    dialog.CancelError = false;
    dialog.Filter = kSessionFilter;
    const QString folder = SessionsFolder(window_.ApplicationFolder());
    dialog.InitDir = QDir(folder).exists() ? folder : QString();
    if (forSaving) {
        dialog.ShowSave();
    } else {
        dialog.ShowOpen();
    }
    return dialog.FileName();
}

void SessionFileCommands::LoadCmd_Click() {
    const QString path = AskFileName(false);
    if (path.isEmpty()) {
        return;
    }
    const SessionRead read = ReadSessionFile(path);
    if (!read.problem.isEmpty()) {
        window_.ShowMessage(read.problem);
        return;
    }
    for (int i = 0; i < kSessionLines; ++i) {
        window_.SetFieldText(kSettingsFields[i], read.lines[i]);
    }
}

void SessionFileCommands::SaveCmd_Click() {
    const QString path = AskFileName(true);
    if (path.isEmpty()) {
        return;
    }
    QStringList texts;
    for (Field field : kSettingsFields) {
        texts.append(window_.FieldText(field));
    }
    const QString failure = WriteSessionFile(path, texts);
    if (!failure.isEmpty()) {
        window_.ShowMessage(
            QStringLiteral("Could not save the session to \"%1\": %2.").arg(path, failure));
    }
}

}  // namespace vellorin
