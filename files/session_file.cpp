#include "session_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "message_text.h"

namespace vellorin {
namespace {

// A text of kMaxLineLength characters takes at most four bytes a character in any
// 8-bit or multi-byte code page; reading stops there, whatever the file holds.
constexpr qsizetype kMaxLineBytes = qsizetype{kMaxLineLength} * 4;

// True when the device stopped on an error rather than at its end.
bool FailedToRead(const QIODevice& device) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return (file != nullptr && file->error() != QFileDevice::NoError) || !device.atEnd();
}

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
    if (!ended && FailedToRead(device_)) {
        status_ = Status::ReadError;  // never half a line: what follows would shift
        return std::nullopt;
    }
    if (!ended && bytes.isEmpty()) {
        status_ = Status::EndOfFile;
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::System);
    QString line = decoder.decode(bytes);
    if (decoder.hasError() || bytes.contains('\0')) {
        status_ = Status::NotText;
        return std::nullopt;
    }
    if (line.size() > kMaxLineLength) {
        status_ = Status::TooLong;
        return std::nullopt;
    }
    return line;
}

SessionRead ReadSessionFile(const QString& path) {
    QFile file;
    if (const QString problem = OpenRegularFile(path, file); !problem.isEmpty()) {
        return {{},
                //: %1 is the file's name, %2 the reason it cannot be loaded.
                QCoreApplication::translate("SessionFile", "Could not load \"%1\": %2.")
                    .arg(path, problem)};
    }
    return ReadSessionLines(file, path);
}

SessionRead ReadSessionLines(QIODevice& device, const QString& path) {
    SessionLineReader reader(device);
    QStringList lines;
    while (lines.size() < kSessionLines) {
        std::optional<QString> line = reader.NextLine();
        if (!line) {
            break;
        }
        lines.append(*line);
    }
    // One arg() for the name and the numbers: a name holding "%2" is never taken for a place
    // to fill.
    const QString next = QString::number(lines.size() + 1);
    switch (reader.status()) {
        case SessionLineReader::Status::Ok:
            return {lines, {}};
        case SessionLineReader::Status::EndOfFile:
            return {lines,
                    //: %1 is the file's name, %2 how many lines it holds, %3 how many a session
                    //: file has (6).
                    QCoreApplication::translate(
                        "SessionFile",
                        "Could not load \"%1\": it holds only %2 of the %3 lines of a session.")
                        .arg(path, QString::number(lines.size()), QString::number(kSessionLines)),
                    true};
        case SessionLineReader::Status::TooLong:
            return {
                {},
                //: %1 is the file's name, %2 a line's number, %3 the most characters a line
                //: holds.
                QCoreApplication::translate(
                    "SessionFile", "Could not load \"%1\": line %2 is longer than %3 characters.")
                    .arg(path, next, QString::number(kMaxLineLength))};
        case SessionLineReader::Status::NotText:
            return {{},
                    //: %1 is the file's name, %2 a line's number.
                    QCoreApplication::translate(
                        "SessionFile",
                        "Could not load \"%1\": it is not a table (line %2 is not text).")
                        .arg(path, next)};
        case SessionLineReader::Status::ReadError:
            break;
    }
    return {{},
            //: %1 is the file's name, %2 the system's reason it cannot be read.
            QCoreApplication::translate("SessionFile", "Could not load \"%1\": %2.")
                .arg(path, WithoutFullStop(device.errorString()))};
}

QString WriteSessionFile(const QString& path, const QStringList& texts) {
    return ReplaceFileWith(path, SessionFileBytes(texts));
}

}  // namespace vellorin
