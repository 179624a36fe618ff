#include "log_keeper.h"

#include <QCoreApplication>
#include <utility>

#include "training_log.h"

namespace vellorin {

TrainingLogKeeper::~TrainingLogKeeper() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

void TrainingLogKeeper::Keep(const QString& path, const SessionRecord& record) {
    {
        const std::lock_guard lock(mutex_);
        waiting_.push_back({path, record});
        ++kept_;
        if (!writer_.joinable()) {
            writer_ = std::thread(&TrainingLogKeeper::Write, this);
        }
    }
    changed_.notify_all();
}

void TrainingLogKeeper::Flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return tried_ == kept_; });
}

QString TrainingLogKeeper::TakeProblem() {
    const std::lock_guard lock(mutex_);
    return std::exchange(problem_, QString());
}

void TrainingLogKeeper::Write() {
    std::unique_lock lock(mutex_);
    for (;;) {
        // What a failure left waiting is tried again only with a new hold, or once more when
        // the keeper stops.
        changed_.wait(lock, [this] { return tried_ != kept_ || stopping_; });
        if (stopping_ && waiting_.empty()) {
            return;
        }
        const quint64 trying = kept_;
        while (!waiting_.empty()) {
            const Waiting next = waiting_.front();
            lock.unlock();
            const QString failure = AppendToLog(next.path, next.record);
            lock.lock();
            if (!failure.isEmpty()) {
                //: %1 is the training log's file name, %2 the system's reason.
                problem_ =
                    QCoreApplication::translate(
                        "TrainingLog", "Could not keep the session in the training log \"%1\": %2.")
                        .arg(next.path, failure);
                break;
            }
            waiting_.pop_front();
        }
        if (waiting_.empty()) {
            problem_.clear();  // what a failure held back has gone in since: nothing is lost
        }
        tried_ = waiting_.empty() ? kept_ : trying;
        if (stopping_) {
            return;
        }
        changed_.notify_all();
    }
}

}  // namespace vellorin
