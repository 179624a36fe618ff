// The command-line modes run the real program without a window or a display: the table
// preview, the audio export read back with libsndfile, and their exit statuses.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "file_helpers.h"
#include "wave_maker.h"
#include "worked_cues.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

namespace vellorin::testing {
namespace {

const QByteArray kWorkedExample = "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n";

struct Result {
    int status;
    QString out;
    QString err;
};

class CommandLine : public ::testing::Test {
protected:
    CommandLine() { WriteBytes(Path("worked.ses"), kWorkedExample); }

    // How the program's process is started: as it is, with a file-size limit (at the signal's
    // default disposition, as a shell leaves it), or as the unprivileged user "nobody".
    enum Child { kPlain, kSmallFileLimit, kAsNobody };

    Result Run(const QStringList& arguments, Child child = kPlain,
               const QString& program_ = QStringLiteral(VELLORIN_PROGRAM)) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));  // no cues of a user's own
        // The language of a system that speaks only English, unless a test asks for another.
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(name);
        }
        environment.insert("LANG", "C.UTF-8");
        if (!language.isEmpty()) {
            environment.insert("LANGUAGE", language);
        }
        program.setProcessEnvironment(environment);
#ifdef __linux__
        if (child == kSmallFileLimit) {
            // No file of the program may grow beyond 64 KiB, as on a nearly full disk.
            program.setChildProcessModifier([] {
                std::signal(SIGXFSZ, SIG_DFL);
                const rlimit limit{64 * 1024, 64 * 1024};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        } else if (child == kAsNobody && geteuid() == 0) {
            QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
            program.setChildProcessModifier([] {
                constexpr unsigned kNobody = 65534;
                (void)!setgid(kNobody);
                (void)!setuid(kNobody);
            });
        }
#endif
        program.start(program_, arguments);
        EXPECT_TRUE(program.waitForFinished(120000));
        return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
                QString::fromLocal8Bit(program.readAllStandardError())};
    }
    QString Path(const QString& name) const {
        return dir.filePath(name);
    }
    QString language;  // the system's language the program is started in; English when empty
    QStringList Files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST_F(CommandLine, VersionAndHelp) {
    EXPECT_EQ(Run({"--version"}).out, "Vellorin 1.00\n");
    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--help", "--version", "--table <FILE.ses>", "--export-audio <FILE.ses>", "FILE.ses"}) {
        EXPECT_TRUE(help.out.contains(option)) << option;
    }
}

TEST_F(CommandLine, TablePrintsTheWorkedExample) {
    const Result result = Run({"--table", Path("worked.ses")});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out,
              "Intro 00:10\n"
              " Loop   Hold   Rest  Session clock\n"
              "    1  00:40  00:30  03:25\n"
              "    2  00:50  00:25  02:15\n"
              "    3  01:00         01:00\n"
              "Total 03:35 (215 s)\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(CommandLine, TableClocksOfAnHourOrMoreShowTheHours) {
    WriteBytes(Path("long.ses"), "60\r\n300\r\n10\r\n180\r\n0\r\n16\r\n");
    const QString out = Run({"--table", Path("long.ses")}).out;
    EXPECT_TRUE(out.contains("    1  02:30  03:00  1:45:00\n")) << out.toStdString();
    EXPECT_TRUE(out.endsWith("   16  05:00         05:00\nTotal 1:46:00 (6360 s)\n"));
}

// A table made from a PB is written as Save writes one: Load, here --table, reads it back.
TEST_F(CommandLine, NewTableFromAPersonalBestIsWrittenAsSaveWritesIt) {
    const Result made = Run({"--new-table", "o2", "2:36", Path("o2.ses")});
    EXPECT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(ReadBytes(Path("o2.ses")), "30\r\n125\r\n15\r\n120\r\n0\r\n8\r\n");
    const Result read = Run({"--table", Path("o2.ses")});
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, made.out);
    EXPECT_TRUE(read.out.contains("    1  00:20  02:00  23:40\n")) << read.out.toStdString();
    EXPECT_EQ(Run({"--new-table", "co3", "2:36", Path("x.ses")}).status, 2);
    EXPECT_EQ(Run({"--new-table", "co2", "2:3", Path("x.ses")}).status, 2);
    EXPECT_EQ(Run({"--new-table", "co2", "3:00", Path("no/x.ses")}).status, 1);
    EXPECT_FALSE(QFile::exists(Path("x.ses")));
}

TEST_F(CommandLine, ARefusedTableIsPrintedAsFarAsItCanBeWithTheReason) {
    WriteBytes(Path("short rest.ses"), "10\r\n60\r\n10\r\n10\r\n10\r\n3\r\n");
    const Result shortRest = Run({"--table", Path("short rest.ses")});
    EXPECT_EQ(shortRest.status, 1);
    EXPECT_TRUE(shortRest.out.contains("    2  00:50  00:00  01:50\n"))
        << shortRest.out.toStdString();
    EXPECT_EQ(shortRest.err,
              "Start would refuse this table: every rest must last at least 1 second.\n");

    WriteBytes(Path("letters.ses"), "10\r\n60\r\nten\r\n30\r\n5\r\n3\r\n");
    const Result letters = Run({"--table", Path("letters.ses")});
    EXPECT_EQ(letters.status, 1);
    EXPECT_EQ(letters.err,
              "Start would refuse this table: the field \"Increase hold time by\" is not a "
              "number: \"ten\".\n");
}

struct Failure {
    const char* name;
    QStringList arguments;  // {dir} stands for the test's folder
    int status;
    const char* says;
};

void PrintTo(const Failure& c, std::ostream* os) {
    *os << c.name;
}

class CommandLineFailure : public CommandLine, public ::testing::WithParamInterface<Failure> {};

TEST_P(CommandLineFailure, ExitsWithItsStatusAndSaysWhyLeavingNoOutput) {
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings("{dir}", dir.path());
    const Result result = Run(arguments);
    EXPECT_EQ(result.status, GetParam().status);
    QString says = QString::fromUtf8(GetParam().says);
    says.replace("{dir}", dir.path());
    EXPECT_TRUE(result.err.contains(says)) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains("..")) << "one full stop ends a sentence";
    EXPECT_EQ(Files(), QStringList{"worked.ses"});
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CommandLineFailure,
    ::testing::Values(
        Failure{"MissingTableFile",
                {"--table", "{dir}/gone.ses"},
                1,
                "Could not load \"{dir}/gone.ses\": No such file or directory."},
        Failure{"MissingExportFile",
                {"--export-audio", "{dir}/gone.ses", "{dir}/out.wav"},
                1,
                "Could not load \"{dir}/gone.ses\": No such file or directory."},
        Failure{"UnknownSuffix",
                {"--export-audio", "{dir}/worked.ses", "{dir}/out.aiff"},
                2,
                "name it .wav, .flac, .ogg or .mp3"},
        Failure{"UnwritableOutput",
                {"--export-audio", "{dir}/worked.ses", "{dir}/no/out.wav"},
                1,
                "Could not export the session to \"{dir}/no/out.wav\": "},
        Failure{"UnknownOption", {"--tabel", "{dir}/worked.ses"}, 2, "Unknown option '--tabel'."},
        Failure{"UnknownOptions", {"-x", "--y=1"}, 2, "Unknown options: '-x', '--y'."},
        Failure{"ExportWithoutOutput",
                {"--export-audio", "{dir}/worked.ses"},
                2,
                "takes one output file"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CommandLine, ARefusedTableIsNotExported) {
    WriteBytes(Path("never ends.ses"), "10\r\n60\r\n10\r\n30\r\n5\r\n2.5\r\n");
    const Result result = Run({"--export-audio", Path("never ends.ses"), Path("out.wav")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("the number of loops must be a whole number"));
    EXPECT_FALSE(QFile::exists(Path("out.wav")));
}

#ifdef __linux__
TEST_F(CommandLine, AnExportThatRunsOutOfDiskLeavesNoPartialFile) {
    const Result result =
        Run({"--export-audio", Path("worked.ses"), Path("out.wav")}, kSmallFileLimit);
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("File too large.\n")) << result.err.toStdString();
    EXPECT_EQ(Files(), QStringList{"worked.ses"});
}

#endif

// The samples and rate of an audio file, read with libsndfile.
struct Audio {
    std::vector<short> samples;
    int sampleRate = 0;
    int channels = 0;
};

Audio ReadAudio(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    Audio audio;
    if (file != nullptr) {
        audio.sampleRate = info.samplerate;
        audio.channels = info.channels;
        audio.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
        sf_readf_short(file, audio.samples.data(), info.frames);
        sf_close(file);
    }
    return audio;
}

// Every cue of the worked example and the tick it belongs to.
const std::pair<int, const char*> kWorkedCues[] = {
    {1, "10"},     {6, "5"},         {7, "4"},       {8, "3"},     {9, "2"},          {10, "1"},
    {11, "hold"},  {50, "stophold"}, {66, "15"},     {71, "10"},   {76, "5"},         {77, "4"},
    {78, "3"},     {79, "2"},        {80, "1"},      {81, "hold"}, {130, "stophold"}, {141, "15"},
    {146, "10"},   {151, "5"},       {152, "4"},     {153, "3"},   {154, "2"},        {155, "1"},
    {156, "hold"}, {201, "15"},      {206, "10"},    {211, "5"},   {212, "4"},        {213, "3"},
    {214, "2"},    {215, "1"},       {216, "sesend"}};

// Checks an exported session against its cues, each a tick and a cue file's name: every cue
// begins at the first sample of its tick (or, where a tick has several, once the one before
// has finished), is heard whole up to the next, and silence lies between.
// A language's own cue, where it has one, else the English one.
void ExpectCueForCue(const QString& wav, const QList<std::pair<int, QString>>& cues,
                     const QString& language = {}) {
    const Audio exported = ReadAudio(wav);
    const auto cueFile = [&language](const QString& cue) {
        const QString own = QStringLiteral(VELLORIN_SOURCE_DIR "/snd/%1/%2.wav").arg(language, cue);
        return !language.isEmpty() && QFileInfo::exists(own)
                   ? own
                   : QStringLiteral(VELLORIN_SOURCE_DIR "/snd/%1.wav").arg(cue);
    };
    const int rate = ReadAudio(cueFile("sesend")).sampleRate;
    ASSERT_GT(rate, 0);
    EXPECT_EQ(exported.sampleRate, rate);
    EXPECT_EQ(exported.channels, 1);
    QList<std::size_t> starts;
    for (int i = 0; i < cues.size(); ++i) {
        const bool follows = i > 0 && cues[i].first == cues[i - 1].first;
        starts.append(follows
                          ? starts.last() + ReadAudio(cueFile(cues[i - 1].second)).samples.size()
                          : static_cast<std::size_t>(cues[i].first) * rate);
    }
    std::size_t heardUpTo = 0;  // every sample before a cue's start and after the last cue ended
    for (int i = 0; i < cues.size(); ++i) {
        SCOPED_TRACE(cues[i].second.toStdString() + " at tick " + std::to_string(cues[i].first));
        const std::vector<short> cue = ReadAudio(cueFile(cues[i].second)).samples;
        const std::size_t start = starts[i];
        const std::size_t next = i + 1 < cues.size() ? starts[i + 1] : start + cue.size();
        const std::size_t heard = std::min(cue.size(), next - start);
        ASSERT_LE(start + heard, exported.samples.size());
        for (std::size_t s = heardUpTo; s < start; ++s) {
            ASSERT_EQ(exported.samples[s], 0) << "silence before the cue, sample " << s;
        }
        ASSERT_TRUE(std::equal(cue.begin(), cue.begin() + heard, exported.samples.begin() + start));
        heardUpTo = start + heard;
    }
    EXPECT_EQ(exported.samples.size(), heardUpTo);  // ends as the last cue ends
}

TEST_F(CommandLine, TheWorkedExampleExportsCueForCueSampleForSample) {
    const Result result = Run({"--export-audio", Path("worked.ses"), Path("worked.wav")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    QList<std::pair<int, QString>> cues;
    for (const auto& [tick, cue] : kWorkedCues) {
        cues.append({tick, cue});
    }
    ExpectCueForCue(Path("worked.wav"), cues);
    EXPECT_TRUE(Files().contains("worked.wav"));
}

// The command line speaks the system's language: its help and errors, the words --cues prints
// and the voice of the export.
TEST_F(CommandLine, SpeaksTheSystemsLanguage) {
    const QString englishHelp = Run({"--help"}).out;
    QList<std::pair<int, QString>> cues;
    for (const auto& [tick, cue] : kWorkedCues) {
        cues.append({tick, cue});
    }
    for (const char* code : {"de", "ru", "fi"}) {
        SCOPED_TRACE(code);
        language = QString::fromLatin1(code);
        const Result help = Run({"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out, englishHelp);
        EXPECT_TRUE(help.out.contains("--export-audio"));
        EXPECT_NE(Run({"--no-such-option"}).err.section('\n', 0, 0),
                  "vellorin: Unknown option --no-such-option.");
        QFile words(QStringLiteral(VELLORIN_SOURCE_DIR "/snd/%1/words.txt").arg(language));
        ASSERT_TRUE(words.open(QIODevice::ReadOnly));
        const QString ten = QString::fromUtf8(words.readAll())
                                .section(QStringLiteral("\n10.wav\t"), 1)
                                .section(QLatin1Char('\n'), 0, 0)
                                .section(QLatin1Char('\t'), 0, 0);
        ASSERT_FALSE(ten.isEmpty());
        const Result listed = Run({"--table", Path("worked.ses"), "--cues"});
        EXPECT_TRUE(listed.out.contains("  " + ten + "\n")) << listed.out.toStdString();
        const QString wav = Path(language + ".wav");
        ASSERT_EQ(Run({"--export-audio", Path("worked.ses"), wav}).status, 0);
        ExpectCueForCue(wav, cues, language);
    }
}

// Every built-in profile's export holds its cues, as the schedule says, sample for sample;
// its cues are listed by --table --cues, and a profile that is not there is refused.
TEST_F(CommandLine, EveryProfileExportsItsScheduleCueForCue) {
    for (const WorkedCase& c : kWorkedHeard) {
        SCOPED_TRACE(c.profile);
        const Result result =
            Run({"--export-audio", Path("worked.ses"), Path("p.wav"), "--profile", c.profile});
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        QList<std::pair<int, QString>> cues;
        for (const QString& tick : QString::fromLatin1(c.heard).split(", ")) {
            const QStringList files = tick.section(':', 1).split(' ');
            for (const QString& file : files) {
                cues.append({tick.section(':', 0, 0).toInt(), file});
            }
        }
        ExpectCueForCue(Path("p.wav"), cues);
    }
    const Result listed = Run({"--table", Path("worked.ses"), "--cues", "--profile", "guided"});
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    EXPECT_TRUE(
        listed.out.startsWith("Cue profile: guided\n00:01  ten seconds\n"
                              "00:03  last breath\n00:06  five\n"))
        << listed.out.toStdString();
    EXPECT_TRUE(
        listed.out.endsWith("03:36  session complete\n03:36  + three\n03:36  + holds\n"
                            "03:36  + total held\n03:36  + two minutes thirty\n"));
    const Result unknown =
        Run({"--export-audio", Path("worked.ses"), Path("x.wav"), "--profile", "loud"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(
        unknown.err.startsWith("There is no cue profile \"loud\": the profiles are "
                               "classic, guided, competition, tones, or those in \""));
    EXPECT_FALSE(Files().contains("x.wav"));
    // Output that cannot be written fails the command, as a full disk does.
    QProcess full;
    full.setStandardOutputFile("/dev/full");
    full.start(QStringLiteral(VELLORIN_PROGRAM), {"--table", Path("worked.ses"), "--cues"});
    ASSERT_TRUE(full.waitForFinished(60000));
    EXPECT_EQ(full.exitCode(), 1);
    EXPECT_TRUE(
        full.readAllStandardError().startsWith("vellorin: the output could not be written"));
    EXPECT_EQ(Run({"--cues", Path("worked.ses")}).status, 2);
    EXPECT_EQ(Run({"--table", Path("worked.ses"), "--profile", "tones"}).status, 2);
}

// The worked example as a table of rounds, a timed rest, a rest on a cycle kept at its floor
// and a one-breath rest after the last hold, which never runs; the CO2 and O2 tables of a PB
// as six settings and as rounds. Each pair is one session, so one audio file.
TEST_F(CommandLine, ATimedTableOfRoundsExportsTheAudioOfItsClassicTable) {
    WriteBytes(Path("worked.vtable"), R"({"format": "vellorin-table", "version": 1, "intro": 10,
 "rounds": [{"hold": {"end": "time", "seconds": 40}, "rest": {"end": "time", "seconds": 30}},
  {"hold": {"end": "time", "seconds": 50}, "rest": {"end": "cycle", "cycle": 60, "floor": 25}},
  {"hold": {"end": "time", "seconds": 60}, "rest": {"end": "breath"}}]})");
    for (const char* kind : {"co2", "o2"}) {
        for (const char* suffix : {".ses", ".vtable"}) {
            ASSERT_EQ(Run({"--new-table", kind, "3:20", Path(kind + QString(suffix))}).status, 0);
        }
    }
    for (const char* kind : {"worked", "co2", "o2"}) {
        const Result result =
            Run({"--export-audio", Path(kind + QString(".vtable")), Path("r.wav")});
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        ASSERT_EQ(Run({"--export-audio", Path(kind + QString(".ses")), Path("c.wav")}).status, 0);
        EXPECT_TRUE(ReadBytes(Path("r.wav")) == ReadBytes(Path("c.wav"))) << kind;
    }
}

TEST_F(CommandLine, FlacAndOggReadBackWithTheLengthAndRateOfTheWav) {
    ASSERT_EQ(Run({"--export-audio", Path("worked.ses"), Path("worked.wav")}).status, 0);
    const Audio wav = ReadAudio(Path("worked.wav"));
    for (const char* suffix : {"flac", "ogg"}) {
        SCOPED_TRACE(suffix);
        const QString out = Path(QStringLiteral("worked.") + suffix);
        ASSERT_EQ(Run({"--export-audio", Path("worked.ses"), out}).status, 0);
        const Audio read = ReadAudio(out);
        EXPECT_EQ(read.sampleRate, wav.sampleRate);
        EXPECT_EQ(read.channels, 1);
        EXPECT_EQ(read.samples.size(), wav.samples.size());
    }
    EXPECT_EQ(ReadAudio(Path("worked.flac")).samples, wav.samples);  // lossless
}

#ifdef __linux__
// An export never replaces what is not a regular file: a pipe, or a link to one, stays.
TEST_F(CommandLine, AnExportToAPipeIsRefusedAndThePipeStays) {
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.wav")).constData(), 0666), 0);
    QFile::link("pipe.wav", Path("link.wav"));
    for (const char* name : {"pipe.wav", "link.wav"}) {
        const Result result = Run({"--export-audio", Path("worked.ses"), Path(name)}, kAsNobody);
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_TRUE(result.err.endsWith("\": it is not a file.\n")) << result.err.toStdString();
        struct stat status {};
        EXPECT_EQ(stat(QFile::encodeName(Path(name)).constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode)) << name;
    }
}

// Names and texts reach a terminal with their control characters escaped, and a name the
// system's encoding cannot represent is refused rather than looked up under another one.
TEST_F(CommandLine, NamesAndTextsAreShownSafelyOrRefused) {
    WriteBytes(Path("esc.ses"), "10\r\n6\x1b[2J0\r\n10\r\n30\r\n5\r\n3\r\n");
    const Result escaped = Run({"--table", Path("esc.ses")});
    EXPECT_EQ(escaped.status, 1);
    EXPECT_TRUE(escaped.err.contains("\"6\\x1b[2J0\"")) << escaped.err.toStdString();
    const Result badName = Run({"--table", Path("a\x1b]0;title\x07.ses")});
    EXPECT_TRUE(badName.err.contains("a\\x1b]0;title\\x07.ses")) << badName.err.toStdString();
    for (const Result& result : {escaped, badName}) {
        EXPECT_FALSE(result.err.contains(QChar(0x1b)));
    }

    const QString latin1Name = dir.path() + "/caf\\351.ses";  // é in Latin-1, not UTF-8
    const Result unrepresentable =
        Run({"-c", "exec \"$0\" --export-audio \"$(printf '" + latin1Name + "')\" out.wav",
             VELLORIN_PROGRAM},
            kPlain, "/bin/sh");
    EXPECT_EQ(unrepresentable.status, 1);
    EXPECT_TRUE(unrepresentable.err.contains("caf\\xe9.ses\" cannot be represented"))
        << unrepresentable.err.toStdString();
}

// A user's cue in float samples sounds as loud as it was recorded; one at another rate than
// the shipped cues is named as the fault, whichever cue the session plays first.
TEST_F(CommandLine, UserCuesAreExportedScaledOrRefusedByName) {
    const QString own = Path("data/Vellorin/snd/");
    QDir().mkpath(own);
    const std::vector<double> tone = Tone(22050);
    WriteBytes(own + "hold.wav", MakeWave(3, 32, 1, 22050, tone));
    ASSERT_EQ(Run({"--export-audio", Path("worked.ses"), Path("float.wav")}).status, 0);
    const std::vector<short> exported = ReadAudio(Path("float.wav")).samples;
    const std::size_t hold = 11 * 22050;  // the first hold's first tick
    ASSERT_GE(exported.size(), hold + tone.size());
    for (std::size_t i = 0; i < tone.size(); i += 1000) {
        EXPECT_EQ(exported[hold + i], std::lrint(tone[i] * 32767)) << i;
    }

    WriteBytes(own + "3.wav", MakeWave(1, 16, 1, 44100, Tone(44100)));
    const Result otherRate = Run({"--export-audio", Path("worked.ses"), Path("rate.wav")});
    EXPECT_EQ(otherRate.status, 1);
    EXPECT_TRUE(otherRate.err.contains("the cue \"" + QDir::cleanPath(own + "3.wav") +
                                       "\" cannot be used: its sample rate is 44100 Hz"))
        << otherRate.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("rate.wav")));
}
#endif

}  // namespace
}  // namespace vellorin::testing
