#include "log_generator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "file_access.h"
#include "training_log.h"

namespace vellorin::bench {

SessionRecord GeneratedSession(int index, QRandomGenerator& random) {
    SessionRecord session{QDateTime::fromString("2020-01-01T07:00:00+01:00", Qt::ISODate)
                              .addSecs(qint64{index} * 6 * 3600),
                          QStringLiteral("co2 table, week %1.ses").arg(index / 28),
                          {"30", "90", "0", "120", "15", "8"},
                          {}};
    for (qint16 loop = 1; loop <= 8; ++loop) {
        const bool marked = random.bounded(10) > 0;
        // Each hold with its rules as the classic table's: timed, and the rests shrinking.
        session.holds.append(
            {loop, 90, 90,
             marked
                 ? std::optional<qint32>(30 + index / 400 + static_cast<qint32>(random.bounded(20)))
                 : std::nullopt,
             marked ? static_cast<int>(random.bounded(1, 8)) : 0, true, HoldRule::Timed(90),
             loop < 8 ? std::optional(RestRule::Timed(120 - 15 * (loop - 1))) : std::nullopt});
    }
    return session;
}

bool WriteGeneratedLog(const QString& path, int sessions) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QRandomGenerator random(20261207);
    QByteArray bytes = QByteArray(kLogHeader) + "\r\n";
    for (int i = 0; i < sessions; ++i) {
        bytes += LogRows(GeneratedSession(i, random));
        if (bytes.size() > (1 << 20) || i + 1 == sessions) {
            if (file.write(bytes) != bytes.size()) {
                return false;
            }
            bytes.clear();
        }
    }
    // On the disk before it is measured, so that the first append's sync does not write it all.
    return file.flush() && SyncToDisk(file).isEmpty();
}

}  // namespace vellorin::bench
