#include "fake_bluez.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace vellorin {

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kControlName = QStringLiteral("vellorin_fake_bluez_control");

// Anyone may own any name and talk to anyone: a bus of this test's own.
const char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
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
)";

QString& ProblemText() {
    static QString problem;
    return problem;
}

std::unique_ptr<FakeBluez>& Running() {
    static std::unique_ptr<FakeBluez> running;
    return running;
}

// The first line the process prints, without waiting past the deadline.
QString FirstLine(QProcess& process, int ms) {
    QDeadlineTimer deadline(ms);
    process.waitForStarted(ms);
    while (!process.canReadLine() && process.state() == QProcess::Running &&
           !deadline.hasExpired()) {
        process.waitForReadyRead(int(deadline.remainingTime()));
    }
    return process.canReadLine() ? QString::fromUtf8(process.readLine()).trimmed() : QString();
}

void End(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
}

QString CharacteristicOf(SensorProtocol protocol) {
    switch (protocol) {
        case SensorProtocol::HeartRateMeasurement:
            return QStringLiteral("2a37");
        case SensorProtocol::PlxContinuous:
            return QStringLiteral("2a5f");
        case SensorProtocol::PlxSpotCheck:
            return QStringLiteral("2a5e");
        case SensorProtocol::BerryMed:
            return QStringLiteral("49535343-1e4d-4bd9-ba61-23c647249616");
        case SensorProtocol::BatteryLevel:
            return QStringLiteral("2a19");
    }
    return QString();
}

QVariant Byte(int value) {
    return QVariant::fromValue(uchar(value < 0 ? 255 : value));
}

}  // namespace

struct FakeBluez::Private {
    QTemporaryDir dir;
    QProcess bus;
    QProcess fake;
    QString address;

    // Calls a method of the simulation's control interface; its answer, or nothing.
    std::optional<QVariant> Call(const QString& method, const QVariantList& arguments) {
        QDBusConnection control = QDBusConnection::connectToBus(address, kControlName);
        QDBusMessage message = QDBusMessage::createMethodCall(
            QStringLiteral("org.bluez"), QStringLiteral("/org/vellorin/FakeBluez"),
            QStringLiteral("org.vellorin.FakeBluez"), method);
        message.setArguments(arguments);
        const QDBusMessage reply = control.call(message, QDBus::Block, 10000);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            qWarning("FakeBluez: %s failed: %s", qPrintable(method),
                     qPrintable(reply.errorMessage()));
            return std::nullopt;
        }
        return reply.arguments().value(0);
    }

    bool Do(const QString& method, const QVariantList& arguments) {
        const auto answer = Call(method, arguments);
        return answer && (!answer->isValid() || answer->toBool());
    }
};

FakeBluez::FakeBluez(std::unique_ptr<Private> d) : d_(std::move(d)) {}

FakeBluez::~FakeBluez() {
    QDBusConnection::disconnectFromBus(kControlName);
    End(d_->fake);
    End(d_->bus);
}

bool FakeBluez::Start() {
    if (Running()) {
        return true;
    }
    auto d = std::make_unique<Private>();
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        ProblemText() = QStringLiteral("dbus-daemon is not installed (Debian: dbus-daemon)");
        return false;
    }
    if (QProcess::execute(kPython, {"-c",
                                    "import dbus, dbus.service; from gi.repository "
                                    "import GLib"}) != 0) {
        ProblemText() =
            QStringLiteral(
                "the simulated BlueZ needs %1 with python3-dbus and python3-gi (Debian: "
                "python3-dbusmock brings both)")
                .arg(kPython);
        return false;
    }
    const QString config = d->dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(kBusConfig) < 0) {
        ProblemText() = QStringLiteral("cannot write %1").arg(config);
        return false;
    }
    file.close();
    d->bus.start(daemon, {"--config-file=" + config, "--nofork", "--print-address=1"});
    d->address = FirstLine(d->bus, 10000);
    if (d->address.isEmpty()) {
        ProblemText() = QStringLiteral("dbus-daemon did not start: ") +
                        QString::fromLocal8Bit(d->bus.readAllStandardError());
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), d->address);
    d->fake.setProcessEnvironment(environment);
    d->fake.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    d->fake.start(kPython, {QStringLiteral(VELLORIN_FAKE_BLUEZ)});
    if (FirstLine(d->fake, 15000) != QLatin1String("ready")) {
        ProblemText() = QStringLiteral("%1 did not start").arg(VELLORIN_FAKE_BLUEZ);
        End(d->bus);
        return false;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", d->address.toUtf8());
    // Qt reads bluetoothd's version from its binary, which the simulation has not.
    qputenv("BLUETOOTH_FORCE_DBUS_LE_VERSION", "5.50");
    Running().reset(new FakeBluez(std::move(d)));
    return true;
}

void FakeBluez::Stop() {
    Running().reset();
}

FakeBluez* FakeBluez::Instance() {
    return Running().get();
}

QString FakeBluez::Problem() {
    return ProblemText();
}

bool FakeBluez::AddStrap(const QString& address, const QString& name, int battery) {
    return d_->Do(QStringLiteral("AddStrap"), {address, name, Byte(battery)});
}

bool FakeBluez::AddPlxOximeter(const QString& address, const QString& name, int battery,
                               bool spotCheck) {
    return d_->Do(QStringLiteral("AddPlxOximeter"), {address, name, Byte(battery), spotCheck});
}

bool FakeBluez::AddBerryMed(const QString& address, const QString& name, int battery) {
    return d_->Do(QStringLiteral("AddBerryMed"), {address, name, Byte(battery)});
}

bool FakeBluez::AddOther(const QString& address, const QString& name, const QStringList& services) {
    return d_->Do(QStringLiteral("AddOther"), {address, name, services});
}

bool FakeBluez::Notify(const QString& address, SensorProtocol protocol, const QByteArray& value) {
    return d_->Do(QStringLiteral("Notify"), {address, CharacteristicOf(protocol), value});
}

bool FakeBluez::Notifying(const QString& address, SensorProtocol protocol) {
    return d_->Do(QStringLiteral("Notifying"), {address, CharacteristicOf(protocol)});
}

bool FakeBluez::Connected(const QString& address) {
    return d_->Do(QStringLiteral("Connected"), {address});
}

int FakeBluez::Connects(const QString& address) {
    return d_->Call(QStringLiteral("Connects"), {address}).value_or(QVariant(-1)).toInt();
}

bool FakeBluez::DropOut(const QString& address) {
    return d_->Do(QStringLiteral("DropOut"), {address});
}

bool FakeBluez::ComeBack(const QString& address) {
    return d_->Do(QStringLiteral("ComeBack"), {address});
}

bool FakeBluez::SetBattery(const QString& address, int percent) {
    return d_->Do(QStringLiteral("SetBattery"), {address, Byte(percent)});
}

bool FakeBluez::SetAdapter(bool present) {
    return d_->Do(QStringLiteral("SetAdapter"), {present});
}

bool FakeBluez::SetPowered(bool powered) {
    return d_->Do(QStringLiteral("SetPowered"), {powered});
}

bool FakeBluez::Reset() {
    return d_->Do(QStringLiteral("Reset"), {});
}

}  // namespace vellorin
