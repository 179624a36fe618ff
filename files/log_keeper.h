#pragma once

#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "session_recorder.h"

namespace vellorin {

// Keeps a session's holds in the training log as each one ends. The writing (an append and a
// sync to the disk, which a slow disk can take a while over) happens on a thread of its own,
// in the order the holds ended, so that the clock's thread never waits on the disk. Holds
// that cannot be written (a full disk, a folder the user cannot write) wait and go in with
// the next one, so that a passing failure loses nothing; why they could not is told once,
// when the session is over, never in the middle of a hold.
class TrainingLogKeeper {
public:
    TrainingLogKeeper() = default;
    TrainingLogKeeper(const TrainingLogKeeper&) = delete;
    TrainingLogKeeper& operator=(const TrainingLogKeeper&) = delete;
    // Waits for what is being written.
    ~TrainingLogKeeper();

    // Queues the record's holds for the log at path, after what waits; returns at once.
    void Keep(const QString& path, const SessionRecord& record);
    // Waits until every queued hold has been tried once.
    void Flush();
    // Why holds could not be kept, naming the log; empty when every hold tried was, or when
    // it was taken already.
    QString TakeProblem();

private:
    struct Waiting {
        QString path;
        SessionRecord record;
    };
    void Write();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Waiting> waiting_;  // in the order the holds ended; the first is written next
    // Keeps counted, and how many of them the writer has tried: what waits has been tried
    // since the last Keep when the two are equal.
    quint64 kept_ = 0;
    quint64 tried_ = 0;
    bool stopping_ = false;
    QString problem_;
    std::thread writer_;  // started with the first hold
};

}  // namespace vellorin
