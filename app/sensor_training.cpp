#include "sensor_training.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "sensor_panel.h"
#include "sensor_samples_file.h"
#include "trainer_window.h"

#ifdef VELLORIN_BLUETOOTH
#include "sensor_link.h"
#include "sensors_dialog.h"
#endif

namespace vellorin {

SensorTraining::SensorTraining(QWidget* window, const TrainerWindow& trainer)
    : QObject(window), window_(window), trainer_(trainer) {
    // The age of the values moves on between notifications.
    ageTimer_ = new QTimer(this);
    ageTimer_->setInterval(1000);
    connect(ageTimer_, &QTimer::timeout, this, &SensorTraining::ValuesChanged);
}

SensorTraining::~SensorTraining() = default;

bool SensorTraining::Built() {
#ifdef VELLORIN_BLUETOOTH
    return true;
#else
    return false;
#endif
}

void SensorTraining::Restore(WindowSettings& settings) {
    const SensorSettings kept = LoadSensorSettings(settings);
    session_.Alarm().SetSettings(kept.alarm);
#ifdef VELLORIN_BLUETOOTH
    for (SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        const SensorChoice& choice = kept.choices[static_cast<int>(kind)];
        if (choice.address.isEmpty()) {
            continue;
        }
        MakeLink();
        session_.Feed().SetLink(kind, LinkState::Connecting);
        link_->Use(kind, choice.address);
    }
    if (session_.Chosen()) {
        ageTimer_->start();
    }
#endif
}

void SensorTraining::MakeLink() {
#ifdef VELLORIN_BLUETOOTH
    if (link_ != nullptr) {
        return;
    }
    link_ = new SensorLink(this);
    connect(link_, &SensorLink::Notified, this, &SensorTraining::Take);
    connect(link_, &SensorLink::StateChanged, this, [this](SensorKind kind, LinkState state) {
        session_.Feed().SetLink(kind, state);
        emit ValuesChanged();
    });
#endif
}

void SensorTraining::ShowDialog(WindowSettings& settings) {
#ifdef VELLORIN_BLUETOOTH
    MakeLink();
    const SensorSettings kept = LoadSensorSettings(settings);
    SensorsDialog dialog(*link_, session_.Feed(), kept.choices, session_.Alarm().Settings(),
                         window_);
    auto tell = [this](const QString& problem) {
        if (!problem.isEmpty()) {
            QMessageBox::warning(window_, QStringLiteral("Vellorin"), problem);
        }
    };
    connect(&dialog, &SensorsDialog::Chosen, this,
            [this, &settings, tell](SensorKind kind, const SensorChoice& choice) {
                session_.Feed().SetLink(kind, LinkState::Connecting);
                ageTimer_->start();
                tell(SaveSensorChoice(settings, kind, choice));
                emit ValuesChanged();
            });
    connect(&dialog, &SensorsDialog::Forgotten, this, [this, &settings, tell](SensorKind kind) {
        session_.Feed().SetLink(kind, LinkState::None);
        tell(SaveSensorChoice(settings, kind, {}));
        emit ValuesChanged();
    });
    connect(&dialog, &SensorsDialog::AlarmChanged, this,
            [this, &settings, tell](const Spo2AlarmSettings& alarm) {
                session_.Alarm().SetSettings(alarm);
                tell(SaveSpo2Alarm(settings, alarm));
            });
    dialog.exec();
#else
    Q_UNUSED(settings);
    QMessageBox::information(
        window_, QStringLiteral("Vellorin"),
        tr("This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or "
           "oximeters. Everything else works as ever."));
#endif
}

void SensorTraining::Begin() {
    End();
    session_.Begin();
}

void SensorTraining::Second(Phase phase, qint16 loop, const QDateTime& start, bool pbTest) {
    std::optional<SensorSample> sample =
        session_.Second(phase, loop, QDateTime::currentMSecsSinceEpoch());
    if (!sample) {
        return;
    }
    if (!start.isValid()) {
        waiting_.append(*sample);
        return;
    }
    if (!samples_ || samplesStart_ != start) {
        samples_ = std::make_unique<SensorSamplesWriter>(trainer_.UserDataFolder(), start, pbTest);
        samplesStart_ = start;
    }
    for (const SensorSample& early : std::exchange(waiting_, {})) {
        samples_->Add(early);
    }
    samples_->Add(*sample);
}

QString SensorTraining::End() {
    waiting_.clear();
    if (!samples_) {
        return {};
    }
    samples_->Close();
    const QString problem = samples_->Problem();
    samples_.reset();
    return problem;
}

HoldSensors SensorTraining::Hold() const {
    return session_.Chosen() ? session_.Hold() : HoldSensors{};
}

QString SensorTraining::Line() const {
    return SensorLine(session_.Feed(), QDateTime::currentMSecsSinceEpoch());
}

void SensorTraining::Take(SensorKind kind, SensorProtocol protocol, const QByteArray& value,
                          qint64 atMs) {
    const bool wentOff = session_.Take(kind, protocol, value, atMs);
    emit ValuesChanged();
    if (wentOff) {
        const SensorSample now = session_.Feed().Peek(atMs);
        emit AlarmWentOff(now.spo2.value_or(session_.Alarm().Settings().Limit()));
    }
}

}  // namespace vellorin
