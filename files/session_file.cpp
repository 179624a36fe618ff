#include "session_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vellorin {
namespace {

// A text of kMaxLineLength characters takes at most four bytes a character in any
// 8-bit or multi-byte code page; reading stops there, whatever the file holds.
constexpr qsizetype kMaxLineBytes = qsizetype{kMaxLineLength} * 4;

}  // namespace

QByteArray SessionFileBytes(const QStringList& texts) {
    QByteArray bytes;
    for (const QString& text : texts) {
        bytes += text.toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QString> SessionLineReader::NextLine() {
    QByteArray bytes;
    char c = 0;
    bool ended = false;
    while (device_.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (device_.peek(&next, 1) == 1 && next == '\n') {
                device_.getChar(&next);
            }
            ended = true;
            break;
        }
        if (bytes.size() == kMaxLineBytes) {
            status_ = Status::TooLong;
            return std::nullopt;
        }
        bytes += c;
    }
    if (!ended && bytes.isEmpty()) {
        status_ = device_.atEnd() ? Status::EndOfFile : Status::ReadError;
        return std::nullopt;
    }
    QString line = QString::fromLocal8Bit(bytes);
    if (line.size() > kMaxLineLength) {
        status_ = Status::TooLong;
        return std::nullopt;
    }
    return line;
}

SessionRead ReadSessionFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return {{}, QStringLiteral("Could not load \"%1\": it is not a file.").arg(path)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, QStringLiteral("Could not load \"%1\": %2.").arg(path, file.errorString())};
    }
    return ReadSessionLines(file, path);
}

SessionRead ReadSessionLines(QIODevice& device, const QString& path) {
    const QString name = QStringLiteral("\"%1\"").arg(path);
    SessionLineReader reader(device);
    QStringList lines;
    while (lines.size() < kSessionLines) {
        std::optional<QString> line = reader.NextLine();
        if (!line) {
            break;
        }
        lines.append(*line);
    }
    switch (reader.status()) {
        case SessionLineReader::Status::Ok:
            return {lines, {}};
        case SessionLineReader::Status::EndOfFile:
            return {{},
                    QStringLiteral("Could not load %1: it holds only %2 of the %3 lines of a "
                                   "session.")
                        .arg(name)
                        .arg(lines.size())
                        .arg(kSessionLines)};
        case SessionLineReader::Status::TooLong:
            return {{},
                    QStringLiteral("Could not load %1: line %2 is longer than %3 characters.")
                        .arg(name)
                        .arg(lines.size() + 1)
                        .arg(kMaxLineLength)};
        case SessionLineReader::Status::ReadError:
            break;
    }
    return {{}, QStringLiteral("Could not load %1: %2.").arg(name, device.errorString())};
}

QString WriteSessionFile(const QString& path, const QStringList& texts) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const QByteArray bytes = SessionFileBytes(texts);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace vellorin
