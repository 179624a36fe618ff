#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace vellorin::testing {

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A text beyond ASCII that the system's encoding keeps: UTF-8 keeps every character, Windows'
// code page only some.
#ifdef Q_OS_WIN
constexpr char kBeyondAscii[] = "Ruhe für Äpfel";
#else
constexpr char kBeyondAscii[] = "Ruhe für Äpfel ✓";
#endif

// Makes a named pipe at path: no regular file, and a reader that waited for a writer would hang.
// Windows' folders hold no pipes; there a folder stands for the file that is not one.
inline bool MakeNamedPipe(const QString& path) {
#ifdef Q_OS_UNIX
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
#else
    return QDir().mkdir(path);
#endif
}

}  // namespace vellorin::testing
