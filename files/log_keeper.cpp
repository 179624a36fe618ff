#include "log_keeper.h"

#include "training_log.h"

namespace vellorin {

void TrainingLogKeeper::Keep(const QString& path, const SessionRecord& record) {
    waiting_.append(record);
    while (!waiting_.isEmpty()) {
        if (const QString failure = AppendToLog(path, waiting_.constFirst()); !failure.isEmpty()) {
            problem_ = QStringLiteral("Could not keep the session in the training log \"%1\": %2.")
                           .arg(path, failure);
            return;
        }
        waiting_.removeFirst();
    }
}

QString TrainingLogKeeper::TakeProblem() {
    return std::exchange(problem_, QString());
}

}  // namespace vellorin
