// The sensors beside the window: their line of values under the displays and in lights-out,
// the samples of every session and PB test, and the low-SpO2 alarm that ends a hold.
#include "cue_catalogue.h"
#include "lights_out_view.h"
#include "sensor_panel.h"
#include "sensor_training.h"
#include "trainer_mainform.h"

namespace vellorin {

void TrainerMainform::SensorsCmd() {
    sensors_->ShowDialog(Settings());
    ShowSensors();
}

void TrainerMainform::FollowSensors(bool ticked) {
    const bool running = pbTest_.Running() || (State().Mode == 1 && !controller_.Ended());
    if (ticked && sensorsFollowing_) {
        if (pbTest_.Running()) {
            const QDateTime began = pbTest_.HoldBegan();
            sensors_->Second(began.isValid() ? Phase::Hold : Phase::Intro, 0, began, true);
        } else {
            sensors_->Second(controller_.Shown().Sequence, controller_.Shown().CurLoop,
                             recorder_.SessionStart(), false);
        }
        if (std::exchange(warnAfterTick_, false)) {
            // After the breathe cue of the hold's last second.
            FollowWave(ChosenCuePath(ApplicationFolder(), UserDataFolder(),
                                     QString::fromLatin1(kLowOxygenCue)));
        }
    }
    if (running && !sensorsFollowing_) {
        sensorsFollowing_ = true;
        sensors_->Begin();
    } else if (!running && sensorsFollowing_) {
        sensorsFollowing_ = false;
        warnAfterTick_ = false;
        if (const QString problem = sensors_->End(); !problem.isEmpty()) {
            ShowMessage(problem);
        }
    }
}

void TrainerMainform::ShowSensors() {
    const QString line = sensors_->Line();
    sensorPanel_->Show(line);
    lightsOut_->SetSensors(sensorPanel_->Text(), sensorPanel_->Warning());
    const bool shown = !line.isEmpty() || sensorPanel_->Warning();
    if (shown != sensorPanel_->isVisibleTo(this)) {
        sensorPanel_->setVisible(shown && !LightsOut());
        LayOut();
    }
}

void TrainerMainform::SensorAlarm(int spo2) {
    const QString lowOxygen =
        ChosenCuePath(ApplicationFolder(), UserDataFolder(), QString::fromLatin1(kLowOxygenCue));
    //: Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in
    //: percent.
    sensorPanel_->Warn(tr("SpO2 %1 %: the hold is ended. Breathe.").arg(spo2));
    ShowSensors();
    if (pbTest_.Running()) {
        if (!pbTest_.HoldBegan().isValid()) {
            return;  // still the countdown
        }
        PlayWave(ChosenCuePath(ApplicationFolder(), UserDataFolder(),
                               QString::fromLatin1(kStopHoldCue)));
        FollowWave(lowOxygen);
        FinishPbTest();
    } else if (controller_.EndHold()) {
        recorder_.MarkEndedByAlarm(State());
        warnAfterTick_ = true;
    } else {
        PlayWave(lowOxygen);  // a paused hold: no tick will come to end it
    }
    AfterHandler();
}

}  // namespace vellorin
