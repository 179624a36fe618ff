"""The objects of a simulated BlueZ 5 (see fake_bluez.py): what Qt Bluetooth's D-Bus LE
backend reads and calls, with the signals bluetoothd sends."""
import dbus
import dbus.service
from gi.repository import GLib

BUS_NAME = "org.bluez"
PROPS = "org.freedesktop.DBus.Properties"
OM = "org.freedesktop.DBus.ObjectManager"
ADAPTER_PATH = "/org/bluez/hci0"
ADAPTER_ADDRESS = "00:1A:7D:DA:71:13"


def Uuid(short_or_long):
    text = str(short_or_long).lower()
    return "0000%s-0000-1000-8000-00805f9b34fb" % text if len(text) == 4 else text


HEART_RATE, PLX, BATTERY = Uuid("180d"), Uuid("1822"), Uuid("180f")
BERRYMED = "49535343-fe7d-4ae5-8fa9-9fafd205e455"
BERRYMED_NOTIFY = "49535343-1e4d-4bd9-ba61-23c647249616"
BERRYMED_WRITE = "49535343-8841-43f4-a8d4-ecbe34729bb3"
CCCD = Uuid("2902")


def Bytes(values):
    return dbus.Array([dbus.Byte(int(v)) for v in values], signature="y")


class Failed(dbus.DBusException):
    _dbus_error_name = "org.bluez.Error.Failed"


class NotSupported(dbus.DBusException):
    _dbus_error_name = "org.bluez.Error.NotSupported"


class Object(dbus.service.Object):
    """An exported object with its interfaces' properties and PropertiesChanged."""

    def __init__(self, bluez, path, interfaces):
        super().__init__(bluez.bus, path)
        self.bluez, self.path, self.interfaces = bluez, path, interfaces

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        try:
            return self.interfaces[interface][name]
        except KeyError:
            raise dbus.exceptions.DBusException(
                "No such property " + name, name="org.freedesktop.DBus.Error.InvalidArgs")

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.interfaces.get(interface, {})

    @dbus.service.method(PROPS, in_signature="ssv")
    def Set(self, interface, name, value):
        self.Update(interface, **{name: value})
        if interface == "org.bluez.Adapter1" and name == "Powered" and not value:
            for device in list(self.bluez.devices.values()):
                device.Drop()

    @dbus.service.signal(PROPS, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass

    def Update(self, interface, **changed):
        self.interfaces[interface].update(changed)
        self.PropertiesChanged(interface, changed, dbus.Array([], signature="s"))

    def Prop(self, interface, name):
        return self.interfaces[interface][name]


class Root(Object):
    """The object manager, and the control interface the tests and demos use."""

    def __init__(self, bluez):
        super().__init__(bluez, "/", {})

    @dbus.service.method(OM, out_signature="a{oa{sa{sv}}}")
    def GetManagedObjects(self):
        return {o.path: o.interfaces for o in self.bluez.objects}

    @dbus.service.signal(OM, signature="oa{sa{sv}}")
    def InterfacesAdded(self, path, interfaces):
        pass

    @dbus.service.signal(OM, signature="oas")
    def InterfacesRemoved(self, path, interfaces):
        pass


class Adapter(Object):
    def __init__(self, bluez):
        super().__init__(bluez, ADAPTER_PATH, {"org.bluez.Adapter1": {
            "Address": ADAPTER_ADDRESS, "AddressType": "public", "Name": "vellorin-fake",
            "Alias": "vellorin-fake", "Class": dbus.UInt32(0), "Powered": True,
            "Discoverable": False, "DiscoverableTimeout": dbus.UInt32(180),
            "Pairable": True, "PairableTimeout": dbus.UInt32(0), "Discovering": False,
            "UUIDs": dbus.Array([Uuid("1800"), Uuid("1801")], signature="s"),
            "Modalias": "usb:v1D6Bp0246d0542"}}, )

    @dbus.service.method("org.bluez.Adapter1")
    def StartDiscovery(self):
        if not self.Prop("org.bluez.Adapter1", "Powered"):
            raise dbus.exceptions.DBusException("Not Ready", name="org.bluez.Error.NotReady")
        self.Update("org.bluez.Adapter1", Discovering=True)
        # Each device in reach advertises soon after the scan starts.
        GLib.timeout_add(100, self.bluez.Advertise)

    @dbus.service.method("org.bluez.Adapter1")
    def StopDiscovery(self):
        self.Update("org.bluez.Adapter1", Discovering=False)

    @dbus.service.method("org.bluez.Adapter1", in_signature="a{sv}")
    def SetDiscoveryFilter(self, _filter):
        pass

    @dbus.service.method("org.bluez.Adapter1", out_signature="as")
    def GetDiscoveryFilters(self):
        return ["UUIDs", "RSSI", "Pathloss", "Transport", "DuplicateData", "Discoverable"]

    @dbus.service.method("org.bluez.Adapter1", in_signature="o")
    def RemoveDevice(self, path):
        for address, device in list(self.bluez.devices.items()):
            if device.path == path:
                self.bluez.RemoveDevice(address)


class GattService(Object):
    pass


class GattCharacteristic(Object):
    @dbus.service.method("org.bluez.GattCharacteristic1", in_signature="a{sv}",
                         out_signature="ay")
    def ReadValue(self, _options):
        return Bytes(self.Prop("org.bluez.GattCharacteristic1", "Value"))

    @dbus.service.method("org.bluez.GattCharacteristic1", in_signature="aya{sv}")
    def WriteValue(self, value, _options):
        self.interfaces["org.bluez.GattCharacteristic1"]["Value"] = Bytes(value)

    @dbus.service.method("org.bluez.GattCharacteristic1")
    def StartNotify(self):
        flags = self.Prop("org.bluez.GattCharacteristic1", "Flags")
        if "notify" not in flags and "indicate" not in flags:
            raise NotSupported("Operation is not supported")
        self.Update("org.bluez.GattCharacteristic1", Notifying=True)
        self.descriptor.interfaces["org.bluez.GattDescriptor1"]["Value"] = Bytes(
            [1 if "notify" in flags else 2, 0])

    @dbus.service.method("org.bluez.GattCharacteristic1")
    def StopNotify(self):
        self.Update("org.bluez.GattCharacteristic1", Notifying=False)
        self.descriptor.interfaces["org.bluez.GattDescriptor1"]["Value"] = Bytes([0, 0])


class GattDescriptor(Object):
    @dbus.service.method("org.bluez.GattDescriptor1", in_signature="a{sv}", out_signature="ay")
    def ReadValue(self, _options):
        return Bytes(self.Prop("org.bluez.GattDescriptor1", "Value"))


class Device(Object):
    def __init__(self, bluez, address, name, battery, services):
        path = "%s/dev_%s" % (ADAPTER_PATH, address.replace(":", "_"))
        uuids = [u for u, _ in services] + ([BATTERY] if battery is not None else [])
        super().__init__(bluez, path, {"org.bluez.Device1": {
            "Address": address, "AddressType": "random", "Name": name, "Alias": name,
            "Adapter": dbus.ObjectPath(ADAPTER_PATH), "Appearance": dbus.UInt16(0),
            "UUIDs": dbus.Array(uuids, signature="s"), "Paired": False, "Trusted": False,
            "Blocked": False, "Bonded": False, "LegacyPairing": False, "Connected": False,
            "ServicesResolved": False, "ServiceData": dbus.Dictionary({}, signature="sv"),
            "ManufacturerData": dbus.Dictionary({}, signature="qv")}})
        if bluez.adapter.Prop("org.bluez.Adapter1", "Discovering"):
            self.interfaces["org.bluez.Device1"]["RSSI"] = dbus.Int16(-60)
        self.address, self.battery, self.away, self.connects = address, battery, False, 0
        self.services = services + ([(BATTERY, [(Uuid("2a19"), ["read", "notify"])])]
                                    if battery is not None else [])
        self.gatt = []

    @dbus.service.method("org.bluez.Device1", async_callbacks=("reply", "error"))
    def Connect(self, reply, error):
        if self.Prop("org.bluez.Device1", "Connected"):
            reply()
        elif self.away or not self.bluez.adapter.Prop("org.bluez.Adapter1", "Powered"):
            GLib.timeout_add(300, lambda: error(Failed("le-connection-abort-by-local")))
        else:
            GLib.timeout_add(50, self.Connected, reply)

    @dbus.service.method("org.bluez.Device1")
    def Disconnect(self):
        self.Drop()

    def Connected(self, reply):
        self.connects += 1
        self.Update("org.bluez.Device1", Connected=True)
        self.Export()
        reply()
        GLib.timeout_add(50, lambda: self.Update("org.bluez.Device1", ServicesResolved=True))
        return False

    def Export(self):
        handle = 0x0a
        for service_uuid, chars in self.services:
            service = GattService(self.bluez, "%s/service%04x" % (self.path, handle), {
                "org.bluez.GattService1": {"UUID": service_uuid, "Primary": True,
                                           "Device": dbus.ObjectPath(self.path),
                                           "Includes": dbus.Array([], signature="o")}})
            self.gatt.append(service)
            for char_uuid, flags in chars:
                handle += 2
                value = [self.battery] if char_uuid == Uuid("2a19") else []
                char = GattCharacteristic(self.bluez, "%s/char%04x" % (service.path, handle), {
                    "org.bluez.GattCharacteristic1": {
                        "UUID": char_uuid, "Service": dbus.ObjectPath(service.path),
                        "Value": Bytes(value), "Notifying": False,
                        "Flags": dbus.Array(flags, signature="s")}})
                self.gatt.append(char)
                char.descriptor = None
                if "notify" in flags or "indicate" in flags:
                    handle += 1
                    char.descriptor = GattDescriptor(self.bluez, "%s/desc%04x" % (char.path, handle), {
                        "org.bluez.GattDescriptor1": {
                            "UUID": CCCD, "Characteristic": dbus.ObjectPath(char.path),
                            "Value": Bytes([0, 0]), "Flags": dbus.Array([], signature="s")}})
                    self.gatt.append(char.descriptor)
            handle += 0x10
        for gatt in self.gatt:
            self.bluez.Add(gatt)

    def Drop(self):
        if not self.Prop("org.bluez.Device1", "Connected"):
            return
        self.Update("org.bluez.Device1", ServicesResolved=False)
        for gatt in reversed(self.gatt):
            self.bluez.Remove(gatt)
        self.gatt = []
        self.Update("org.bluez.Device1", Connected=False)

    def Characteristic(self, uuid):
        for gatt in self.gatt:
            char = gatt.interfaces.get("org.bluez.GattCharacteristic1")
            if char and char["UUID"] == uuid:
                return gatt
        return None

    def Notify(self, uuid, value):
        char = self.Characteristic(uuid)
        if not char or not char.Prop("org.bluez.GattCharacteristic1", "Notifying"):
            return False
        char.Update("org.bluez.GattCharacteristic1", Value=Bytes(value))
        return True

    def SetBattery(self, percent):
        self.battery = percent
        char = self.Characteristic(Uuid("2a19"))
        if char:
            char.interfaces["org.bluez.GattCharacteristic1"]["Value"] = Bytes([percent])
            self.Notify(Uuid("2a19"), [percent])


class Bluez:
    def __init__(self, bus):
        self.bus, self.objects, self.devices = bus, [], {}
        self.root = Root(self)
        self.adapter = None
        self.SetAdapter(True)

    def Own(self):
        self.name = dbus.service.BusName(BUS_NAME, self.bus, do_not_queue=True)

    def Add(self, obj):
        self.objects.append(obj)
        self.root.InterfacesAdded(obj.path, obj.interfaces)

    def Remove(self, obj):
        self.objects.remove(obj)
        self.root.InterfacesRemoved(obj.path, dbus.Array(obj.interfaces.keys(), signature="s"))
        obj.remove_from_connection()

    def SetAdapter(self, present):
        if present and not self.adapter:
            self.adapter = Adapter(self)
            self.Add(self.adapter)
        elif not present and self.adapter:
            for address in list(self.devices):
                self.RemoveDevice(address)
            self.Remove(self.adapter)
            self.adapter = None

    def AddDevice(self, address, name, battery, services):
        self.RemoveDevice(address.upper())
        device = Device(self, address.upper(), name, battery, services)
        self.devices[device.address] = device
        self.Add(device)
        return device

    def AddStrap(self, address, name, battery):
        return self.AddDevice(address, name, battery, [
            (HEART_RATE, [(Uuid("2a37"), ["notify"]), (Uuid("2a38"), ["read"])])])

    def AddPlxOximeter(self, address, name, battery, spot_check):
        chars = [(Uuid("2a5f"), ["notify"]), (Uuid("2a60"), ["read"])]
        if spot_check:
            chars.append((Uuid("2a5e"), ["indicate"]))
        return self.AddDevice(address, name, battery, [(PLX, chars)])

    def AddBerryMed(self, address, name, battery):
        return self.AddDevice(address, name, battery, [(BERRYMED, [
            (BERRYMED_NOTIFY, ["notify"]), (BERRYMED_WRITE, ["write-without-response"])])])

    def RemoveDevice(self, address):
        device = self.devices.pop(address, None)
        if device:
            device.Drop()
            self.Remove(device)

    def Advertise(self):
        for device in self.devices.values():
            if not device.away:
                device.Update("org.bluez.Device1", RSSI=dbus.Int16(-60))
        return False

    def Reset(self):
        self.SetAdapter(False)
        self.SetAdapter(True)
