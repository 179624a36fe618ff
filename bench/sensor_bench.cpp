// The sensors' cost on the CPU: the thread's CPU time per notification through SensorPackets
// for each protocol, with packets shaped like a real sensor's, and for malformed ones; then
// the timing benchmark's session without sensors and with a strap and an oximeter streaming
// (sensor_timing.h).
//
//   vellorin_sensor_bench [notifications [TABLE]]   (1,000,000 by default; TABLE is the
//       timing benchmark's: its six settings, 5 15 5 15 5 3 by default, or a table file and
//       how many ticks of it)
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "sensor_packets.h"
#include "sensor_timing.h"

namespace {

using vellorin::SensorPackets;
using vellorin::SensorProtocol;

QByteArray Bytes(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int byte : bytes) {
        out.append(char(byte));
    }
    return out;
}

qint64 ThreadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct Load {
    const char* name;
    SensorProtocol protocol;
    QList<QByteArray> notifications;  // taken in turn
};

QList<Load> Loads() {
    // A chest strap at 64 bpm with its contact and two RR intervals.
    const QByteArray heartRate = Bytes({0x16, 64, 0xC0, 0x03, 0xD0, 0x03});
    // A continuous oximeter with its measurement and device status.
    const QByteArray plx = Bytes({0x0C, 0x62, 0x00, 0x48, 0x00, 0x80, 0x01, 0x10, 0x00, 0x00});
    const QByteArray spot =
        Bytes({0x03, 0x62, 0x00, 0x48, 0x00, 0xE9, 0x07, 3, 15, 10, 30, 0, 0x80, 0x01});
    // A BerryMed oximeter's 20-byte notification: four packets along the pleth wave.
    QByteArray berryMed;
    for (const int pleth : {40, 52, 61, 57}) {
        berryMed += Bytes({0x86, pleth, 0x06, 0x48, 0x62});
    }
    // The same cut off in the middle of packets, so that the stream drops bytes each time.
    const QByteArray berryMedCut = berryMed.sliced(2, 15);
    return {
        {"heart rate, 2 RR", SensorProtocol::HeartRateMeasurement, {heartRate}},
        {"PLX continuous", SensorProtocol::PlxContinuous, {plx}},
        {"PLX spot-check", SensorProtocol::PlxSpotCheck, {spot}},
        {"BerryMed, 4 packets", SensorProtocol::BerryMed, {berryMed}},
        {"battery", SensorProtocol::BatteryLevel, {Bytes({87})}},
        {"heart rate, cut",
         SensorProtocol::HeartRateMeasurement,
         {heartRate.first(5), Bytes({0x01, 64})}},
        {"PLX, cut", SensorProtocol::PlxContinuous, {plx.first(8), plx.first(3)}},
        {"BerryMed, garbage", SensorProtocol::BerryMed, {berryMedCut, QByteArray(20, 0x55)}},
    };
}

}  // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);  // for the processes it starts
    const long long count = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : 1'000'000;
    std::printf("%lld notifications each, thread CPU time\n", count);
    std::printf("%-22s %10s %16s %10s %10s\n", "load", "ns/notif", "notif/s", "readings",
                "malformed");
    for (const Load& load : Loads()) {
        SensorPackets packets;
        qint64 readings = 0;
        const qsizetype kinds = load.notifications.size();
        const qint64 start = ThreadCpuNs();
        for (long long n = 0; n < count; ++n) {
            const SensorPackets::Parsed parsed =
                packets.Take(load.protocol, load.notifications[n % kinds]);
            readings +=
                parsed.oximeter.size() + (parsed.heartRate ? 1 : 0) + (parsed.battery ? 1 : 0);
        }
        const double ns = double(ThreadCpuNs() - start) / double(count);
        std::printf("%-22s %10.1f %16.0f %10lld %10lld\n", load.name, ns, 1e9 / ns,
                    static_cast<long long>(readings), static_cast<long long>(packets.Malformed()));
    }
    // A session of about a minute and a half: three of them keep the whole under six minutes.
    QList<QByteArray> table = {"5", "15", "5", "15", "5", "3"};
    if (argc > 2) {
        table = {argv + 2, argv + argc};
    }
    std::printf(
        "\nthe timing benchmark's session (%s) with the sensors streaming through Qt "
        "Bluetooth from the simulated BlueZ:\n",
        table.join(' ').constData());
    return vellorin::bench::CompareSensorTiming(table) ? 0 : 1;
}
