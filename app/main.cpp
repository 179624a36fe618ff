#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>
#include <QStyle>
#include <QTextStream>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "command_line.h"
#include "command_modes.h"
#include "cue_listing.h"
#include "cue_profile_file.h"
#include "file_access.h"
#include "language.h"
#include "message_text.h"
#include "program_arguments.h"
#include "quit_signals.h"
#include "single_instance.h"
#include "trainer_mainform.h"
#include "window_settings.h"

namespace {

QString UnrepresentableMessage(const QString& name) {
    return QCoreApplication::translate("CommandLine",
                                       "The name \"%1\" cannot be represented in this system's "
                                       "encoding, so Vellorin cannot open or write a file of "
                                       "that name.")
        .arg(name);
}

// The language the user chose in the window, else the system's, for the window and for every
// command-line mode alike.
void UseChosenLanguage() {
    const QString chosen = vellorin::WindowSettings(vellorin::UserWindowSettingsPath())
                               .Value(QString::fromLatin1(vellorin::kLanguageSetting))
                               .toString();
    vellorin::UseLanguage(vellorin::LanguageFor(chosen, QLocale::system().uiLanguages()),
                          QCoreApplication::applicationDirPath());
}

// How many of the arguments are Qt's to read: those before "--", after which every argument
// is a file name.
int QtArgumentCount(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            return i;
        }
    }
    return argc;
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

// The mode itself, once the application is made.
int RunMode(const vellorin::CommandLine& line, QTextStream& out, QTextStream& err) {
    if (line.mode == vellorin::CommandLine::Mode::Table && !line.cues) {
        return vellorin::PrintTable(line.sessionFile, out, err);
    }
    if (line.mode == vellorin::CommandLine::Mode::NewTable) {
        return vellorin::NewTable(line.tableKind, line.personalBest, line.output, out, err);
    }
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The user's default cue profile, as the window keeps it.
    const QString userDefault = vellorin::WindowSettings(vellorin::UserWindowSettingsPath())
                                    .Value(QString::fromLatin1(vellorin::kDefaultProfileSetting))
                                    .toString();
    if (line.mode == vellorin::CommandLine::Mode::Table) {
        return vellorin::PrintCues(line.sessionFile, folder, {line.profile, userData, userDefault},
                                   out, err);
    }
    return vellorin::ExportAudio(line.sessionFile, line.output, folder, userData, out, err,
                                 line.profile, userDefault);
}

// The table preview and the audio export: no window, no display, no sound device. What
// could not be printed (a full disk, a closed pipe) fails the command rather than passing
// for success.
int RunWithoutWindow(int argc, char** argv, const vellorin::CommandLine& line) {
    int qtArgc = QtArgumentCount(argc, argv);
    QCoreApplication app(qtArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellorin"));
    UseChosenLanguage();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = RunMode(line, out, err);
    out.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        err << "vellorin: "
            << QCoreApplication::translate("CommandLine", "the output could not be written: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)))
            << "\n";
        return status == vellorin::kSuccess ? vellorin::kCannotUse : status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using vellorin::CommandLine;
    vellorin::IgnoreFileSizeSignal();
    CommandLine line = vellorin::ParseCommandLine(vellorin::ProgramArguments(argc, argv));
    const QString unrepresentable = vellorin::UnrepresentableArgument(argc, argv);
    if (line.mode != CommandLine::Mode::Window) {
        vellorin::UseStartingConsole();
    }
    // Help, usage errors and a name that cannot be used are told in the user's language: the
    // arguments are read again once it is in use.
    int consoleArgc = 1;
    std::optional<QCoreApplication> console;
    if (line.mode == CommandLine::Mode::Help || line.mode == CommandLine::Mode::UsageError ||
        (!unrepresentable.isEmpty() && line.mode != CommandLine::Mode::Window)) {
        console.emplace(consoleArgc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Vellorin"));
        UseChosenLanguage();
        line = vellorin::ParseCommandLine(vellorin::ProgramArguments(argc, argv));
    }
    if (!unrepresentable.isEmpty() && line.mode != CommandLine::Mode::Window &&
        line.mode != CommandLine::Mode::UsageError) {
        Print(stderr,
              QStringLiteral("vellorin: %1\n").arg(UnrepresentableMessage(unrepresentable)));
        return vellorin::kCannotUse;
    }
    switch (line.mode) {
        case CommandLine::Mode::Help:
            Print(stdout, line.helpText);
            return 0;
        case CommandLine::Mode::Version:
            Print(stdout, QStringLiteral("Vellorin 1.00\n"));
            return 0;
        case CommandLine::Mode::UsageError:
            Print(stderr, QStringLiteral("vellorin: %1\n\n%2")
                              .arg(vellorin::Printable(line.error), line.helpText));
            return vellorin::kUsageError;
        case CommandLine::Mode::Table:
        case CommandLine::Mode::ExportAudio:
        case CommandLine::Mode::NewTable:
            return RunWithoutWindow(argc, argv, line);
        case CommandLine::Mode::Window:
            break;
    }

    qtHandler = qInstallMessageHandler(QuietAboutMissingAudio);
    // The name as the file system spells it, for the window of this user that may run.
    const QByteArray name = vellorin::AbsoluteNameBytes(argc, argv, line.sessionFile);
    int qtArgc = QtArgumentCount(argc, argv);
    for (const QString& leftOut : vellorin::LeaveOutUnusableQtFiles(qtArgc, argv)) {
        Print(stderr, QStringLiteral("vellorin: %1\n").arg(leftOut));
    }
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vellorin.png")));
    QApplication::setDesktopFileName(QStringLiteral("org.vellorin.Vellorin"));
    UseChosenLanguage();

    // A window of this user's already runs: it takes the file, and this start ends.
    vellorin::SingleInstance instance(vellorin::SingleInstance::DefaultSocketPath());
    if (instance.HandOverOrListen(name)) {
        return 0;
    }
    if (!instance.Problem().isEmpty()) {
        qCWarning(vellorin::lcStartup).noquote() << instance.Problem();
    }
    // From here on a signal to end closes the window as Quit does; until now it just ended.
    vellorin::QuitSignals quitSignals;

    vellorin::TrainerMainform form;
    vellorin::CloseOnQuitSignals(quitSignals, form);
    QObject::connect(
        &instance, &vellorin::SingleInstance::Requested, &form,
        [&form](const QByteArray& requested) {
            form.showNormal();
            form.raise();
            form.activateWindow();
            if (requested.isEmpty()) {
                return;
            }
            // Checked as a name given to this start is.
            const QString file = QFile::decodeName(requested);
            if (QFile::encodeName(file) != requested) {
                form.ShowMessage(UnrepresentableMessage(vellorin::PrintableBytes(requested)));
            } else {
                form.LoadSessionFile(file);
            }
        });
    form.Form_Load();
    form.PreloadCues();
    form.show();
    qCInfo(vellorin::lcStartup).noquote()
        << "style:" << QApplication::style()->name()
        << "layout:" << (QApplication::isRightToLeft() ? "right to left" : "left to right");
    qCInfo(vellorin::lcStartup) << "window shown";
    // Rows of the training log a crash or a full disk cut short are told of once the window
    // is up.
    QTimer::singleShot(0, &form, [&form] { form.CheckTrainingLog(); });
    if (!unrepresentable.isEmpty()) {
        QTimer::singleShot(0, &form, [&form, &unrepresentable] {
            form.ShowMessage(UnrepresentableMessage(unrepresentable));
        });
    } else if (!line.sessionFile.isEmpty()) {
        // Once the window is up, so that a message about the file stands over it.
        QTimer::singleShot(0, &form, [&form, &line] { form.LoadSessionFile(line.sessionFile); });
    }
    return QApplication::exec();
}
