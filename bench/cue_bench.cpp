// The cost of the cue schedule: what one second's cues take to work out under each built-in
// profile, alone and as part of the whole tick the window runs, on the default table.
//
//   vellorin_cue_bench [repetitions]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "cue_schedule.h"
#include "headless_window.h"
#include "session_controller.h"

namespace {

using vellorin::CueMoment;

// Every second of a 2:00 intro, a 2:00 rest and a 2:00 hold that is not the last, as the
// controller hands them to the schedule.
QList<CueMoment> Moments() {
    QList<CueMoment> moments;
    for (const auto phase :
         {CueMoment::Phase::Intro, CueMoment::Phase::Rest, CueMoment::Phase::Hold}) {
        for (qint32 left = 120; left >= 1; --left) {
            moments.append(
                {phase, left, phase == CueMoment::Phase::Hold && left == 120, false, 120 - left});
        }
    }
    return moments;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const QList<CueMoment> moments = Moments();
    const QStringList defaultTable = {"30", "60", "0", "120", "15", "8"};  // 17:15
    std::printf("%-12s %16s %18s %14s\n", "profile", "schedule ns/s", "whole tick ns",
                "cues heard");
    for (const QString& key : vellorin::BuiltInProfileKeys()) {
        const vellorin::CueProfile profile = *vellorin::BuiltInProfile(key);
        qsizetype heard = 0;
        QElapsedTimer clock;
        clock.start();
        for (int r = 0; r < repetitions; ++r) {
            for (const CueMoment& moment : moments) {
                heard += vellorin::CuesOf(profile, moment).size();
            }
        }
        const double schedule =
            static_cast<double>(clock.nsecsElapsed()) / repetitions / moments.size();
        // The whole default session, tick by tick, through the controller the window runs.
        qint64 ticks = 0;
        qsizetype cues = 0;
        clock.restart();
        for (int r = 0; r < repetitions / 10 + 1; ++r) {
            vellorin::HeadlessWindow window({}, {}, defaultTable);
            vellorin::SessionController controller(window);
            controller.ResetSession();
            controller.ChooseProfile(profile);
            controller.ControlCmd_Click();
            while (window.TimerEnabled()) {
                controller.SecondsTimer_Timer();
                ++ticks;
            }
            cues = window.Played().size();
        }
        const double tick = static_cast<double>(clock.nsecsElapsed()) / ticks;
        std::printf("%-12s %16.0f %18.0f %14lld\n", qPrintable(key), schedule, tick,
                    static_cast<long long>(cues));
        (void)heard;
    }
    return 0;
}
