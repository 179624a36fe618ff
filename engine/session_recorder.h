#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "rounds_table.h"
#include "sensor_reading.h"
#include "session_controller.h"

namespace vellorin {

// One hold of a session, as the training log keeps it.
struct HoldRecord {
    qint16 loop = 0;
    qint32 planned = 0;                      // seconds the hold was to last
    qint32 held = 0;                         // seconds it ran
    std::optional<qint32> firstContraction;  // the second of the hold of the first mark
    int contractions = 0;
    bool completed = false;  // it ran to its last second, or ended by its rule
    // How the hold was to end and the rest after it was to end (none after the last hold).
    // A classic table's holds and rests are timed, with the lengths the session computed.
    HoldRule rule;
    std::optional<RestRule> rest;
    // What a heart-rate sensor and an oximeter said in the hold; empty without sensors.
    HoldSensors sensors;
};

// A session with the table it ran and holds it began.
struct SessionRecord {
    QDateTime start;
    QString table;         // the table file's name; empty when none was loaded or saved
    QStringList settings;  // the six field texts at Start; empty for a table of rounds
    QList<HoldRecord> holds;
    TableKind kind = TableKind::Classic;
};

// Follows a session from outside the controller, by the state it leaves after every click,
// key and tick, so that it never changes the session's timing, cues or labels: a Start opens
// a record, every tick of a hold counts a second of it, and each hold is handed over the
// moment it ends, so that a session cut off anywhere has already kept every hold it finished.
// A hold under way when the session is reset or the window closes is handed over as not
// completed. Contractions are marked by the user during a hold.
class SessionRecorder {
public:
    // With the controller it follows, each hold is kept with its rules and the session with
    // its kind of table; without one, every session is taken for a classic one.
    explicit SessionRecorder(const TrainerWindow& window,
                             const SessionController* controller = nullptr)
        : window_(window), controller_(controller) {}

    // After every handler: the controller's state, whether the session has ended, the table
    // file's name and the time now. Returns the hold that has just ended (its last second, a
    // Reset in it, or the end of the session), as a record of its session holding that hold
    // alone; every hold is returned once.
    std::optional<SessionRecord> Observe(const SessionState& state, bool ended,
                                         const QString& table, const QDateTime& now);
    // Marks a contraction at the current second of the hold under way; false (nothing is
    // marked) outside a hold.
    bool MarkContraction(const SessionState& state);
    // The hold under way was ended by the low-SpO2 alarm, leaving the state given: it is kept
    // as not completed, and the seconds the alarm took off it are no tick.
    void MarkEndedByAlarm(const SessionState& state) {
        endedByAlarm_ = hold_.has_value();
        last_ = state;
    }
    // The hold under way, as the window closes; nothing when none is.
    std::optional<SessionRecord> Close();
    // When the session under way started, as its holds are logged; invalid when none is.
    QDateTime SessionStart() const { return session_ ? session_->start : QDateTime(); }
    // The hold under way, with its contractions so far; nothing outside a hold.
    const std::optional<HoldRecord>& HoldUnderWay() const { return hold_; }
    // Every hold of the latest session that has ended, in order, kept until the next Start
    // (for the summary at the end).
    const QList<HoldRecord>& SessionHolds() const { return sessionHolds_; }

private:
    // The hold under way as a record of its own, and the session without it.
    std::optional<SessionRecord> EndHold();

    const TrainerWindow& window_;
    const SessionController* controller_;
    std::optional<SessionRecord> session_;  // the session under way, without its holds
    std::optional<HoldRecord> hold_;        // the hold under way
    QList<HoldRecord> sessionHolds_;
    SessionState last_;
    bool lastEnded_ = false;
    bool endedByAlarm_ = false;
};

}  // namespace vellorin
