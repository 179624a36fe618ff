// Tables of rounds on the real program's command line: every preset written by --new-table to
// a session file or a table file, --table of a table file, and the files it refuses.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "file_helpers.h"

namespace vellorin::testing {
namespace {

struct Ran {
    int status;
    QString out;
    QString err;
};

class RoundsCommandLine : public ::testing::Test {
protected:
    Ran Run(const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELLORIN_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(60000));
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
};

struct Made {
    const char* kind;
    const char* suffix;
    int status;
    const char* bytesOrFirstLines;  // a session file's bytes; a table file's printed lines
    const char* total;              // the printed total line of a table file
};

// For a PB of 3:20. A session file keeps the classic tables' six settings as today; the CO2
// and O2 table files hold the same holds and rests, for the same total.
constexpr Made kMade[] = {
    {"co2", ".ses", 0, "30\r\n100\r\n0\r\n120\r\n15\r\n8\r\n", ""},
    {"o2", ".ses", 0, "30\r\n160\r\n15\r\n120\r\n0\r\n8\r\n", ""},
    {"pyramid", ".ses", 2, "", ""},
    {"wonka", ".ses", 2, "", ""},
    {"wonka-count", ".ses", 2, "", ""},
    {"one-breath", ".ses", 2, "", ""},
    {"intervals", ".ses", 2, "", ""},
    {"co2", ".vtable", 0,
     "CO2 from a PB of 03:20\nIntro 00:30\n Round  Hold   Rest\n    1  01:40  02:00\n"
     "    2  01:40  01:45\n",
     "    8  01:40\nTotal 22:35 (1355 s)\n"},
    {"o2", ".VTABLE", 0,
     "O2 from a PB of 03:20\nIntro 00:30\n Round  Hold   Rest\n    1  00:55  02:00\n"
     "    2  01:10  02:00\n",
     "    8  02:40\nTotal 28:50 (1730 s)\n"},
    {"pyramid", ".vtable", 0,
     "Pyramid from a PB of 03:20\nIntro 00:30\n Round  Hold   Rest\n    1  01:20  01:20\n"
     "    2  01:40  01:40\n    3  02:00  02:00\n    4  02:20  02:20\n    5  02:00  02:00\n",
     "    7  01:20\nTotal 23:50 (1430 s)\n"},
    {"wonka", ".vtable", 0,
     "Wonka from a PB of 03:20\nIntro 00:30\n"
     " Round  Hold                                    Rest\n"
     "    1  first contraction + 00:30, up to 03:20  02:00\n",
     "    8  first contraction + 00:30, up to 03:20\nTotal up to 41:10 (2470 s)\n"},
    {"Wonka-Count", ".vtable", 0,
     "Wonka by count from a PB of 03:20\nIntro 00:30\n"
     " Round  Hold                          Rest\n"
     "    1  10 contractions, up to 03:20  02:00\n",
     "    8  10 contractions, up to 03:20\nTotal up to 41:10 (2470 s)\n"},
    {"one-breath", ".vtable", 0,
     "One-breath\nIntro 00:30\n Round  Hold   Rest\n    1  01:00  one breath (up to 00:10)\n",
     "    8  01:00\nTotal up to 09:40 (580 s)\n"},
    {"intervals", ".vtable", 0,
     "Static intervals\nIntro 00:30\n Round  Hold   Rest\n"
     "    1  01:00  cycle 02:00 (at least 00:15)\n",
     "    9  01:00  cycle 02:00 (at least 00:15)\n   10  01:00\nTotal 19:30 (1170 s)\n"},
};

class NewTableKinds : public RoundsCommandLine, public ::testing::WithParamInterface<Made> {};

TEST_P(NewTableKinds, AreWrittenAndReadBackByTable) {
    const Made& made = GetParam();
    const QString out = Path(QStringLiteral("t") + QString::fromLatin1(made.suffix));
    const Ran written = Run({"--new-table", made.kind, "3:20", out});
    ASSERT_EQ(written.status, made.status) << written.err.toStdString();
    if (made.status != 0) {
        EXPECT_TRUE(written.err.contains("name OUT .vtable")) << written.err.toStdString();
        EXPECT_EQ(Files(), QStringList());
        return;
    }
    EXPECT_EQ(written.err, "");
    const Ran read = Run({"--table", out});
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, written.out);
    if (QByteArray(made.total).isEmpty()) {
        EXPECT_EQ(ReadBytes(out), made.bytesOrFirstLines);
        return;
    }
    EXPECT_TRUE(read.out.startsWith(made.bytesOrFirstLines)) << read.out.toStdString();
    EXPECT_TRUE(read.out.endsWith(made.total)) << read.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, NewTableKinds, ::testing::ValuesIn(kMade));

TEST_F(RoundsCommandLine, KindsAndPersonalBestsThatCannotBeUsedAreUsageErrors) {
    const Ran unknown = Run({"--new-table", "co3", "3:00", Path("x.vtable")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err,
              "vellorin: --new-table takes co2, o2, pyramid, wonka, wonka-count, one-breath or "
              "intervals and a personal best as m:ss or seconds, not \"co3\" and \"3:00\".\n");
    EXPECT_EQ(Run({"--new-table", "wonka", Path("x.vtable")}).status, 2);  // it needs a PB
    EXPECT_EQ(Run({"--new-table", "intervals", "3:0", Path("x.vtable")}).status, 2);
    const Ran tooLong = Run({"--new-table", "pyramid", "24:00:01", Path("x.vtable")});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_EQ(tooLong.err,
              "vellorin: --new-table pyramid: the personal best must be from 00:01 to 24:00:00 "
              "for a table of rounds.\n");
    EXPECT_EQ(Run({"--new-table", "co2", "3:00", Path("no/x.vtable")}).status, 1);
    EXPECT_EQ(Files(), QStringList());
    // The tables that use no PB go without one.
    EXPECT_EQ(Run({"--new-table", "one-breath", Path("b.vtable")}).status, 0);
    EXPECT_TRUE(Run({"--help"}).out.contains("wonka-count, one-breath, intervals)"));
}

TEST_F(RoundsCommandLine, ATableFileWithEveryRuleIsPrintedRoundByRound) {
    WriteBytes(Path("mixed.vtable"), R"({"format": "vellorin-table", "version": 1, "intro": 3600,
 "rounds": [
  {"hold": {"end": "contractions", "count": 1, "cap": 90, "minimum": 45},
   "rest": {"end": "breath", "maximum": 5}, "repeat": 2},
  {"hold": {"end": "first-contraction", "margin": 0, "cap": 4000},
   "rest": {"end": "cycle", "cycle": 100, "floor": 20}},
  {"hold": {"end": "time", "seconds": 61}, "rest": {"end": "time", "seconds": 1}}
 ]})");
    const Ran read = Run({"--table", Path("mixed.vtable")});
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(read.out,
              "Intro 1:00:00\n"
              " Round  Hold                                        Rest\n"
              "    1  1 contraction, at least 00:45, up to 01:30  one breath (up to 00:05)\n"
              "    2  1 contraction, at least 00:45, up to 01:30  one breath (up to 00:05)\n"
              "    3  first contraction + 00:00, up to 1:06:40    cycle 01:40 (at least 00:20)\n"
              "    4  01:01\n"
              // The caps, the longest one-breath rests and the cycle after a hold of 1 s.
              "Total up to 2:12:30 (7950 s)\n");
}

TEST_F(RoundsCommandLine, ADamagedTableFileIsRefusedWithTheReadersReason) {
    struct Damaged {
        const char* bytes;
        const char* err;
    };
    const Damaged cases[] = {
        {"", "Could not load \"%1\": "},
        {"{\"format\": \"vellorin-table\", \"version\": 2, \"intro\": 30, \"rounds\": []}",
         "Could not load \"%1\": "},
        {"30\r\n60\r\n10\r\n30\r\n5\r\n3\r\n", "Could not load \"%1\": "},  // a session file
    };
    for (const Damaged& damaged : cases) {
        WriteBytes(Path("d.vtable"), damaged.bytes);
        const QString expected = QString::fromLatin1(damaged.err).arg(Path("d.vtable"));
        for (const QStringList& arguments :
             {QStringList{"--table", Path("d.vtable")},
              QStringList{"--export-audio", Path("d.vtable"), Path("d.wav")}}) {
            const Ran read = Run(arguments);
            EXPECT_EQ(read.status, 1) << damaged.bytes;
            EXPECT_EQ(read.out, "");
            EXPECT_TRUE(read.err.startsWith(expected) && read.err.endsWith(".\n"))
                << read.err.toStdString();
        }
    }
    EXPECT_EQ(Files(), QStringList({"d.vtable"}));
}

// A phase whose end only the diver knows cannot be recorded: the first round with one is
// named, nothing is written and a file already there keeps its bytes.
TEST_F(RoundsCommandLine, AnUntimedTableIsNotExportedAsAudio) {
    const std::pair<const char*, const char*> cases[] = {
        {"wonka", "round 1's hold ends at a contraction"},
        {"one-breath", "round 1's rest ends at the breath key"},
        {R"({"format": "vellorin-table", "version": 1, "intro": 30, "rounds": [
  {"hold": {"end": "time", "seconds": 60}, "rest": {"end": "cycle", "cycle": 90}, "repeat": 2},
  {"hold": {"end": "contractions", "count": 3, "cap": 120}, "rest": {"end": "time", "seconds": 9}}
 ]})",
         "round 3's hold ends at a contraction"},
    };
    WriteBytes(Path("u.wav"), "kept");
    for (const auto& [kindOrFile, reason] : cases) {
        if (Run({"--new-table", kindOrFile, "3:00", Path("u.vtable")}).status != 0) {
            WriteBytes(Path("u.vtable"), kindOrFile);
        }
        const Ran exported = Run({"--export-audio", Path("u.vtable"), Path("u.wav")});
        EXPECT_EQ(exported.status, 1);
        EXPECT_EQ(exported.err, QStringLiteral("Could not export \"%1\": %2, which an audio file "
                                               "cannot wait for; only a table whose every hold "
                                               "and rest is timed can be exported.\n")
                                    .arg(Path("u.vtable"), reason));
        EXPECT_EQ(Files(), QStringList({"u.vtable", "u.wav"}));
        EXPECT_EQ(ReadBytes(Path("u.wav")), "kept");
    }
}

// A table file plays its own cue profile; one that names a profile this user does not have
// plays the default and says so, as the window does; --profile goes before both.
TEST_F(RoundsCommandLine, ATableFilePlaysItsOwnCueProfileOrTheDefault) {
    const QByteArray rounds = R"(, "rounds": [{"hold": {"end": "time", "seconds": 20},
 "rest": {"end": "time", "seconds": 20}}, {"hold": {"end": "time", "seconds": 20},
 "rest": {"end": "time", "seconds": 20}}]})";
    const QByteArray head = R"({"format": "vellorin-table", "version": 1, "intro": 5, )";
    WriteBytes(Path("own.vtable"), head + R"("profile": "competition")" + rounds);
    WriteBytes(Path("gone.vtable"), head + R"("profile": "Gone")" + rounds);
    const Ran own = Run({"--table", Path("own.vtable"), "--cues"});
    EXPECT_EQ(own.status, 0);
    EXPECT_TRUE(own.out.contains("\n00:06  official top\n")) << own.out.toStdString();
    const Ran gone = Run({"--table", Path("gone.vtable"), "--cues"});
    EXPECT_EQ(gone.status, 0);
    EXPECT_EQ(gone.err, "The table's cue profile \"Gone\" is not there: classic plays.\n");
    EXPECT_TRUE(gone.out.startsWith("Cue profile: classic\n00:01  five\n"))
        << gone.out.toStdString();
    // A table that needs the diver's keys has no list of cues to print.
    WriteBytes(Path("wonka.vtable"), head + R"("rounds": [{"hold": {"end": "first-contraction",
 "margin": 30, "cap": 180}, "rest": {"end": "time", "seconds": 60}}]})");
    const Ran wonka = Run({"--table", Path("wonka.vtable"), "--cues"});
    EXPECT_EQ(wonka.status, 1);
    EXPECT_TRUE(wonka.err.startsWith("Could not list the cues of \"" + Path("wonka.vtable") +
                                     "\": round 1's hold ends at a contraction"))
        << wonka.err.toStdString();
    const Ran asked = Run({"--table", Path("own.vtable"), "--cues", "--profile", "tones"});
    EXPECT_TRUE(asked.out.contains("\n00:06  (tone: hold)\n")) << asked.out.toStdString();
}

// Times are said as a listener expects them, a profile file given by --profile is played,
// and pacing in words says when to breathe in and out.
TEST_F(RoundsCommandLine, AProfileFileIsPlayedWithItsTimesSaidAsAListenerExpectsThem) {
    // An intro of 1 s, a hold of 1 s, a rest of 12:15, a last hold of 1 s.
    WriteBytes(Path("long.ses"), "1\r\n1\r\n0\r\n735\r\n0\r\n2\r\n");
    WriteBytes(Path("mine.vcues"),
               "format = vellorin-cues 1\nname = Mine\n"
               "rest-calls = 12:00 11:30 2:30 1:00 0:45 0:20 19 11\n"
               "pace = 3 5\npace-last = 0:16\npace-sound = words\n");
    const Ran ran = Run({"--table", Path("long.ses"), "--cues", "--profile", Path("mine.vcues")});
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    const struct {
        const char* second;
        const char* heard;
    } expected[] = {
        {"00:02", "breathe"},
        {"00:18", "twelve minutes"},
        {"00:48", "eleven minutes thirty"},
        {"09:48", "two minutes thirty"},
        {"11:18", "one minute"},
        {"11:33", "forty-five seconds"},
        {"11:59", "nineteen"},
        {"12:02", "breathe in"},
        {"12:05", "breathe out"},
        {"12:07", "eleven"},
        {"12:10", "breathe in"},
        {"12:13", "breathe out"},
    };
    for (const auto& line : expected) {
        EXPECT_TRUE(ran.out.contains(QStringLiteral("\n%1  %2\n").arg(line.second, line.heard)))
            << line.second << " " << line.heard << "\n"
            << ran.out.toStdString();
    }
    // "twenty seconds" would still sound when "nineteen" is counted: it is left out.
    EXPECT_FALSE(ran.out.contains("twenty seconds"));
    EXPECT_EQ(ran.out.count('\n'), 1 + 15) << ran.out.toStdString();
}

}  // namespace
}  // namespace vellorin::testing
