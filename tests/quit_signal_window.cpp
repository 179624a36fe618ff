// A window for the quit-signal tests to end: the real window, set up as the program sets it
// up (the one-window socket, the quit signals, the cues copied for playback) in the folders
// the environment names, with a session brought to a given second by ticks called here.
// Usage: quit_signal_window "INTRO HOLD INC REST DEC LOOPS" TICKS [message]. Prints "ready"
// and the phase once there (with "message", once a real message box is up over the window),
// then runs until a signal ends it.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "quit_signals.h"
#include "single_instance.h"
#include "trainer_mainform.h"

namespace {

class Window : public vellorin::TrainerMainform {
public:
    // Messages and questions go to the test's log; every question is answered yes.
    void ShowMessage(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool Confirm(const QString& question) override {
        std::fprintf(stderr, "question: %s\n", qPrintable(question));
        return true;
    }
    void PlayWave(const QString&) override {}
    QString ApplicationFolder() const override { return QStringLiteral(VELLORIN_SOURCE_DIR); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    if (argc != 3 && argc != 4) {
        return 2;
    }
    vellorin::SingleInstance instance(vellorin::SingleInstance::DefaultSocketPath());
    if (instance.HandOverOrListen({})) {
        return 3;  // another window of the test's runs
    }
    vellorin::QuitSignals quitSignals;
    Window form;
    vellorin::CloseOnQuitSignals(quitSignals, form);
    form.Form_Load();
    form.PreloadCues();
    form.show();
    const QStringList settings = QString::fromLocal8Bit(argv[1]).split(QLatin1Char(' '));
    for (qsizetype i = 0;
         i < settings.size() && i < qsizetype(std::size(vellorin::kSettingsFields)); ++i) {
        form.SetFieldText(vellorin::kSettingsFields[i], settings[i]);
    }
    form.ControlCmd_Click();
    // Only the ticks called here move the session.
    form.findChild<QTimer*>(QStringLiteral("SecondsTimer"))->setInterval(24 * 3600 * 1000);
    for (int tick = QString::fromLocal8Bit(argv[2]).toInt(); tick > 0; --tick) {
        form.SecondsTimer_Timer();
    }
    const auto ready = [&form] {
        std::printf("ready %s %s\n", qPrintable(PhaseKey(form.State().Sequence)),
                    qPrintable(QString::number(form.State().CurLoop)));
        std::fflush(stdout);
    };
    if (argc == 4) {
        QTimer::singleShot(0, &form, [&form, ready] {
            QTimer::singleShot(0, &form, ready);  // from the message's own event loop
            form.TrainerMainform::ShowMessage(QStringLiteral("A message waits for its OK."));
        });
    } else {
        ready();
    }
    return QApplication::exec();
}
