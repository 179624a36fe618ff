#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "cue_profile.h"
#include "rounds_table.h"
#include "trainer_window.h"

namespace vellorin {

// A cue the session played, and the tick it played at (tick k comes k seconds after Start).
struct PlayedCue {
    qint64 tick;
    QString path;
    bool follows = false;  // played once the cue before it has finished
};

// The window's operations for the command-line modes: the six settings come from a session
// file, the timer is a flag, captions, messages and cues are recorded, and nothing is shown
// or played. The session controller drives it exactly as it drives the window.
class HeadlessWindow : public TrainerWindow {
public:
    // The cues are looked for in the user's data folder first, as the window does.
    HeadlessWindow(QString applicationFolder, QString userDataFolder, const QStringList& settings);

    void SetCaption(Control control, const vellorin::Caption& caption) override;
    QString FieldText(Field field) const override;
    void SetFieldText(Field field, const QString& text) override;
    void SetTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }
    void ShowMessage(const QString& text) override { messages_.append(text); }
    // Paths are kept once each: a long session plays the same few many times.
    void PlayWave(const QString& path) override { played_.append({tick_, *paths_.insert(path)}); }
    void FollowWave(const QString& path) override {
        played_.append({tick_, *paths_.insert(path), true});
    }
    QString ApplicationFolder() const override { return applicationFolder_; }
    QString UserDataFolder() const override { return userDataFolder_; }
    CommonDialog& CommonDialog1() override { return noDialog_; }

    void SetTick(qint64 tick) { tick_ = tick; }
    bool TimerEnabled() const { return timerEnabled_; }
    const QStringList& Messages() const { return messages_; }
    const QList<PlayedCue>& Played() const { return played_; }
    QString Caption(Control control) const { return captions_[static_cast<int>(control)]; }

private:
    QString applicationFolder_;
    QString userDataFolder_;
    std::array<QString, 6> fields_;
    std::array<QString, 6> captions_;
    bool timerEnabled_ = false;
    qint64 tick_ = 0;
    QStringList messages_;
    QList<PlayedCue> played_;
    QSet<QString> paths_;
    NoDialog noDialog_;
};

// The table a whole session runs: the classic table of the six settings texts, or, when
// rounds is set, that table of rounds, chosen on the controller before Start as the window
// chooses it (the settings are then not read).
struct SessionSource {
    QStringList settings;
    std::optional<RoundsTable> rounds;
    CueProfile profile = *BuiltInProfile(kClassicProfile);
};

// A whole session run on the session controller with a virtual clock: Start at time 0, then
// one tick a second up to the end tick.
struct SessionRun {
    QList<PlayedCue> cues;
    qint64 ticks = 0;  // the end tick's number
    QString problem;   // why the session could not be run to its end; empty when it was
};
SessionRun RunWholeSession(const QString& applicationFolder, const QString& userDataFolder,
                           const SessionSource& source);

}  // namespace vellorin
