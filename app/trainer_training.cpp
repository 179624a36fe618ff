// The Training menu: the personal-best test and tables made from a personal best.
#include <QDebug>
#include <QSettings>

#include "attempts_dialog.h"
#include "attempts_file.h"
#include "background_job.h"
#include "history_window.h"
#include "message_text.h"
#include "pb_table_dialog.h"
#include "sensor_training.h"
#include "trainer_mainform.h"
#include "training_log.h"

namespace vellorin {

void TrainerMainform::PersonalBestTestCmd() {
    if (pbTest_.Running() || (State().Mode == 1 && !controller_.Ended())) {
        return;  // a session and a test never run at once
    }
    //: %1 is the safety advice, a sentence. "hold" is the word the test says as the hold
    //: begins; Space is the key.
    const QString question =
        tr("%1\n\nA countdown of %n seconds, then \"hold\": hold your breath as long as you "
           "safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and "
           "every whole minute is spoken.\n\nStart the test?",
           nullptr, PersonalBestTest::kCountdown)
            .arg(BreathHoldSafety());
    if (!Confirm(question)) {
        return;
    }
    pbTest_.Start();
    AfterHandler();
}

void TrainerMainform::FinishPbTest(bool closing) {
    const std::optional<PbResult> result = pbTest_.Finish(AttemptsPath(UserDataFolder()));
    if (!result) {
        return;  // ended during the countdown: no attempt
    }
    if (closing) {
        if (!result->clean) {
            qWarning().noquote() << Printable(result->text);  // no box may hold up the close
        }
    } else if (result->clean) {
        ShowInformation(result->text);
    } else {
        ShowMessage(result->text);
    }
}

std::optional<TrainerMainform::PbTableRequest> TrainerMainform::AskPbTable(
    std::optional<int> recordedBest) {
    PbTableDialog dialog(this, FieldText(Field::IntroTbx), recordedBest);
    if (dialog.exec() != QDialog::Accepted || !dialog.PersonalBest()) {
        return std::nullopt;
    }
    return PbTableRequest{dialog.Kind(), *dialog.PersonalBest()};
}

void TrainerMainform::NewTableFromPbCmd() {
    const QString path = AttemptsPath(UserDataFolder());
    const AttemptsRead attempts = ReadAttemptsFile(path);
    if (const QString note = attempts.problem.isEmpty()
                                 ? DamagedLinesMessage(path, attempts.skipped)
                                 : attempts.problem;
        !note.isEmpty()) {
        ShowMessage(note);  // one message, however many lines were left out
    }
    const std::optional<int> best = BestSeconds(attempts.attempts);
    const std::optional<PbTableRequest> request = AskPbTable(best);
    if (!request) {
        return;
    }
    const QStringList settings = PbTableSettings(request->kind, request->personalBest);
    if (const QString warning = PbTableWarning(request->kind, settings, best);
        !warning.isEmpty() &&
        //: %1 is a warning about the table, in whole sentences.
        !Confirm(tr("%1\n\nFill the fields with this table all the same?").arg(warning))) {
        return;
    }
    for (qsizetype i = 0; i < settings.size(); ++i) {
        SetFieldText(kSettingsFields[i + 1], settings[i]);  // the intro keeps its value
    }
    AfterHandler();
}

void TrainerMainform::PersonalBestsCmd() {
    AttemptsDialog dialog(this, AttemptsPath(UserDataFolder()),
                          [this](const QString& question) { return Confirm(question); });
    dialog.exec();
}

bool TrainerMainform::LogEnabled() const {
    return WindowSettings::SwitchOn(Settings().Value(QStringLiteral("log/enabled")));
}

void TrainerMainform::KeepInLog(const SessionRecord& session) {
    if (LogEnabled()) {
        SessionRecord kept = session;
        for (HoldRecord& hold : kept.holds) {
            hold.sensors = sensors_->Hold();  // the hold that has just ended
        }
        logKeeper_.Keep(TrainingLogPath(UserDataFolder()), kept);
        loggedSession_ = true;
    }
}

void TrainerMainform::CheckTrainingLog() {
    const QString path = TrainingLogPath(UserDataFolder());
    // Read a chunk at a time on a worker thread: a log of any size leaves the clock alone.
    RunInBackground<LogScan>(
        this,
        [path](const std::function<bool()>& cancelled) { return ScanLog(path, {}, cancelled); },
        [this, path](const LogScan& scan) {
            qCInfo(lcStartup) << "training log checked:" << scan.damaged.Count()
                              << "lines left out";
            const QString text = scan.problem.isEmpty() ? scan.damaged.Message(path) : scan.problem;
            if (!text.isEmpty()) {
                ShowMessage(text);
            }
        });
}

void TrainerMainform::ShowHistory() {
    auto* history = new HistoryWindow(TrainingLogPath(UserDataFolder()),
                                      AttemptsPath(UserDataFolder()), LogEnabled(), this);
    history->setAttribute(Qt::WA_DeleteOnClose);
    history->show();
}

}  // namespace vellorin
