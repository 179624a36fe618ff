// The Training menu: the personal-best test and tables made from a personal best.
#include <QSettings>

#include "attempts_file.h"
#include "history_window.h"
#include "pb_table_dialog.h"
#include "trainer_mainform.h"
#include "training_log.h"

namespace vellorin {
namespace {

QString Clock(int seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

void TrainerMainform::PersonalBestTestCmd() {
    if (pbTest_.Running() || (State().Mode == 1 && !controller_.Ended())) {
        return;  // a session and a test never run at once
    }
    const QString question =
        QStringLiteral(
            "%1\n\nA countdown of %2 seconds, then \"hold\": hold your breath as long as you "
            "safely "
            "can, and press Space when you breathe. A soft mark sounds every 30 seconds and every "
            "whole minute is spoken.\n\nStart the test?")
            .arg(QString::fromLatin1(kBreathHoldSafety))
            .arg(PersonalBestTest::kCountdown);
    if (!Confirm(question)) {
        return;
    }
    pbTest_.Start();
    AfterHandler();
}

void TrainerMainform::FinishPbTest() {
    const std::optional<qint32> held = pbTest_.Stop();
    if (!held) {
        return;  // ended during the countdown: no attempt
    }
    const QString path = AttemptsPath(UserDataFolder());
    const AttemptsRead before = ReadAttemptsFile(path);
    const std::optional<int> best = BestSeconds(before.attempts);
    QString text = QStringLiteral("You held your breath for %1.").arg(Clock(*held));
    if (!best || *held > *best) {
        text += best ? QStringLiteral(" A new personal best: it was %1.").arg(Clock(*best))
                     : QStringLiteral(" It is your personal best.");
    } else {
        text += QStringLiteral(" Your personal best is %1.").arg(Clock(*best));
    }
    if (const QString failure = AppendAttempt(path, {QDateTime::currentDateTime(), *held});
        !failure.isEmpty()) {
        text +=
            QStringLiteral("\n\nThe attempt could not be kept in \"%1\": %2.").arg(path, failure);
    }
    for (const QString& skipped : before.skipped + QStringList(before.problem)) {
        if (!skipped.isEmpty()) {
            text += QStringLiteral("\n\n") + skipped;
        }
    }
    ShowMessage(text);
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
    const AttemptsRead attempts = ReadAttemptsFile(AttemptsPath(UserDataFolder()));
    for (const QString& skipped : attempts.skipped + QStringList(attempts.problem)) {
        if (!skipped.isEmpty()) {
            ShowMessage(skipped);
        }
    }
    const std::optional<int> best = BestSeconds(attempts.attempts);
    const std::optional<PbTableRequest> request = AskPbTable(best);
    if (!request) {
        return;
    }
    const QStringList settings = PbTableSettings(request->kind, request->personalBest);
    if (const QString warning = PbTableWarning(request->kind, settings, best);
        !warning.isEmpty() &&
        !Confirm(warning + QStringLiteral("\n\nFill the fields with this table all the same?"))) {
        return;
    }
    for (qsizetype i = 0; i < settings.size(); ++i) {
        SetFieldText(kSettingsFields[i + 1], settings[i]);  // the intro keeps its value
    }
    AfterHandler();
}

bool TrainerMainform::LogEnabled() const {
    return QSettings(WindowSettingsFile(), QSettings::IniFormat)
        .value(QStringLiteral("log/enabled"), true)
        .toBool();
}

void TrainerMainform::KeepInLog(const SessionRecord& session) {
    if (!LogEnabled()) {
        return;
    }
    const QString path = TrainingLogPath(UserDataFolder());
    if (const QString failure = AppendToLog(path, session); !failure.isEmpty()) {
        ShowMessage(QStringLiteral("Could not keep the session in the training log \"%1\": %2.")
                        .arg(path, failure));
    }
}

void TrainerMainform::CheckTrainingLog() {
    const LogRead log = ReadLog(TrainingLogPath(UserDataFolder()));
    const QStringList problems = log.skipped + QStringList(log.problem);
    const QString text = problems.join(QStringLiteral("\n")).trimmed();
    if (!text.isEmpty()) {
        ShowMessage(text);
    }
}

void TrainerMainform::ShowHistory() {
    const QString path = TrainingLogPath(UserDataFolder());
    const LogRead log = ReadLog(path);
    const AttemptsRead attempts = ReadAttemptsFile(AttemptsPath(UserDataFolder()));
    auto* history = new HistoryWindow(path, log.rows, attempts.attempts, this);
    history->setAttribute(Qt::WA_DeleteOnClose);
    history->show();
}

}  // namespace vellorin
