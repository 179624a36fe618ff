#pragma once

#include <QBluetoothUuid>
#include <QList>
#include <algorithm>
#include <array>
#include <optional>

#include "sensor_reading.h"

// The Bluetooth LE services the sensors offer and the characteristics whose notifications
// Vellorin reads, with the protocol each one speaks.
namespace vellorin::gatt {

inline const QBluetoothUuid kHeartRate(QBluetoothUuid::ServiceClassUuid::HeartRate);
inline const QBluetoothUuid kPlx(quint16(0x1822));
inline const QBluetoothUuid kBattery(QBluetoothUuid::ServiceClassUuid::BatteryService);
inline const QBluetoothUuid kBerryMed(QStringLiteral("49535343-fe7d-4ae5-8fa9-9fafd205e455"));
inline const QBluetoothUuid kBerryMedNotify(QStringLiteral("49535343-1e4d-4bd9-ba61-23c647249616"));

// The characteristics whose notifications are handed on, by the protocol they speak.
struct Source {
    QBluetoothUuid characteristic;
    SensorProtocol protocol;
};
inline const std::array<Source, 5> kSources{{
    {QBluetoothUuid(quint16(0x2A37)), SensorProtocol::HeartRateMeasurement},
    {QBluetoothUuid(quint16(0x2A5F)), SensorProtocol::PlxContinuous},
    {QBluetoothUuid(quint16(0x2A5E)), SensorProtocol::PlxSpotCheck},
    {kBerryMedNotify, SensorProtocol::BerryMed},
    {QBluetoothUuid(quint16(0x2A19)), SensorProtocol::BatteryLevel},
}};

inline std::optional<SensorProtocol> ProtocolOf(const QBluetoothUuid& characteristic) {
    const auto* it = std::find_if(kSources.begin(), kSources.end(), [&](const Source& s) {
        return s.characteristic == characteristic;
    });
    return it == kSources.end() ? std::nullopt : std::optional(it->protocol);
}

inline QList<SensorKind> KindsOf(const QList<QBluetoothUuid>& services) {
    QList<SensorKind> kinds;
    if (services.contains(kHeartRate)) {
        kinds.append(SensorKind::HeartRate);
    }
    if (services.contains(kPlx) || services.contains(kBerryMed)) {
        kinds.append(SensorKind::Oximeter);
    }
    return kinds;
}

}  // namespace vellorin::gatt
