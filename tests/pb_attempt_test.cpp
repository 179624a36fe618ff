// What a personal-best test keeps and says as it ends: nothing under a whole second, the
// moment the hold began, any length it counted, the real best on record, and no claim of a
// record when the attempts cannot be read.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "allgemein.h"
#include "attempts_file.h"
#include "fake_window.h"
#include "file_helpers.h"
#include "pb_test.h"

namespace vellorin::testing {
namespace {

const QDateTime kEvening = QDateTime::fromString("2026-12-07T21:00:00+01:00", Qt::ISODate);

// A test whose clock moves one second a tick, ended after held seconds of hold.
struct EndedTest {
    explicit EndedTest(qint32 held) {
        test.Start();
        for (qint32 tick = 0; tick < PersonalBestTest::kCountdown + 1 + held; ++tick) {
            now = now.addSecs(1);
            test.Tick();
        }
        now = now.addSecs(1);  // Space comes within the next second
    }
    FakeWindow window;
    QDateTime now = kEvening;
    PersonalBestTest test{window, [this] { return now; }};
};

// How long the test held, what the file then holds, what the message says.
TEST(PbAttempt, IsKeptFromAWholeSecondStampedWithItsStartAndReadsBack) {
    const struct {
        qint32 held;
        const char* line;  // what the file's last line reads; empty for no file
        const char* display;
        const char* message;
        bool clean;
    } cases[] = {
        {0, "", "00:00", "too short for an attempt, so nothing was kept", false},
        {1, "2026-12-07T21:00:11+01:00 1", "00:01",
         "You held your breath for 0:01. It is your "
         "personal best.",
         true},
        {95, "2026-12-07T21:00:11+01:00 95", "01:35", "for 1:35.", true},
        {94930, "2026-12-07T21:00:11+01:00 94930", "26:22:10", "for 26:22:10.", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.held);
        QTemporaryDir dir;
        const QString path = AttemptsPath(dir.path());
        EndedTest ended(c.held);
        EXPECT_EQ(ended.window.Caption(Control::SequenceTimeLbl), c.display);
        const std::optional<PbResult> result = ended.test.Finish(path);
        ASSERT_TRUE(result);
        EXPECT_TRUE(result->text.contains(c.message)) << result->text.toStdString();
        EXPECT_EQ(result->clean, c.clean);
        if (QByteArray(c.line).isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(path));
            continue;
        }
        EXPECT_TRUE(ReadBytes(path).endsWith(QByteArray(c.line) + '\n'))
            << ReadBytes(path).toStdString();
        const AttemptsRead read = ReadAttemptsFile(path);
        EXPECT_TRUE(read.skipped.isEmpty());
        EXPECT_EQ(BestSeconds(read.attempts), c.held);
    }
}

// The message names the best on record, says when lines were left out, and when the file
// cannot be read says so instead of claiming a record it cannot know.
TEST(PbAttempt, NamesTheRealBestOrSaysTheFileCouldNotBeRead) {
    const QByteArray two = "2026-12-01T07:00:00Z 200\n2026-12-02T07:00:00Z 240\n";
    const QString unknown = " Whether it is a personal best is not known.\n\nCould not read";
    const struct {
        const char* name;
        std::function<void(const QString& path)> make;
        QString next;  // what follows "You held your breath for 3:30."
        bool clean;
    } cases[] = {
        {"better before", [&](const QString& p) { WriteBytes(p, two); },
         " Your personal best is 4:00.", true},
        {"worse before", [&](const QString& p) { WriteBytes(p, two.left(25)); },
         " A new personal best: it was 3:20.", true},
        {"damaged line", [&](const QString& p) { WriteBytes(p, two.left(25) + "2026-12-0\n"); },
         " It beats the best attempt that could be read, 3:20.", false},
        {"a folder", [](const QString& p) { QDir().mkpath(p); }, unknown, false},
        {"a pipe", [](const QString& p) { MakeNamedPipe(p); }, unknown, false},
        {"over 16 MiB",
         [&](const QString& p) { WriteBytes(p, two + QByteArray(kMaxAttemptsFileBytes, '#')); },
         unknown, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = AttemptsPath(dir.path());
        c.make(path);
        const PbResult result = KeepPbAttempt(path, 210, kEvening);
        EXPECT_TRUE(result.text.startsWith("You held your breath for 3:30." + c.next))
            << result.text.toStdString();
        EXPECT_EQ(result.clean, c.clean);
    }
}

}  // namespace
}  // namespace vellorin::testing
