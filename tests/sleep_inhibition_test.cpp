// The desktop is asked to stay awake exactly while a session runs. A private D-Bus session bus
// with mocked desktop services (python3-dbusmock) records what the real window asks.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "file_helpers.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

bool HaveDBusMock() {
    return QProcess::execute(QStringLiteral("dbus-daemon"), {QStringLiteral("--version")}) == 0 &&
           QProcess::execute(kPython, {"-c", "import dbusmock"}) == 0;
}

// A mocked desktop service on the bus; everything called on it is logged on its output.
class MockService {
public:
    MockService(const QString& address, const QString& name, const QString& path,
                const QString& interface) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        process_.setProcessEnvironment(environment);
        process_.start(kPython, {"-m", "dbusmock", "--session", name, path, interface});
    }
    ~MockService() {
        process_.kill();
        process_.waitForFinished();
    }
    // The names of the methods called so far, in order, once there are count of them.
    QStringList Calls(qsizetype count, int waitMs = 5000) {
        const QDeadlineTimer deadline(waitMs);
        while (!deadline.hasExpired() && Names().size() < count) {
            process_.waitForReadyRead(100);
            log_ += process_.readAllStandardOutput();
        }
        return Names();
    }
    QString Log() const { return QString::fromUtf8(log_); }

private:
    QStringList Names() const {
        QStringList names;
        static const QRegularExpression call(QStringLiteral("^[0-9.]+ (\\w+)"),
                                             QRegularExpression::MultilineOption);
        for (auto match = call.globalMatch(QString::fromUtf8(log_)); match.hasNext();) {
            names.append(match.next().captured(1));
        }
        return names;
    }

    QProcess process_;
    QByteArray log_;
};

class SleepInhibition : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDBusMock()) {
            GTEST_SKIP() << "needs dbus-daemon and python3-dbusmock";
        }
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(daemon.waitForReadyRead(10000));
        address = QString::fromUtf8(daemon.readLine().trimmed());
        bus.emplace(QDBusConnection::connectToBus(address, QStringLiteral("vellorin-test")));
        ASSERT_TRUE(bus->isConnected());

        QDir(dir.path()).mkpath("sessions");
        WriteBytes(dir.filePath("sessions/default.ses"), "1\r\n2\r\n0\r\n1\r\n0\r\n2\r\n");
        form.Form_Load();
        form.UseBus(*bus);
        form.show();
    }
    void TearDown() override {
        if (bus) {
            QDBusConnection::disconnectFromBus(QStringLiteral("vellorin-test"));
        }
        daemon.kill();
        daemon.waitForFinished();
    }

    std::unique_ptr<MockService> Mock(const QString& name, const QString& path,
                                      const QString& interface) {
        auto mock = std::make_unique<MockService>(address, name, path, interface);
        const QDeadlineTimer deadline(10000);
        while (!bus->interface()->isServiceRegistered(name) && !deadline.hasExpired()) {
            QThread::msleep(50);
        }
        EXPECT_TRUE(bus->interface()->isServiceRegistered(name));
        return mock;
    }
    void Call(const QString& name, const QString& path, const QString& method,
              const QVariantList& args) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(name, path, "org.freedesktop.DBus.Mock", method);
        message.setArguments(args);
        const QDBusMessage reply = bus->call(message);
        ASSERT_NE(reply.type(), QDBusMessage::ErrorMessage) << reply.errorMessage().toStdString();
    }
    std::unique_ptr<MockService> ScreenSaver() {
        const QString name = "org.freedesktop.ScreenSaver", path = "/org/freedesktop/ScreenSaver";
        auto mock = Mock(name, path, name);
        Call(name, path, "AddMethod", {"", "Inhibit", "ss", "u", "ret = 7"});
        Call(name, path, "AddMethod", {"", "UnInhibit", "u", "", ""});
        return mock;
    }
    std::unique_ptr<MockService> Portal() {
        const QString name = "org.freedesktop.portal.Desktop",
                      path = "/org/freedesktop/portal/desktop";
        const QString request = "/org/freedesktop/portal/desktop/request/1/vellorin";
        auto mock = Mock(name, path, "org.freedesktop.portal.Inhibit");
        // Each Inhibit hands out a request object whose Close withdraws it.
        const QString code =
            "if not getattr(self, 'request_made', False):\n"
            "    self.AddObject('" +
            request +
            "', 'org.freedesktop.portal.Request', {},\n"
            "                   [('Close', '', '', '')])\n"
            "    self.request_made = True\n"
            "ret = dbus.ObjectPath('" +
            request + "')\n";
        Call(name, path, "AddMethod", {"", "Inhibit", "sua{sv}", "o", code});
        return mock;
    }
    void Click(const char* button) { form.Find<QPushButton>(button)->click(); }
    // Start, Pause, Resume, the end, Reset, a second session reset, a third one closed.
    void RunThroughEveryChange(MockService& mock, const QStringList& pairs) {
        Click("ControlCmd");
        EXPECT_EQ(mock.Calls(1), pairs.mid(0, 1));
        Click("PauseCmd");
        EXPECT_EQ(mock.Calls(2), pairs.mid(0, 2));
        Click("PauseCmd");
        EXPECT_EQ(mock.Calls(3), (pairs + pairs).mid(0, 3));
        for (int tick = 0; tick < 7; ++tick) {
            form.SecondsTimer_Timer();
        }
        EXPECT_EQ(form.Text("SequenceLbl"), "End!");
        EXPECT_EQ(mock.Calls(4), pairs + pairs);
        Click("ControlCmd");  // Reset after the end: nothing more to withdraw
        Click("ControlCmd");
        Click("ControlCmd");  // Reset while running
        Click("ControlCmd");
        form.close();
        EXPECT_EQ(mock.Calls(9, 500), pairs + pairs + pairs + pairs);  // and nothing more
        EXPECT_TRUE(form.messages.isEmpty());
    }

    QProcess daemon;
    QString address;
    std::optional<QDBusConnection> bus;
    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(SleepInhibition, UsesTheScreenSaverWhereThereIsNoPortal) {
    auto screenSaver = ScreenSaver();
    RunThroughEveryChange(*screenSaver, {"Inhibit", "UnInhibit"});
    EXPECT_TRUE(screenSaver->Log().contains("Inhibit \"Vellorin\" \"Breath-hold session running\""))
        << screenSaver->Log().toStdString();
    EXPECT_TRUE(screenSaver->Log().contains("UnInhibit 7")) << screenSaver->Log().toStdString();
}

TEST_F(SleepInhibition, PrefersTheDesktopPortal) {
    auto screenSaver = ScreenSaver();
    auto portal = Portal();
    RunThroughEveryChange(*portal, {"Inhibit", "Close"});
    EXPECT_TRUE(
        portal->Log().contains("Inhibit \"\" 12 {\"reason\": \"Breath-hold session running\"}"))
        << portal->Log().toStdString();
    EXPECT_EQ(screenSaver->Calls(1, 200), QStringList{});
}

TEST_F(SleepInhibition, WithNoServiceTheSessionRunsAsBefore) {
    Click("ControlCmd");
    for (int tick = 0; tick < 7; ++tick) {
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(form.Text("SequenceLbl"), "End!");
    EXPECT_TRUE(form.messages.isEmpty());
}

}  // namespace
}  // namespace vellorin::testing
