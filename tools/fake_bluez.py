#!/usr/bin/python3
"""A simulated BlueZ 5 with heart-rate straps and oximeters, for tests and demos without
Bluetooth hardware.

It owns org.bluez on the bus of DBUS_SYSTEM_BUS_ADDRESS and answers as bluetoothd does for
what Qt Bluetooth's D-Bus LE backend uses (fake_bluez_objects.py). Qt reads bluetoothd's
version from its binary, which is not there: run the program with
BLUETOOTH_FORCE_DBUS_LE_VERSION=5.50.

  fake_bluez.py             serve on the bus of DBUS_SYSTEM_BUS_ADDRESS; prints "ready" once
                            org.bluez is owned, and is scripted through the interface
                            org.vellorin.FakeBluez at /org/vellorin/FakeBluez (Control below)
  fake_bluez.py --stream [--oximeter berrymed|plx] [--dive]
                            start a private bus, print DBUS_SYSTEM_BUS_ADDRESS=<address>, and
                            stream a strap (C0:FF:EE:00:00:01) and an oximeter
                            (C0:FF:EE:00:00:02) while they are connected and notifying: the
                            heart rate with RR intervals at 1 Hz, slowly falling; BerryMed
                            packets, four to a notification at 25 notifications a second, or
                            PLX Continuous Measurements at 1 Hz. With --dive, after 20 s the
                            SpO2 falls by a quarter percent a second to 78 % and the heart
                            rate faster; Ctrl+C ends it.
"""
import math
import os
import signal
import subprocess
import sys
import tempfile

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from fake_bluez_objects import Bluez, Uuid, BERRYMED_NOTIFY  # noqa: E402

CONTROL = "org.vellorin.FakeBluez"
CONTROL_PATH = "/org/vellorin/FakeBluez"
BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


class Control(dbus.service.Object):
    """The scenario: sensors coming, notifying, dropping out and coming back."""

    def __init__(self, bus, bluez):
        super().__init__(bus, CONTROL_PATH)
        self.bluez = bluez

    def Device(self, address):
        device = self.bluez.devices.get(address.upper())
        if not device:
            raise dbus.exceptions.DBusException("No device " + address,
                                                name="org.bluez.Error.DoesNotExist")
        return device

    # A battery over 100 % is none: the device has no Battery service.
    @dbus.service.method(CONTROL, in_signature="ssy")
    def AddStrap(self, address, name, battery):
        self.bluez.AddStrap(address, name, battery if battery <= 100 else None)

    @dbus.service.method(CONTROL, in_signature="ssyb")
    def AddPlxOximeter(self, address, name, battery, spot_check):
        self.bluez.AddPlxOximeter(address, name, battery if battery <= 100 else None,
                                  spot_check)

    @dbus.service.method(CONTROL, in_signature="ssy")
    def AddBerryMed(self, address, name, battery):
        self.bluez.AddBerryMed(address, name, battery if battery <= 100 else None)

    @dbus.service.method(CONTROL, in_signature="ssas")
    def AddOther(self, address, name, services):
        self.bluez.AddDevice(address, name, None, [(Uuid(u), []) for u in services])

    # Whether the characteristic was notifying, so that the value went out.
    @dbus.service.method(CONTROL, in_signature="ssay", out_signature="b")
    def Notify(self, address, characteristic, value):
        return self.Device(address).Notify(Uuid(characteristic), value)

    @dbus.service.method(CONTROL, in_signature="ss", out_signature="b")
    def Notifying(self, address, characteristic):
        char = self.Device(address).Characteristic(Uuid(characteristic))
        return bool(char and char.Prop("org.bluez.GattCharacteristic1", "Notifying"))

    @dbus.service.method(CONTROL, in_signature="s", out_signature="b")
    def Connected(self, address):
        return bool(self.Device(address).Prop("org.bluez.Device1", "Connected"))

    # How many times the device was connected.
    @dbus.service.method(CONTROL, in_signature="s", out_signature="i")
    def Connects(self, address):
        return self.Device(address).connects

    @dbus.service.method(CONTROL, in_signature="s")
    def DropOut(self, address):
        device = self.Device(address)
        device.away = True
        device.Drop()

    @dbus.service.method(CONTROL, in_signature="s")
    def ComeBack(self, address):
        self.Device(address).away = False

    @dbus.service.method(CONTROL, in_signature="sy")
    def SetBattery(self, address, percent):
        self.Device(address).SetBattery(percent)

    @dbus.service.method(CONTROL, in_signature="b")
    def SetAdapter(self, present):
        self.bluez.SetAdapter(present)

    @dbus.service.method(CONTROL, in_signature="b")
    def SetPowered(self, powered):
        self.bluez.adapter.Set("org.bluez.Adapter1", "Powered", dbus.Boolean(powered))

    @dbus.service.method(CONTROL)
    def Reset(self):
        self.bluez.Reset()


def StartBus():
    """A private bus, ended with this process; its address."""
    config = tempfile.NamedTemporaryFile("w", suffix=".conf", delete=False)
    config.write(BUS_CONFIG)
    config.close()

    def DieWithParent():
        import ctypes  # pylint: disable=import-outside-toplevel
        ctypes.CDLL("libc.so.6").prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG

    daemon = subprocess.Popen(
        ["dbus-daemon", "--config-file=" + config.name, "--nofork", "--print-address=1"],
        stdout=subprocess.PIPE, text=True, preexec_fn=DieWithParent)
    address = daemon.stdout.readline().strip()
    os.unlink(config.name)
    return daemon, address


class Stream:
    """A strap and an oximeter sending what a diver's would."""

    def __init__(self, bluez, oximeter, dive):
        self.bluez, self.oximeter, self.dive, self.t = bluez, oximeter, dive, 0.0
        self.strap = bluez.AddStrap("C0:FF:EE:00:00:01", "Polar H10 FAKE01", 85)
        if oximeter == "plx":
            self.oxi = bluez.AddPlxOximeter("C0:FF:EE:00:00:02", "PLX Oximeter", 60, False)
        else:
            self.oxi = bluez.AddBerryMed("C0:FF:EE:00:00:02", "BerryMed", 60)
        GLib.timeout_add(1000, self.HeartBeat)
        GLib.timeout_add(1000 if oximeter == "plx" else 40, self.Oximeter)

    def Hr(self):
        fall = 0.08 if self.dive and self.t > 20 else 0.02
        return max(42.0, 72.0 - fall * self.t)

    def Spo2(self):
        return 98.0 if not self.dive or self.t < 20 else max(78.0, 98.0 - 0.25 * (self.t - 20))

    def HeartBeat(self):
        self.t += 1
        hr = round(self.Hr())
        rr = round(60 * 1024 / hr)
        # Flags: 8-bit rate, skin contact detected, RR intervals present.
        self.strap.Notify(Uuid("2a37"), [0x16, hr, rr & 0xFF, rr >> 8])
        return True

    def Oximeter(self):
        spo2, pulse = round(self.Spo2()), round(self.Hr())
        if self.oximeter == "plx":
            # Flags 0; SpO2 and pulse rate as 16-bit medical floats with exponent 0.
            self.oxi.Notify(Uuid("2a5f"), [0, spo2, 0, pulse & 0xFF, pulse >> 8])
            return True
        packets = []
        for _ in range(4):
            self.oxi.phase = (getattr(self.oxi, "phase", 0) + pulse / 60 / 100) % 1
            pleth = int(60 + 50 * math.sin(2 * math.pi * self.oxi.phase))
            beep = 0x40 if self.oxi.phase < pulse / 60 / 100 else 0
            packets += [0x80 | beep | 8, pleth & 0x7F, 6 | ((pulse >> 1) & 0x40),
                        pulse & 0x7F, spo2]
        self.oxi.Notify(BERRYMED_NOTIFY, packets)
        return True


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGINT, loop.quit)
    if "--stream" in sys.argv:
        daemon, address = StartBus()
        bus = dbus.bus.BusConnection(address)
        bluez = Bluez(bus)
        oximeter = "plx" if "plx" in sys.argv else "berrymed"
        Stream(bluez, oximeter, "--dive" in sys.argv)
        bluez.Own()
        print("DBUS_SYSTEM_BUS_ADDRESS=" + address, flush=True)
    else:
        daemon, bus = None, dbus.SystemBus()
        bluez = Bluez(bus)
        Control(bus, bluez)
        bluez.Own()
        print("ready", flush=True)
    # The one who started this may go at any time; its pipes closing must not end us first.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    loop.run()
    if daemon:
        daemon.terminate()


if __name__ == "__main__":
    main()
