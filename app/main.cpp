#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "command_line.h"
#include "command_modes.h"
#include "trainer_mainform.h"

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Qt Multimedia warns that there is no audio device each time a cue is loaded or played; on
// a machine without one, once per run says all there is to say.
QtMessageHandler qtHandler = nullptr;

void QuietAboutMissingAudio(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    static bool told = false;
    if (message == QLatin1String("No audio device detected")) {
        if (told) {
            return;
        }
        told = true;
    }
    qtHandler(type, context, message);
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The table preview and the audio export: no window, no display, no sound device.
int RunWithoutWindow(int argc, char** argv, const vellorin::CommandLine& line) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellorin"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (line.mode == vellorin::CommandLine::Mode::Table) {
        return vellorin::PrintTable(line.sessionFile, out, err);
    }
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return vellorin::ExportAudio(line.sessionFile, line.output, folder, userData, out, err);
}

}  // namespace

int main(int argc, char** argv) {
    using vellorin::CommandLine;
    const CommandLine line = vellorin::ParseCommandLine(Arguments(argc, argv));
    switch (line.mode) {
        case CommandLine::Mode::Help:
            Print(stdout, line.helpText);
            return 0;
        case CommandLine::Mode::Version:
            Print(stdout, QStringLiteral("Vellorin 1.00\n"));
            return 0;
        case CommandLine::Mode::UsageError:
            Print(stderr, QStringLiteral("vellorin: %1\n\n%2").arg(line.error, line.helpText));
            return vellorin::kUsageError;
        case CommandLine::Mode::Table:
        case CommandLine::Mode::ExportAudio:
            return RunWithoutWindow(argc, argv, line);
        case CommandLine::Mode::Window:
            break;
    }

    qtHandler = qInstallMessageHandler(QuietAboutMissingAudio);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vellorin.png")));
    QApplication::setDesktopFileName(QStringLiteral("org.vellorin.Vellorin"));

    vellorin::TrainerMainform form;
    form.Form_Load();
    form.PreloadCues();
    form.show();
    qCInfo(vellorin::lcStartup) << "window shown";
    if (!line.sessionFile.isEmpty()) {
        // Once the window is up, so that a message about the file stands over it.
        QTimer::singleShot(0, &form, [&form, &line] { form.LoadSessionFile(line.sessionFile); });
    }
    return QApplication::exec();
}
