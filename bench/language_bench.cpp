// Start-up in every language: the real program started as a user whose system speaks that
// language (LANGUAGE), its start-up log read for "window shown", several times each; and the
// translation's own cost, loading it alone.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "child_process.h"
#include "language.h"

namespace {

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    return values.empty() ? -1 : values[values.size() / 2];
}

// "window shown", in ms from the program's start, of one start-up in language.
double ShownMs(const QString& language) {
    QTemporaryDir root;
    QDir().mkpath(root.filePath("run"));
    QFile::setPermissions(root.filePath("run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray r = QFile::encodeName(root.path());
    double shown = -1;
    vellorin::bench::RunChild(
        VELLORIN_PROGRAM, {},
        {"HOME=" + r + "/home", "XDG_DATA_HOME=" + r + "/data", "XDG_CONFIG_HOME=" + r + "/config",
         "XDG_RUNTIME_DIR=" + r + "/run", "QT_QPA_PLATFORM=offscreen", "LANG=C.UTF-8",
         "LANGUAGE=" + language.toLatin1(), "QT_LOGGING_RULES=vellorin.startup.info=true"},
        [&shown](const QByteArray& line, double ms) {
            if (line.contains("window shown")) {
                shown = ms;
                return true;
            }
            return false;
        },
        60000);
    return shown;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 5;
    std::printf("Start-up in every language, %d runs each (window shown, ms from the start):\n",
                runs);
    std::printf("  %-9s %8s %8s %8s   %s\n", "language", "median", "min", "max",
                "loading the translation alone (median)");
    double worst = 0;
    for (const QString& language : vellorin::Languages()) {
        std::vector<double> shown;
        std::vector<double> loading;
        for (int run = 0; run < runs; ++run) {
            shown.push_back(ShownMs(language));
            QElapsedTimer clock;
            clock.start();
            vellorin::UseLanguage(language, QCoreApplication::applicationDirPath());
            loading.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            vellorin::UseLanguage(QStringLiteral("en"), {});
        }
        const auto [least, most] = std::ranges::minmax(shown);
        worst = std::max(worst, most);
        std::printf("  %-9s %8.0f %8.0f %8.0f   %.2f ms\n", qPrintable(language), Median(shown),
                    least, most, Median(loading));
    }
    std::printf("goal (start-up under 300 ms with a translation loaded): %s, slowest %.0f ms\n",
                worst < 300 ? "met" : "NOT met", worst);
    return 0;
}
