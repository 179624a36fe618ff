#pragma once

#include <QString>
#include <QtGlobal>

#include "session_state.h"

namespace vellorin {

// What one of the session's displays or buttons shows, as a value. The engine decides it; the
// window, lights-out and the command line turn it into words in the user's language.
struct Caption {
    enum class Kind : quint8 {
        Clock,  // a time: number is its seconds ("02:30")
        Loop,   // "Loop 3": number is the loop
        Intro,  // the phases
        Hold,
        Rest,
        End,     // the session or the test is over
        PbTest,  // the loop display during a personal-best test
        Start,   // the buttons
        Reset,
        Pause,
        Resume,
    };
    Kind kind = Kind::Clock;
    qint32 number = 0;

    static Caption Clock(qint32 seconds) { return {Kind::Clock, seconds}; }
    static Caption Loop(qint32 loop) { return {Kind::Loop, loop}; }
    static Caption Of(Phase phase) {
        static constexpr Kind kinds[] = {Kind::Intro, Kind::Hold, Kind::Rest};
        return {kinds[static_cast<int>(phase)], 0};
    }
    bool operator==(const Caption&) const = default;
};

// The caption's text in the language loaded ("Hold", "Loop 3", "02:30"); English when none is.
QString CaptionText(const Caption& caption);

}  // namespace vellorin
