#pragma once

#include <QList>
#include <QString>

#include "session_recorder.h"

namespace vellorin {

// Keeps a session's holds in the training log as each one ends. Holds that cannot be written
// (a full disk, a folder the user cannot write) wait with the keeper and go in with the next
// one, so that a passing failure loses nothing; why they could not is told once, when the
// session is over, never in the middle of a hold.
class TrainingLogKeeper {
public:
    // Appends what waits and then the record's holds to the log at path.
    void Keep(const QString& path, const SessionRecord& record);
    // Why holds could not be kept, naming the log; empty when every hold was, or when it was
    // taken already. What still waits is tried again with the next hold.
    QString TakeProblem();

private:
    QList<SessionRecord> waiting_;
    QString problem_;
};

}  // namespace vellorin
