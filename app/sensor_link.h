#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "sensor_reading.h"

namespace vellorin {

// A Bluetooth LE device a scan found, with the kinds of sensor its advertised services say
// it is (Heart Rate 0x180D: a heart-rate sensor; Pulse Oximeter 0x1822 or the BerryMed
// service: an oximeter). A device with neither is not reported.
struct FoundSensor {
    QString address;  // "AA:BB:CC:DD:EE:FF"
    QString name;
    QList<SensorKind> kinds;
    int rssi = 0;
};

// The Bluetooth side of the sensors, over Qt Bluetooth: scanning, connecting to the chosen
// heart-rate sensor and oximeter, turning on their notifications and reconnecting by itself
// after a loss. It hands on the raw bytes of every notification; parsing them is the
// engine's. Built only where Qt Bluetooth is.
class SensorLink : public QObject {
    Q_OBJECT
public:
    explicit SensorLink(QObject* parent = nullptr);
    ~SensorLink() override;

    // Whether the machine has a Bluetooth adapter that is powered on.
    static bool AdapterAvailable();

    // Scans for LE devices for a while (about 10 s); Found for each sensor, then ScanEnded.
    void StartScan();
    void StopScan();
    bool Scanning() const;

    // Connects to the sensor now and after every loss until it is forgotten or replaced.
    void Use(SensorKind kind, const QString& address);
    void Forget(SensorKind kind);
    QString Address(SensorKind kind) const;
    LinkState State(SensorKind kind) const;

signals:
    void Found(const vellorin::FoundSensor& sensor);
    // problem is empty when the scan ran its time or was stopped; else why it failed.
    void ScanEnded(const QString& problem);
    void StateChanged(vellorin::SensorKind kind, vellorin::LinkState state);
    // A notification's (or a read's) value, with the protocol its characteristic speaks and
    // the moment it came (QDateTime::currentMSecsSinceEpoch()).
    void Notified(vellorin::SensorKind kind, vellorin::SensorProtocol protocol,
                  const QByteArray& value, qint64 atMs);

private:
    struct Private;
    std::unique_ptr<Private> d_;
};

}  // namespace vellorin
