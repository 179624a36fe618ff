#include "headless_window.h"

#include <utility>

#include "session_controller.h"
#include "vtable_file.h"

#include <QCoreApplication>

namespace vellorin {

HeadlessWindow::HeadlessWindow(QString applicationFolder, QString userDataFolder,
                               const QStringList& settings)
    : applicationFolder_(std::move(applicationFolder)), userDataFolder_(std::move(userDataFolder)) {
    for (qsizetype i = 0; i < settings.size() && i < static_cast<qsizetype>(fields_.size()); ++i) {
        fields_[i] = settings[i];
    }
}

void HeadlessWindow::SetCaption(Control control, const vellorin::Caption& caption) {
    captions_[static_cast<int>(control)] = CaptionText(caption);
}

QString HeadlessWindow::FieldText(Field field) const {
    return fields_[static_cast<int>(field)];
}

void HeadlessWindow::SetFieldText(Field field, const QString& text) {
    fields_[static_cast<int>(field)] = text;
}

SessionRun RunWholeSession(const QString& applicationFolder, const QString& userDataFolder,
                           const SessionSource& source) {
    HeadlessWindow window(applicationFolder, userDataFolder, source.settings);
    SessionController controller(window);
    controller.ResetSession();
    SessionRun run;
    if (source.rounds) {
        // The controller runs only a table that passes its rules.
        if (const QList<TableProblem> problems = TableProblems(*source.rounds);
            !problems.isEmpty()) {
            const TableProblem& first = problems.first();
            run.problem = first.round > 0 ? RoundProblem(first.round, first.reason) : first.reason;
            return run;
        }
        controller.ChooseRounds(source.rounds);
    } else if (const QString problem = SessionPlan(window).StartProblem(); !problem.isEmpty()) {
        run.problem = problem;
        return run;
    }
    controller.ChooseProfile(source.profile);
    controller.ControlCmd_Click();
    // A table Start accepts ends after its last hold; the limit only guards the loop.
    const qint64 limit = qint64{controller.State().SessionTime} + 2;
    while (window.TimerEnabled() && window.Messages().isEmpty() && run.ticks < limit) {
        window.SetTick(++run.ticks);
        controller.SecondsTimer_Timer();
    }
    if (!window.Messages().isEmpty() || window.TimerEnabled()) {
        run.problem =
            QCoreApplication::translate("CommandLine", "the session did not reach its end");
    }
    run.cues = window.Played();
    return run;
}

}  // namespace vellorin
