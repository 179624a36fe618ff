#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "trainer_window.h"

namespace vellorin {

// What a finished test says: the time held, whether it is a personal best, and whether the
// attempt was kept. clean when nothing went wrong (a success, not a warning).
struct PbResult {
    QString text;
    bool clean = false;
};

// The personal-best test: a maximum static hold timed by ear. A short spoken countdown like
// the intro's, the "hold" cue, then a clock counting up from 00:00 with a soft mark every
// 30 seconds and every whole minute spoken, until the user ends it (Space). It drives the
// window's displays and timer as a session does, and touches no settings field.
class PersonalBestTest {
public:
    static constexpr qint32 kCountdown = 10;
    using Clock = std::function<QDateTime()>;

    explicit PersonalBestTest(
        TrainerWindow& window, Clock now = [] { return QDateTime::currentDateTime(); })
        : window_(window), now_(std::move(now)) {}

    // Shows "PB test" and starts the countdown.
    void Start();
    // One timer tick: a second of countdown, or of the hold.
    void Tick();
    // Ends the test: the seconds held, or nothing when it ended before the hold began.
    std::optional<qint32> Stop();
    // Ends the test and keeps its hold in the attempts file at attemptsPath, from a whole
    // second on, stamped with the moment the hold began. Nothing when it ended before the
    // hold began.
    std::optional<PbResult> Finish(const QString& attemptsPath);

    bool Running() const { return running_; }
    // The moment the hold began, by the clock the test was given.
    QDateTime HoldBegan() const { return holdBegan_; }

private:
    void Play(const QString& cueFile);

    TrainerWindow& window_;
    Clock now_;
    bool running_ = false;
    qint32 countdown_ = 0;  // seconds of countdown left, counting the current one
    qint32 held_ = -1;      // seconds held so far; -1 before the hold begins
    QDateTime holdBegan_;
};

// A time held as a message gives it: "1:35", from an hour on "26:21:10".
QString HeldText(qint32 seconds);

// Keeps a hold of held seconds that began at began in the attempts file at path, and says
// how it compares with the attempts before it, or why it was not kept.
PbResult KeepPbAttempt(const QString& path, qint32 held, const QDateTime& began);

}  // namespace vellorin
