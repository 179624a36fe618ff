#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <memory>

#include "sensor_settings.h"
#include "sensor_track.h"
#include "trainer_window.h"

class QTimer;
class QWidget;

namespace vellorin {

class SensorLink;
class SensorSamplesWriter;

// The sensors beside the training: the Bluetooth link to the chosen heart-rate sensor and
// oximeter where this build has one, the samples file of every session and PB test, and the
// alarm handed to the window. The window tells it when a session begins, each second it
// runs and when it ends; it never touches the session itself.
class SensorTraining : public QObject {
    Q_OBJECT

public:
    // window is the main window: the parent of its dialogs, and its user data folder holds
    // the samples.
    SensorTraining(QWidget* window, const TrainerWindow& trainer);
    ~SensorTraining() override;

    // Whether this build talks to Bluetooth sensors.
    static bool Built();
    // The choices and the alarm the settings keep: connects to the chosen sensors.
    void Restore(WindowSettings& settings);
    // Training > Sensors...: the dialog, or the word that this build has no Bluetooth.
    void ShowDialog(WindowSettings& settings);

    // A session or a PB test begins.
    void Begin();
    // A second of it ran, in the phase and loop its displays show. start names its samples
    // file: the session's start as the log keeps it, or the PB test hold's start (invalid
    // while the countdown runs: those seconds wait for it).
    void Second(Phase phase, qint16 loop, const QDateTime& start, bool pbTest);
    // It ended or was reset: its samples are written out. Returns why they could not all be.
    QString End();
    // The hold under way or the last, as the log keeps it; empty without a sensor.
    HoldSensors Hold() const;

    SensorSession& Session() { return session_; }
    // The line of values the window shows; empty when no sensor is chosen.
    QString Line() const;

    // A notification's value from the link, or from a test.
    void Take(SensorKind kind, SensorProtocol protocol, const QByteArray& value, qint64 atMs);

signals:
    // The low-SpO2 alarm went off at this SpO2: the window ends the hold.
    void AlarmWentOff(int spo2);
    // New values, a link that changed, or a second passed: the line may read otherwise.
    void ValuesChanged();

private:
    // The link, made the first time a sensor is used.
    void MakeLink();

    QWidget* window_;
    const TrainerWindow& trainer_;
    SensorSession session_;
    std::unique_ptr<SensorSamplesWriter> samples_;
    QDateTime samplesStart_;
    QList<SensorSample> waiting_;  // a PB test's countdown, until its hold begins
    QTimer* ageTimer_ = nullptr;
    SensorLink* link_ = nullptr;  // none where this build has no Bluetooth
};

}  // namespace vellorin
