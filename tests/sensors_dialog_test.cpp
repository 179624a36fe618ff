// Training > Sensors, the real dialog by keys: each kind's state in words from the feed, the
// search and its list with the kinds each sensor is, a row used by Enter or the buttons, a
// sensor forgotten, the low-SpO2 alarm's limit, and every control reached by Tab, named for a
// screen reader and opened by its own access key.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "fake_bluez.h"
#include "sensors_dialog.h"

namespace vellorin::testing {
namespace {

using Choices = std::array<SensorChoice, 2>;
constexpr SensorKind kHeart = SensorKind::HeartRate;
constexpr SensorKind kOxi = SensorKind::Oximeter;

const FoundSensor kStrap{"A0:00:00:00:00:01", "Polar H10", {kHeart}, -61};
const FoundSensor kFinger{"A0:00:00:00:00:02", "BerryMed", {kOxi}, -70};
const FoundSensor kBoth{"A0:00:00:00:00:03", "", {kHeart, kOxi}, 0};
const Choices kBothChosen{{{kStrap.address, kStrap.name}, {kFinger.address, kFinger.name}}};

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
QString Focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
}

class SensorsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (FakeBluez::Instance()) {
            ASSERT_TRUE(FakeBluez::Instance()->Reset());
        }
        link = std::make_unique<SensorLink>();
    }
    SensorsDialog& Open(const Choices& choices = kBothChosen, Spo2AlarmSettings alarm = {}) {
        dialog = std::make_unique<SensorsDialog>(*link, *feed, choices, alarm);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }
    // The sensors a search found, the last row current.
    void Find(std::initializer_list<FoundSensor> found) {
        for (const FoundSensor& sensor : found) {
            emit link->Found(sensor);
        }
        auto* list = Get<QTreeWidget>("FoundSensors");
        list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
    }
    template <typename T = QLabel>
    T* Get(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string Text(const char* label) const { return Get(label)->text().toStdString(); }

    std::unique_ptr<SensorFeed> feed = std::make_unique<SensorFeed>();
    std::unique_ptr<SensorLink> link;  // goes before the feed its signals reach
    std::unique_ptr<SensorsDialog> dialog;
};

TEST_F(SensorsDialogTest, EachKindsStateInWords) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const auto take = [&](SensorKind kind, SensorProtocol protocol, const char* hex, qint64 at) {
        feed->SetLink(kind, LinkState::Connected);
        feed->Take(kind, protocol, QByteArray::fromHex(hex), at);
    };
    const auto heart = [&](const char* hex, qint64 at) {
        take(kHeart, SensorProtocol::HeartRateMeasurement, hex, at);
    };
    const std::tuple<const char*, std::function<void()>, const char*, const char*> cases[] = {
        {"none", [] {}, "HeartRateStatus", "Not in use"},
        {"connecting", [&] { feed->SetLink(kHeart, LinkState::Connecting); }, "HeartRateStatus",
         "Connecting…"},
        {"contact, 72 bpm", [&] { heart("0648", now); }, "HeartRateStatus", "Connected"},
        {"no contact", [&] { heart("0448", now); }, "HeartRateStatus", "No skin contact"},
        {"a minute old", [&] { heart("0648", now - 60000); }, "HeartRateStatus",
         "No values for a while"},
        {"lost", [&] { feed->SetLink(kHeart, LinkState::Lost); }, "HeartRateStatus",
         "Lost — trying again"},
        {"finger out", [&] { take(kOxi, SensorProtocol::BerryMed, "8000507f7f", now); },
         "OximeterStatus", "Finger out"},
        {"battery 80 %", [&] { take(kOxi, SensorProtocol::BatteryLevel, "50", now); },
         "OximeterBattery", "Battery 80 %"},
    };
    for (const auto& [name, given, label, shown] : cases) {
        dialog.reset();
        feed = std::make_unique<SensorFeed>();
        Open();
        given();
        emit link->StateChanged(kHeart, feed->Link(kHeart));  // the dialog looks again, queued
        QCoreApplication::processEvents();
        EXPECT_EQ(Text(label), shown) << name;
    }
    // Without a word from the link, the dialog looks again within half a second.
    heart("0648", QDateTime::currentMSecsSinceEpoch());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Text("HeartRateStatus") == "Connected"; }, 1000));
    EXPECT_EQ(Text("HeartRateBattery"), "");
}

TEST_F(SensorsDialogTest, SearchListsWhatItFindsAndNeverWaits) {
    Open(Choices{});
    EXPECT_EQ(Text("HeartRateSensor"), "None");
    auto* search = Get<QPushButton>("SearchSensors");
    search->setFocus();
    QElapsedTimer took;
    took.start();
    Key(Qt::Key_Space);
    EXPECT_LT(took.elapsed(), 500);
    // Without an adapter the search ends by itself and says why; with one it runs until Stop.
    if (search->text() == "&Stop") {
        EXPECT_EQ(Text("SearchNote"), "Searching…");
        Key(Qt::Key_Space);
    }
    EXPECT_TRUE(QTest::qWaitFor([search] { return search->text() == "&Search"; }));
    EXPECT_NE(Text("SearchNote"), "Searching…");
    EXPECT_NE(Text("SearchNote"), "");

    Find({kStrap, kFinger, kBoth, {kStrap.address, kStrap.name, {kHeart}, -50}});
    emit link->ScanEnded(QString());
    EXPECT_EQ(Text("SearchNote").substr(0, 14), "Found 3 sensor");
    auto* list = Get<QTreeWidget>("FoundSensors");
    const std::tuple<const char*, const char*, const char*, bool, bool> rows[] = {
        {"Polar H10", "heart rate", "-50 dBm", true, false},  // found again, nearer
        {"BerryMed", "oximeter", "-70 dBm", false, true},
        {"(no name)", "heart rate, oximeter", "", true, true},
    };
    ASSERT_EQ(list->topLevelItemCount(), std::size(rows));
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const auto& [name, kinds, signal, asHeart, asOxi] = rows[i];
        list->setCurrentItem(list->topLevelItem(i));
        const QTreeWidgetItem* row = list->topLevelItem(i);
        EXPECT_EQ(row->text(0).toStdString(), name);
        EXPECT_EQ(row->text(1).toStdString(), kinds) << name;
        EXPECT_EQ(row->text(3).toStdString(), signal) << name;
        EXPECT_EQ(Get<QPushButton>("UseAsHeartRate")->isEnabled(), asHeart) << name;
        EXPECT_EQ(Get<QPushButton>("UseAsOximeter")->isEnabled(), asOxi) << name;
    }
}

TEST_F(SensorsDialogTest, EnterOnARowUsesItAsTheKindItIsOrTheOneNotChosen) {
    const std::tuple<FoundSensor, Choices, SensorKind, const char*> cases[] = {
        {kStrap, {}, kHeart, "HeartRateSensor"},
        {kFinger, {}, kOxi, "OximeterSensor"},
        {kBoth, {}, kHeart, "HeartRateSensor"},
        {kBoth, Choices{{kBothChosen[0], {}}}, kOxi, "OximeterSensor"},
    };
    for (const auto& [found, choices, kind, label] : cases) {
        Open(choices);
        QSignalSpy chosen(dialog.get(), &SensorsDialog::Chosen);
        Find({found});
        Get<QTreeWidget>("FoundSensors")->setFocus();
        Key(Qt::Key_Return);
        ASSERT_EQ(chosen.size(), 1) << found.address.toStdString();
        EXPECT_EQ(chosen[0][0].value<SensorKind>(), kind);
        EXPECT_EQ(chosen[0][1].value<SensorChoice>(), (SensorChoice{found.address, found.name}));
        EXPECT_EQ(Get(label)->text(),
                  found.name.isEmpty() ? found.address : found.name + " (" + found.address + ")");
        EXPECT_TRUE(dialog->isVisible());  // Enter uses the row; it never closes the dialog
    }
}

TEST_F(SensorsDialogTest, TheAlarmsLimitKeptInItsRangeAndEveryChangeTold) {
    const std::tuple<Spo2AlarmSettings, bool, int> cases[] = {
        {{}, true, 80}, {{false, 90}, false, 90}, {{true, 50}, true, 70}, {{true, 99}, true, 95}};
    for (const auto& [given, on, limit] : cases) {
        Open({}, given);
        auto* spin = Get<QSpinBox>("Spo2AlarmLimit");
        EXPECT_EQ(Get<QCheckBox>("Spo2AlarmOn")->isChecked(), on) << given.limit;
        EXPECT_EQ(spin->value(), limit) << given.limit;
        EXPECT_EQ(spin->isEnabled(), on) << given.limit;
        EXPECT_EQ(spin->text().toStdString(), std::to_string(limit) + " %");
    }
    Open();
    QSignalSpy told(dialog.get(), &SensorsDialog::AlarmChanged);
    Get<QSpinBox>("Spo2AlarmLimit")->setFocus();
    Key(Qt::Key_Up);
    for (int i = 0; i < 30; ++i) {
        Key(Qt::Key_Down);
    }
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Space);
    ASSERT_EQ(told.size(), 1 + 11 + 1);  // up, down to 70 and no further, then off
    EXPECT_EQ(told[0][0].value<Spo2AlarmSettings>(), (Spo2AlarmSettings{true, 81}));
    EXPECT_EQ(told.last()[0].value<Spo2AlarmSettings>(), (Spo2AlarmSettings{false, 70}));
    EXPECT_FALSE(Get<QSpinBox>("Spo2AlarmLimit")->isEnabled());
}

TEST_F(SensorsDialogTest, TabReachesEveryControlInOrderEachNamed) {
    Open();
    Find({kBoth});
    const QStringList order = {"ForgetHeartRate", "ForgetOximeter", "SearchSensors",
                               "FoundSensors",    "UseAsHeartRate", "UseAsOximeter",
                               "Spo2AlarmOn",     "Spo2AlarmLimit", "CloseSensors"};
    Get<QWidget>("CloseSensors")->setFocus();
    QStringList reached;
    for (int i = 0; i < order.size(); ++i) {
        Key(Qt::Key_Tab);
        reached.append(Focused());
    }
    EXPECT_EQ(reached.join(' ').toStdString(), order.join(' ').toStdString());
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) &&
            !widget->focusProxy()) {
            EXPECT_TRUE(order.contains(widget->objectName())) << widget->metaObject()->className();
            EXPECT_NE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), "")
                << widget->objectName().toStdString();
        }
    }
}

TEST_F(SensorsDialogTest, EachAccessKeyDoesWhatItSaysAndEscapeCloses) {
    const auto closed = [this] { return !dialog->isVisible(); };
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, std::function<bool()>> cases[] = {
        {Qt::Key_F, Qt::AltModifier, [this] { return Text("HeartRateSensor") == "None"; }},
        {Qt::Key_R, Qt::AltModifier, [this] { return Text("OximeterSensor") == "None"; }},
        {Qt::Key_S, Qt::AltModifier, [this] { return Text("SearchNote") != ""; }},
        {Qt::Key_N, Qt::AltModifier, [] { return Focused() == "FoundSensors"; }},
        {Qt::Key_H, Qt::AltModifier,
         [this] { return Text("HeartRateSensor") == kBoth.address.toStdString(); }},
        {Qt::Key_O, Qt::AltModifier,
         [this] { return Text("OximeterSensor") == kBoth.address.toStdString(); }},
        {Qt::Key_E, Qt::AltModifier,
         [this] { return !Get<QCheckBox>("Spo2AlarmOn")->isChecked(); }},
        {Qt::Key_C, Qt::AltModifier, closed},
        {Qt::Key_Escape, Qt::NoModifier, closed},
    };
    for (const auto& [key, modifiers, done] : cases) {
        Open();
        Find({kBoth});
        Key(key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor(done, 1000))
            << QKeySequence(key | modifiers).toString().toStdString();
    }
    // No two controls share a key.
    QStringList keys;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        keys.append(QKeySequence::mnemonic(button->text()).toString());
    }
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        keys.append(QKeySequence::mnemonic(label->text()).toString());
    }
    keys.removeAll(QString());
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
        << keys.join(' ').toStdString();
    EXPECT_EQ(keys.size(), 8);
}

TEST_F(SensorsDialogTest, ASimulatedStrapFoundUsedAndForgotten) {
    FakeBluez* bluez = FakeBluez::Instance();
    if (!bluez) {
        GTEST_SKIP() << "no simulated BlueZ: " << FakeBluez::Problem().toStdString();
    }
    const QString strap = "F2:00:00:00:00:01";
    ASSERT_TRUE(bluez->AddStrap(strap, "Polar H10", 90));
    ASSERT_TRUE(bluez->AddBerryMed("F2:00:00:00:00:02", "BerryMed"));
    ASSERT_TRUE(
        bluez->AddOther("F2:00:00:00:00:03", "Speaker", {"0000110b-0000-1000-8000-00805f9b34fb"}));
    // As the window wires them.
    QObject::connect(link.get(), &SensorLink::StateChanged,
                     [this](SensorKind kind, LinkState state) { feed->SetLink(kind, state); });
    QObject::connect(link.get(), &SensorLink::Notified,
                     [this](SensorKind kind, SensorProtocol protocol, const QByteArray& value,
                            qint64 at) { feed->Take(kind, protocol, value, at); });
    Open(Choices{});
    auto* list = Get<QTreeWidget>("FoundSensors");
    Key(Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->topLevelItemCount() == 2; }, 15000));
    Key(Qt::Key_S, Qt::AltModifier);  // Stop
    ASSERT_TRUE(QTest::qWaitFor([this] { return Text("SearchNote").starts_with("Found 2"); }));
    const QList<QTreeWidgetItem*> rows = list->findItems("Polar H10", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->text(1).toStdString(), "heart rate");
    list->setCurrentItem(rows[0]);

    QSignalSpy chosen(dialog.get(), &SensorsDialog::Chosen);
    Key(Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bluez->Connected(strap); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return bluez->Notifying(strap, SensorProtocol::HeartRateMeasurement); }, 10000));
    ASSERT_TRUE(
        bluez->Notify(strap, SensorProtocol::HeartRateMeasurement, QByteArray::fromHex("0648")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Text("HeartRateStatus") == "Connected"; }, 3000))
        << Text("HeartRateStatus");
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][1].value<SensorChoice>(), (SensorChoice{strap, "Polar H10"}));
    EXPECT_EQ(link->Address(kHeart), strap);

    QSignalSpy forgotten(dialog.get(), &SensorsDialog::Forgotten);
    Key(Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bluez->Connected(strap); }, 10000));
    EXPECT_EQ(forgotten.size(), 1);
    EXPECT_EQ(link->Address(kHeart), "");
    EXPECT_EQ(Text("HeartRateSensor"), "None");
}

}  // namespace
}  // namespace vellorin::testing
