#pragma once

#include <gtest/gtest.h>

#include <QDir>

#include "fake_window.h"
#include "session_controller.h"

namespace vellorin::testing {

// A controller on a fake window, with a timer that fires only while it is enabled.
class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() { controller.ResetSession(); }

    void Settings(const QStringList& texts) { window.SetSettings(texts); }
    void Start() { controller.ControlCmd_Click(); }

    // One timer tick; returns the cue files it played ("hold.wav", "15.wav", ...).
    QStringList Tick() {
        const qsizetype before = window.played.size();
        if (window.timerEnabled) {
            controller.SecondsTimer_Timer();
        }
        QStringList cues;
        for (qsizetype i = before; i < window.played.size(); ++i) {
            cues.append(CueFile(window.played[i]));
        }
        return cues;
    }

    void TickTimes(int count) {
        for (int i = 0; i < count; ++i) {
            Tick();
        }
    }

    // Ticks until the timer stops; returns the number of ticks or -1 past the limit.
    int RunToEnd(int limit = 100000) {
        for (int tick = 1; tick <= limit; ++tick) {
            Tick();
            if (!window.timerEnabled) {
                return tick;
            }
        }
        return -1;
    }

    // The four display labels, as "Loop 1|Intro|03:35|00:10".
    QString Labels() const {
        return QStringList{
            window.Caption(Control::SessionLbl), window.Caption(Control::SequenceLbl),
            window.Caption(Control::SessionClock), window.Caption(Control::SequenceTimeLbl)}
            .join('|');
    }

    static QString CueFile(const QString& path) {
        const QString prefix =
            QStringLiteral("/apps") + QDir::separator() + "snd" + QDir::separator();
        return path.startsWith(prefix) ? path.mid(prefix.size()) : "unexpected path " + path;
    }

    FakeWindow window;
    SessionController controller{window};
};

}  // namespace vellorin::testing
