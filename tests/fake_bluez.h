#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "sensor_reading.h"

namespace vellorin {

// A simulated BlueZ (tools/fake_bluez.py) on a private bus that this process takes as its
// system bus, so that Qt Bluetooth talks to it as to bluetoothd: one powered adapter and the
// sensors a test adds, connecting, notifying, dropping out and coming back as it says.
//
// Start() must come before Qt first uses the system bus (the suite's main calls it before
// QApplication); Qt keeps that connection and what it learnt of BlueZ for the whole process,
// so there is one per process and Reset() between tests. Every scripting call waits for the
// simulation's answer and is false when there was none or it failed.
class FakeBluez {
public:
    // Starts the bus and the simulation and points DBUS_SYSTEM_BUS_ADDRESS at the bus (and
    // BLUETOOTH_FORCE_DBUS_LE_VERSION at a BlueZ with the D-Bus GATT API). False, with
    // Problem() saying why, when this machine cannot run it.
    static bool Start();
    // Ends the simulation and the bus; Instance() is then nothing.
    static void Stop();
    // The running simulation, or nullptr.
    static FakeBluez* Instance();
    static QString Problem();

    ~FakeBluez();

    // Sensors that advertise their services: a heart-rate strap (Heart Rate 0x180D), an
    // oximeter with a Pulse Oximeter service 0x1822 (Continuous Measurement, and Spot-check
    // Measurement by indication when spotCheck), a BerryMed one (its serial service), and a
    // device of neither kind; each with a Battery service when battery is 0-100.
    bool AddStrap(const QString& address, const QString& name, int battery = -1);
    bool AddPlxOximeter(const QString& address, const QString& name, int battery = -1,
                        bool spotCheck = true);
    bool AddBerryMed(const QString& address, const QString& name, int battery = -1);
    bool AddOther(const QString& address, const QString& name, const QStringList& services);

    // Sends a notification of the characteristic the protocol speaks through; false when
    // it is not notifying (the link has not turned it on, or the device is not connected).
    bool Notify(const QString& address, SensorProtocol protocol, const QByteArray& value);
    bool Notifying(const QString& address, SensorProtocol protocol);
    bool Connected(const QString& address);
    int Connects(const QString& address);  // connections made so far

    // The device goes out of reach: disconnected, and every connection fails until ComeBack.
    bool DropOut(const QString& address);
    bool ComeBack(const QString& address);
    // Notifies the new level when the battery's notifications are on.
    bool SetBattery(const QString& address, int percent);
    bool SetAdapter(bool present);  // the adapter unplugged or plugged in
    bool SetPowered(bool powered);
    // Every device gone, the adapter as it started.
    bool Reset();

private:
    struct Private;
    explicit FakeBluez(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d_;
};

}  // namespace vellorin
