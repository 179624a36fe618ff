#include "sensor_link.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>
#include <QDateTime>
#include <QHash>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <array>

#include "sensor_services.h"

namespace vellorin {

namespace {

constexpr int kScanMs = 10000;
constexpr int kFirstRetryMs = 1500;
constexpr int kLongestRetryMs = 15000;
// BlueZ gives up on a connection after about as long; a link stuck longer is tried anew.
constexpr int kConnectTimeoutMs = 25000;

// The services and characteristics, by name.
using namespace gatt;

}  // namespace

struct Link {
    QString address;
    LinkState state = LinkState::None;
    QPointer<QLowEnergyController> controller;
    QList<QLowEnergyService*> services;
    int enabling = 0;  // the sensor's own notifications still to be turned on
    int retryMs = kFirstRetryMs;
    QTimer retry;
    QTimer watchdog;
};

struct SensorLink::Private {
    explicit Private(SensorLink* owner) : q(owner) {}

    Link& Of(SensorKind kind) { return links[static_cast<int>(kind)]; }

    void SetState(SensorKind kind, LinkState state) {
        Link& link = Of(kind);
        if (link.state != state) {
            link.state = state;
            emit q->StateChanged(kind, state);
        }
    }

    // Leaves the controller to disconnect and go without telling us anything more.
    void TearDown(Link& link) {
        link.watchdog.stop();
        if (link.controller) {
            for (QLowEnergyService* service : std::as_const(link.services)) {
                QObject::disconnect(service, nullptr, q, nullptr);
            }
            QObject::disconnect(link.controller, nullptr, q, nullptr);
            link.controller->disconnectFromDevice();
            link.controller->deleteLater();
        }
        link.controller = nullptr;
        link.services.clear();
        link.enabling = 0;
    }

    void Lose(SensorKind kind) {
        Link& link = Of(kind);
        TearDown(link);
        SetState(kind, LinkState::Lost);
        link.retry.start(link.retryMs);
        link.retryMs = std::min(link.retryMs * 2, kLongestRetryMs);
    }

    void Connect(SensorKind kind) {
        Link& link = Of(kind);
        TearDown(link);
        QBluetoothDeviceInfo info(QBluetoothAddress(link.address), QString(), 0);
        info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
        QLowEnergyController* controller = QLowEnergyController::createCentral(info, q);
        link.controller = controller;
        using C = QLowEnergyController;
        QObject::connect(controller, &C::connected, q,
                         [controller] { controller->discoverServices(); });
        QObject::connect(controller, &C::discoveryFinished, q, [this, kind] { UseServices(kind); });
        QObject::connect(controller, &C::errorOccurred, q, [this, kind] { Lose(kind); });
        QObject::connect(controller, &C::disconnected, q, [this, kind] { Lose(kind); });
        SetState(kind, LinkState::Connecting);
        link.watchdog.start();
        controller->connectToDevice();
    }

    // Takes the services the sensor's kind speaks through, and the battery's. Their
    // notifications are turned on once all are discovered: Qt's D-Bus backend never ends
    // the discovery of a service begun while writes for another are pending.
    void UseServices(SensorKind kind) {
        Link& link = Of(kind);
        const QList<QBluetoothUuid> found = link.controller->services();
        QBluetoothUuid own = kHeartRate;
        if (kind == SensorKind::Oximeter) {
            own = found.contains(kPlx) ? kPlx : kBerryMed;
        }
        if (!found.contains(own) || !AddService(kind, own)) {
            Lose(kind);  // not a sensor of this kind, or its services are not known yet
            return;
        }
        if (found.contains(kBattery)) {
            AddService(kind, kBattery);
        }
        const QList<QLowEnergyService*> services = link.services;
        for (QLowEnergyService* service : services) {
            service->discoverDetails(QLowEnergyService::SkipValueDiscovery);
        }
    }

    bool AddService(SensorKind kind, const QBluetoothUuid& uuid) {
        Link& link = Of(kind);
        QLowEnergyService* service = link.controller->createServiceObject(uuid, link.controller);
        if (service == nullptr) {
            return false;
        }
        const bool own = link.services.isEmpty();
        link.services.append(service);
        using S = QLowEnergyService;
        QObject::connect(service, &S::stateChanged, q, [this, kind](S::ServiceState state) {
            if (state == S::RemoteServiceDiscovered) {
                Discovered(kind);
            }
        });
        const auto pass = [this, kind](const QLowEnergyCharacteristic& ch, const QByteArray& v) {
            if (const auto protocol = ProtocolOf(ch.uuid())) {
                emit q->Notified(kind, *protocol, v, QDateTime::currentMSecsSinceEpoch());
            }
        };
        QObject::connect(service, &S::characteristicChanged, q, pass);
        QObject::connect(service, &S::characteristicRead, q, pass);
        if (own) {
            QObject::connect(service, &S::descriptorWritten, q, [this, kind] {
                Link& link = Of(kind);
                if (--link.enabling == 0) {
                    link.watchdog.stop();
                    link.retryMs = kFirstRetryMs;
                    SetState(kind, LinkState::Connected);
                }
            });
            QObject::connect(service, &S::errorOccurred, q, [this, kind] { Lose(kind); });
        }
        return true;
    }

    void Discovered(SensorKind kind) {
        Link& link = Of(kind);
        for (const QLowEnergyService* service : std::as_const(link.services)) {
            if (service->state() != QLowEnergyService::RemoteServiceDiscovered) {
                return;
            }
        }
        if (link.enabling == 0 && !link.services.isEmpty()) {
            const QList<QLowEnergyService*> services = link.services;
            for (QLowEnergyService* service : services) {
                if (link.services.isEmpty()) {
                    break;  // lost on the way
                }
                Enable(kind, service, service == services.first());
            }
        }
    }

    // Turns on the notifications (or indications) of the characteristics handed on; reads
    // the battery's level once, which notifies only when it changes.
    void Enable(SensorKind kind, QLowEnergyService* service, bool own) {
        int enabling = 0;
        const QList<QLowEnergyCharacteristic> characteristics = service->characteristics();
        for (const QLowEnergyCharacteristic& ch : characteristics) {
            const auto protocol = ProtocolOf(ch.uuid());
            const QLowEnergyDescriptor cccd = ch.clientCharacteristicConfiguration();
            if (!protocol || !cccd.isValid()) {
                continue;
            }
            if (*protocol == SensorProtocol::BatteryLevel &&
                ch.properties().testFlag(QLowEnergyCharacteristic::Read)) {
                service->readCharacteristic(ch);
            }
            const bool notify = ch.properties().testFlag(QLowEnergyCharacteristic::Notify);
            service->writeDescriptor(cccd, notify ? QLowEnergyCharacteristic::CCCDEnableNotification
                                                  : QLowEnergyCharacteristic::CCCDEnableIndication);
            ++enabling;
        }
        if (own) {
            Of(kind).enabling += enabling;
            if (enabling == 0) {
                Lose(kind);  // the service lacks what the sensor should send
            }
        }
    }

    // Why a scan cannot run, in the user's words; empty when it can.
    static QString AdapterProblem() {
        const QList<QBluetoothHostInfo> adapters = QBluetoothLocalDevice::allDevices();
        if (adapters.isEmpty()) {
            return SensorLink::tr(
                "This computer has no Bluetooth adapter, or its system service for "
                "Bluetooth (BlueZ) is not running.");
        }
        for (const QBluetoothHostInfo& adapter : adapters) {
            if (QBluetoothLocalDevice(adapter.address()).hostMode() !=
                QBluetoothLocalDevice::HostPoweredOff) {
                return QString();
            }
        }
        return SensorLink::tr("Bluetooth is turned off. Turn it on and scan again.");
    }

    void EndScan(const QString& problem) {
        if (agent) {
            QObject::disconnect(agent, nullptr, q, nullptr);
            agent->deleteLater();
            agent = nullptr;
            emit q->ScanEnded(problem);
        }
    }

    void Report(const QBluetoothDeviceInfo& info) {
        FoundSensor sensor{info.address().toString(), info.name(), KindsOf(info.serviceUuids()),
                           info.rssi()};
        if (sensor.kinds.isEmpty() || reported.value(sensor.address) == sensor.kinds) {
            return;
        }
        reported.insert(sensor.address, sensor.kinds);
        emit q->Found(sensor);
    }

    SensorLink* q;
    std::array<Link, 2> links;
    QBluetoothDeviceDiscoveryAgent* agent = nullptr;
    QHash<QString, QList<SensorKind>> reported;  // by address, in this scan
};

SensorLink::SensorLink(QObject* parent) : QObject(parent), d_(std::make_unique<Private>(this)) {
    for (const SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        d_->Of(kind).retry.setSingleShot(true);
        d_->Of(kind).watchdog.setSingleShot(true);
        d_->Of(kind).watchdog.setInterval(kConnectTimeoutMs);
        connect(&d_->Of(kind).retry, &QTimer::timeout, this, [this, kind] { d_->Connect(kind); });
        connect(&d_->Of(kind).watchdog, &QTimer::timeout, this, [this, kind] { d_->Lose(kind); });
    }
}

// The controllers and the scan are children, gone with it, each sensor told goodbye.
SensorLink::~SensorLink() {
    for (Link& link : d_->links) {
        d_->TearDown(link);
    }
    if (d_->agent) {
        QObject::disconnect(d_->agent, nullptr, this, nullptr);
        d_->agent->stop();
    }
}

bool SensorLink::AdapterAvailable() {
    return Private::AdapterProblem().isEmpty();
}

void SensorLink::StartScan() {
    if (d_->agent) {
        return;
    }
    d_->reported.clear();
    d_->agent = new QBluetoothDeviceDiscoveryAgent(this);
    using A = QBluetoothDeviceDiscoveryAgent;
    const QString problem = Private::AdapterProblem();
    if (!problem.isEmpty()) {
        // Told after the caller is back, as a scan that ran would be.
        QTimer::singleShot(0, d_->agent, [this, problem] { d_->EndScan(problem); });
        return;
    }
    d_->agent->setLowEnergyDiscoveryTimeout(kScanMs);
    connect(d_->agent, &A::deviceDiscovered, this, [this](const auto& info) { d_->Report(info); });
    connect(d_->agent, &A::deviceUpdated, this, [this](const auto& info) { d_->Report(info); });
    connect(d_->agent, &A::finished, this, [this] { d_->EndScan(QString()); });
    connect(d_->agent, &A::canceled, this, [this] { d_->EndScan(QString()); });
    connect(d_->agent, &A::errorOccurred, this, [this](A::Error error) {
        QString problem = Private::AdapterProblem();
        if (problem.isEmpty()) {
            problem = error == A::MissingPermissionsError
                          ? tr("The system does not allow Vellorin to use Bluetooth.")
                          : tr("The scan for sensors failed: %1").arg(d_->agent->errorString());
        }
        d_->EndScan(problem);
    });
    d_->agent->start(A::LowEnergyMethod);
}

void SensorLink::StopScan() {
    if (d_->agent && d_->agent->isActive()) {
        d_->agent->stop();
    }
    d_->EndScan(QString());
}

bool SensorLink::Scanning() const {
    return d_->agent != nullptr;
}

void SensorLink::Use(SensorKind kind, const QString& address) {
    Link& link = d_->Of(kind);
    if (link.address.compare(address, Qt::CaseInsensitive) == 0 && link.state != LinkState::None) {
        return;
    }
    link.address = address.toUpper();
    link.retry.stop();
    link.retryMs = kFirstRetryMs;
    d_->Connect(kind);
}

void SensorLink::Forget(SensorKind kind) {
    Link& link = d_->Of(kind);
    d_->TearDown(link);
    link.retry.stop();
    link.address.clear();
    d_->SetState(kind, LinkState::None);
}

QString SensorLink::Address(SensorKind kind) const {
    return d_->Of(kind).address;
}

LinkState SensorLink::State(SensorKind kind) const {
    return d_->Of(kind).state;
}

}  // namespace vellorin
