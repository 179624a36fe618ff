// Logout, shutdown and a closed terminal end the window by a signal (SIGTERM, SIGHUP, SIGINT):
// it ends as Quit ends it, the holds done are in the training log, whole, and neither its
// socket nor its copied cues are left behind. A window killed outright leaves both, and the
// next start clears them.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "file_helpers.h"

namespace vellorin::testing {
namespace {

// Intro 2 s, holds of 5 s, rests of 2 s, four loops.
const char kTable[] = "2 5 0 2 0 4";

// A hold's row as the log keeps it: loop, seconds held, completed.
struct Hold {
    QString loop;
    QString held;
    QString completed;
    bool operator==(const Hold&) const = default;
};

void PrintTo(const Hold& hold, std::ostream* out) {
    *out << "loop " << hold.loop.toStdString() << " held " << hold.held.toStdString() << " "
         << hold.completed.toStdString();
}

class Window {
public:
    Window() {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", folder.filePath("runtime"));
        environment.insert("XDG_DATA_HOME", folder.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
        // Where the program is built with the sanitizers, its exit status counts leaks: those
        // of the system's libraries are told apart as in the suites.
        environment.insert("ASAN_OPTIONS", "fast_unwind_on_malloc=0");
        environment.insert("LSAN_OPTIONS", "suppressions=" VELLORIN_SOURCE_DIR
                                           "/tests/lsan.supp:print_suppressions=0");
        QDir().mkpath(folder.filePath("runtime"));
        QFile::setPermissions(folder.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ~Window() {
        process.kill();
        process.waitForFinished(10000);
    }
    // Starts the window with the table brought to its second ticks; its "ready" line.
    QByteArray Start(int ticks, bool message = false) {
        out.clear();
        process.setProcessEnvironment(environment);
        QStringList arguments = {kTable, QString::number(ticks)};
        if (message) {
            arguments.append("message");
        }
        process.start(VELLORIN_SIGNAL_WINDOW, arguments);
        const QDeadlineTimer deadline(60000);
        while (!out.contains('\n') && !deadline.hasExpired() &&
               process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(200);
            out += process.readAllStandardOutput();
        }
        return out;
    }
    QStringList Runtime() const {
        return QDir(folder.filePath("runtime"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }
    // What the window keeps there, not what the sound system does.
    QStringList Leftovers() const { return Runtime().filter(QRegularExpression("^vellorin")); }
    QStringList CueFolders() const {
        return Runtime().filter(QRegularExpression("^vellorin-cues-"));
    }
    QByteArray Log() const { return ReadBytes(folder.filePath("data/Vellorin/training-log.csv")); }

    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess process;
    QByteArray out;
};

// The holds of the log, read by the header's column names; every line must end in CRLF.
QList<Hold> Holds(const QByteArray& log, QString* problem) {
    QList<QByteArray> lines = log.split('\n');
    if (lines.takeLast() != "") {
        *problem = "the log does not end with a line end";
    }
    QList<Hold> holds;
    QList<QByteArray> header;
    for (const QByteArray& line : lines) {
        if (!line.endsWith('\r')) {
            *problem = "a line without CRLF: " + QString::fromUtf8(line);
        }
        const QList<QByteArray> fields = line.chopped(line.endsWith('\r') ? 1 : 0).split(',');
        if (fields.value(0) == "session_start") {
            if (!header.isEmpty()) {
                *problem = "a second header";
            }
            header = fields;
            continue;
        }
        const auto field = [&](const char* name) {
            return QString::fromUtf8(fields.value(header.indexOf(name)));
        };
        holds.append({field("loop"), field("held_seconds"), field("completed")});
    }
    return holds;
}

struct Phase {
    const char* name;  // for the test's name
    int ticks;
    QByteArray ready;  // where the session stands
    QList<Hold> holds;
    bool message = false;  // a message box is up, with an event loop of its own
};

const Phase kPhases[] = {
    {"InTheSecondRest", 2 + 5 + 2 + 5 + 1, "ready Rest 2", {{"1", "5", "yes"}, {"2", "5", "yes"}}},
    {"TwoSecondsIntoTheThirdHold",
     2 + 5 + 2 + 5 + 2 + 2,
     "ready Hold 3",
     {{"1", "5", "yes"}, {"2", "5", "yes"}, {"3", "2", "no"}}},
    {"InTheThirdHoldUnderAMessage",
     2 + 5 + 2 + 5 + 2 + 3,
     "ready Hold 3",
     {{"1", "5", "yes"}, {"2", "5", "yes"}, {"3", "3", "no"}},
     true},
};

struct Signal {
    const char* name;
    int number;
};

const Signal kSignals[] = {{"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};

void PrintTo(const Signal& signal, std::ostream* out) {
    *out << signal.name;
}

void PrintTo(const Phase& phase, std::ostream* out) {
    *out << phase.name;
}

class QuitSignal : public ::testing::TestWithParam<std::tuple<Signal, Phase>> {};

TEST_P(QuitSignal, EndsTheWindowAsQuitDoesAndKeepsTheHoldsDone) {
    const auto& [signal, phase] = GetParam();
    Window window;
    ASSERT_TRUE(window.Start(phase.ticks, phase.message).startsWith(phase.ready))
        << window.out.toStdString() << window.process.readAllStandardError().toStdString();
    ASSERT_EQ(window.CueFolders().size(), 1) << window.Runtime().join(' ').toStdString();
    ::kill(pid_t(window.process.processId()), signal.number);
    ASSERT_TRUE(window.process.waitForFinished(30000));
    const QByteArray err = window.process.readAllStandardError();
    EXPECT_EQ(window.process.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(window.process.exitCode(), 0) << err.toStdString();
    QString problem;
    EXPECT_EQ(Holds(window.Log(), &problem), phase.holds) << window.Log().toStdString();
    EXPECT_EQ(problem, QString());
    EXPECT_EQ(window.Leftovers(), QStringList()) << "left behind";
}

INSTANTIATE_TEST_SUITE_P(
    , QuitSignal, ::testing::Combine(::testing::ValuesIn(kSignals), ::testing::ValuesIn(kPhases)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

// The program itself, as a desktop session's end or a terminal's Ctrl+C finds it.
TEST(QuitSignalProgram, EndsAsQuitDoesAndLeavesNothingBehind) {
    for (const Signal& signal : kSignals) {
        SCOPED_TRACE(signal.name);
        Window window;
        window.environment.insert("QT_LOGGING_RULES", "vellorin.startup.info=true");
        window.process.setProcessEnvironment(window.environment);
        window.process.start(VELLORIN_PROGRAM, {});
        QByteArray log;
        const QDeadlineTimer deadline(60000);
        while (!log.contains("window shown") && !deadline.hasExpired() &&
               window.process.state() != QProcess::NotRunning) {
            window.process.waitForReadyRead(200);
            log += window.process.readAllStandardError();
        }
        ASSERT_TRUE(log.contains("window shown")) << log.toStdString();
        ASSERT_EQ(window.CueFolders().size(), 1) << window.Runtime().join(' ').toStdString();
        ::kill(pid_t(window.process.processId()), signal.number);
        ASSERT_TRUE(window.process.waitForFinished(30000));
        EXPECT_EQ(window.process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(window.process.exitCode(), 0);
        EXPECT_EQ(window.Leftovers(), QStringList());
    }
}

TEST(KilledWindow, LeavesWhatTheNextStartClears) {
    Window window;
    ASSERT_TRUE(window.Start(3).startsWith("ready Hold 1")) << window.out.toStdString();
    const QStringList cues = window.CueFolders();
    ASSERT_EQ(cues.size(), 1);
    window.process.kill();
    ASSERT_TRUE(window.process.waitForFinished(30000));
    ASSERT_EQ(window.CueFolders(), cues) << "a killed window cannot clear up";
    ASSERT_TRUE(window.Leftovers().contains("vellorin.socket"));

    // The next start takes the socket over and removes the killed one's cues.
    ASSERT_TRUE(window.Start(0).startsWith("ready"))
        << window.process.readAllStandardError().toStdString();
    const QStringList now = window.CueFolders();
    EXPECT_EQ(now.size(), 1);
    EXPECT_FALSE(now.contains(cues.constFirst())) << now.join(' ').toStdString();
    ::kill(pid_t(window.process.processId()), SIGTERM);
    ASSERT_TRUE(window.process.waitForFinished(30000));
    EXPECT_EQ(window.Leftovers(), QStringList());
}

}  // namespace
}  // namespace vellorin::testing
