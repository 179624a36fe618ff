#pragma once

#include <QString>
#include <QWidget>

#include "sensor_feed.h"

class QLabel;

namespace vellorin {

// A sensor's state in words ("connected", "no skin contact", "lost, trying again").
QString SensorStatusText(SensorStatus status);

// What the sensors say now, in a line for the window and lights-out: the heart rate, SpO2
// and pulse rate with the age of the last value, and a plain mark for a stale value, a
// finger out or a strap off the skin. Empty when no sensor is chosen.
QString SensorLine(const SensorFeed& feed, qint64 nowMs);

// The line of live values under the displays: shown only while a sensor is chosen, so that
// without one the window is as it was. A warning (the low-SpO2 alarm) stands in its place
// for kWarningShown milliseconds.
class SensorPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWarningShown = 10000;

    explicit SensorPanel(QWidget* parent);

    void Show(const QString& line);
    void Warn(const QString& warning);
    // What it shows now: the warning while it stands, else the line.
    QString Text() const;
    bool Warning() const { return warnedUntilMs_ > 0; }

private:
    QLabel* label_ = nullptr;
    QString line_;
    qint64 warnedUntilMs_ = 0;
};

}  // namespace vellorin
