#include "sensor_settings.h"

#include <QRegularExpression>

namespace vellorin {
namespace {

QString Key(SensorKind kind, const char* what) {
    return QStringLiteral("sensors/%1-%2")
        .arg(kind == SensorKind::HeartRate ? QStringLiteral("heart-rate")
                                           : QStringLiteral("oximeter"),
             QString::fromLatin1(what));
}

const QString kAlarmOn = QStringLiteral("sensors/spo2-alarm");
const QString kAlarmLimit = QStringLiteral("sensors/spo2-limit");

}  // namespace

SensorSettings LoadSensorSettings(WindowSettings& settings) {
    static const QRegularExpression address(QStringLiteral("^([0-9A-Fa-f]{2}:){5}[0-9A-Fa-f]{2}$"));
    SensorSettings loaded;
    for (SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        SensorChoice& choice = loaded.choices[static_cast<int>(kind)];
        choice.address = settings.Value(Key(kind, "address")).toString().trimmed().toUpper();
        if (!address.match(choice.address).hasMatch()) {
            choice.address.clear();
            continue;
        }
        choice.name = settings.Value(Key(kind, "name")).toString().left(248);
    }
    loaded.alarm.on = WindowSettings::SwitchOn(settings.Value(kAlarmOn));
    bool number = false;
    const int limit = settings.Value(kAlarmLimit).toString().trimmed().toInt(&number);
    loaded.alarm.limit = number ? Spo2AlarmSettings{true, limit}.Limit() : kSpo2AlarmDefault;
    return loaded;
}

QString SaveSensorChoice(WindowSettings& settings, SensorKind kind, const SensorChoice& choice) {
    const QString problem = settings.SetValue(Key(kind, "address"), choice.address);
    const QString nameProblem = settings.SetValue(Key(kind, "name"), choice.name);
    return problem.isEmpty() ? nameProblem : problem;
}

QString SaveSpo2Alarm(WindowSettings& settings, const Spo2AlarmSettings& alarm) {
    const QString problem =
        settings.SetValue(kAlarmOn, alarm.on ? QStringLiteral("yes") : QStringLiteral("no"));
    const QString limitProblem = settings.SetValue(kAlarmLimit, alarm.Limit());
    return problem.isEmpty() ? limitProblem : problem;
}

}  // namespace vellorin
