// Times the audio export of whole sessions and measures the memory it takes: the real
// program, run as a user runs it, on the default table (with the classic and the guided cues),
// on a table of a whole day and on a table file of 1,000 timed rounds.
//
//   vellorin_export_bench [FOLDER]    (writes its files in FOLDER, default a temporary one)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

struct Table {
    const char* name;
    QByteArray bytes;  // the session file's or the table file's
    const char* suffix;
    const char* profile = nullptr;  // the cue profile, or the table's own
};

// 1,000 rounds, each its own row: holds of 5 to 14 s, each followed in turn by a timed rest
// of 5 s or a rest on a 20 s cycle (15 s at least): 5:25:15.
QByteArray ThousandRounds() {
    QByteArray bytes = R"({"format": "vellorin-table", "version": 1, "intro": 30, "rounds": [)";
    for (int k = 0; k < 1000; ++k) {
        const QByteArray rest = k % 2 == 0 ? R"({"end": "time", "seconds": 5})"
                                           : R"({"end": "cycle", "cycle": 20, "floor": 15})";
        bytes += k == 0 ? "\n" : ",\n";
        bytes += R"({"hold": {"end": "time", "seconds": )" + QByteArray::number(5 + k % 10) +
                 R"(}, "rest": )" + rest + "}";
    }
    return bytes + "]}\n";
}

struct Figures {
    int status = -1;
    double seconds = 0;
    double peakMiB = 0;
};

// Runs the program with arguments, its output discarded, and reads its wall time and peak
// resident memory once it has ended.
Figures Run(const QByteArray& program, const QList<QByteArray>& arguments) {
    QList<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& argument : arguments) {
        argv.append(const_cast<char*>(argument.constData()));
    }
    argv.append(nullptr);
    QElapsedTimer clock;
    clock.start();
    std::fflush(stdout);  // or the child would print what is buffered a second time
    const pid_t child = fork();
    if (child == 0) {
        freopen("/dev/null", "w", stdout);
        execv(program.constData(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Figures figures;
    figures.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    figures.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    figures.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QByteArray program = QFile::encodeName(QStringLiteral(VELLORIN_PROGRAM));
    const Table tables[] = {
        {"default table, 17:15", "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n", "ses"},
        {"default, guided cues", "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n", "ses", "guided"},
        // 2-minute holds and rests, 360 loops: 23:58:30, 3240 cues.
        {"a day's table, 23:58:30", "30\r\n120\r\n0\r\n120\r\n0\r\n360\r\n", "ses"},
        {"1,000 rounds, 5:25:15", ThousandRounds(), "vtable"},
    };
    std::printf("%-24s %-5s %9s %12s %14s\n", "table", "as", "seconds", "peak MiB", "file MB");
    int failed = 0;
    for (const Table& table : tables) {
        const QString session = folder + QStringLiteral("/table.") + QLatin1String(table.suffix);
        QFile file(session);
        if (!file.open(QIODevice::WriteOnly) || file.write(table.bytes) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(session));
            return 1;
        }
        file.close();
        for (const char* suffix : {"wav", "flac"}) {
            const QString out = folder + QStringLiteral("/session.") + QLatin1String(suffix);
            QList<QByteArray> arguments{"--export-audio", QFile::encodeName(session),
                                        QFile::encodeName(out)};
            if (table.profile != nullptr) {
                arguments << "--profile" << table.profile;
            }
            const Figures figures = Run(program, arguments);
            std::printf("%-24s %-5s %9.2f %12.1f %14.1f%s\n", table.name, suffix, figures.seconds,
                        figures.peakMiB, static_cast<double>(QFileInfo(out).size()) / 1e6,
                        figures.status == 0 ? "" : "  FAILED");
            failed += figures.status != 0 ? 1 : 0;
            QFile::remove(out);
        }
    }
    return failed == 0 ? 0 : 1;
}
