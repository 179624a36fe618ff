#include "sensor_panel.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>

namespace vellorin {
namespace {

// "3 s" as the age of a value; under a second says nothing.
QString Age(qint64 ageMs) {
    //: The age of the last value a sensor sent, in whole seconds.
    return ageMs < 1000 ? QString() : SensorPanel::tr(" (%1 s)").arg(ageMs / 1000);
}

}  // namespace

QString SensorStatusText(SensorStatus status) {
    switch (status) {
        case SensorStatus::None:
            return SensorPanel::tr("none");
        case SensorStatus::Connecting:
            return SensorPanel::tr("connecting");
        case SensorStatus::Connected:
            return SensorPanel::tr("connected");
        case SensorStatus::NoContact:
            return SensorPanel::tr("no skin contact");
        case SensorStatus::FingerOut:
            return SensorPanel::tr("finger out");
        case SensorStatus::Stale:
            return SensorPanel::tr("no value");
        case SensorStatus::Lost:
            return SensorPanel::tr("lost, trying again");
    }
    return {};
}

QString SensorLine(const SensorFeed& feed, qint64 nowMs) {
    QStringList parts;
    const SensorSample now = feed.Peek(nowMs);
    if (const SensorStatus hr = feed.Status(SensorKind::HeartRate, nowMs);
        hr != SensorStatus::None) {
        //: The heart rate beside the displays; %1 is beats per minute, %2 the value's age.
        parts.append(hr == SensorStatus::Connected
                         ? SensorPanel::tr("HR %1%2").arg(*now.hr).arg(Age(*now.hrAgeMs))
                         //: The heart rate when there is none to show; %1 says why.
                         : SensorPanel::tr("HR -- %1").arg(SensorStatusText(hr)));
    }
    if (const SensorStatus ox = feed.Status(SensorKind::Oximeter, nowMs);
        ox != SensorStatus::None) {
        const QString pulse = now.pulse ? QString::number(*now.pulse) : QStringLiteral("--");
        //: SpO2 and the oximeter's pulse rate beside the displays; %3 is the values' age.
        parts.append(ox == SensorStatus::Connected
                         ? SensorPanel::tr("SpO2 %1 %  PR %2%3")
                               .arg(*now.spo2)
                               .arg(pulse, Age(*now.spo2AgeMs))
                         //: SpO2 when there is none to show; %1 says why.
                         : SensorPanel::tr("SpO2 -- %1").arg(SensorStatusText(ox)));
    }
    return parts.join(QStringLiteral("   "));
}

SensorPanel::SensorPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SensorPanel"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("SensorValues"));
    label_->setAlignment(Qt::AlignCenter);
    label_->setTextFormat(Qt::PlainText);
    label_->setAccessibleName(tr("Sensor values"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    hide();
}

void SensorPanel::Show(const QString& line) {
    line_ = line;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (warnedUntilMs_ > 0 && now >= warnedUntilMs_) {
        warnedUntilMs_ = 0;
        label_->setStyleSheet({});
    }
    label_->setText(Text());
}

void SensorPanel::Warn(const QString& warning) {
    warnedUntilMs_ = QDateTime::currentMSecsSinceEpoch() + kWarningShown;
    label_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    label_->setText(warning);
}

QString SensorPanel::Text() const {
    return warnedUntilMs_ > 0 ? label_->text() : line_;
}

}  // namespace vellorin
