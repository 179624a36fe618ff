#include "command_modes.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "cue_listing.h"
#include "message_text.h"
#include "pb_tables.h"
#include "rounds_commands.h"
#include "session_audio.h"
#include "session_file.h"
#include "table_preview.h"

namespace vellorin {
namespace {

QString UnknownAudioFormat(const QString& output) {
    //: %1 is the output file's name; .wav, .flac, .ogg and .mp3 are the endings it may have.
    return QCoreApplication::translate(
               "AudioExport",
               "Cannot tell the audio format of \"%1\": name it .wav, .flac, .ogg or .mp3.")
        .arg(output);
}

QString CouldNotExport(const QString& output, const QString& reason) {
    //: %1 is the output file's name, %2 the reason it could not be written.
    return QCoreApplication::translate("AudioExport", "Could not export the session to \"%1\": %2.")
        .arg(output, reason);
}

}  // namespace

QString StartRefusal(const QString& problem) {
    //: Start: the window's button that starts a session. %1 is the reason, such as "every hold
    //: must last at least 1 second".
    return QCoreApplication::translate("CommandLine", "Start would refuse this table: %1.")
        .arg(problem);
}

int PrintTable(const QString& sessionFile, QTextStream& out, QTextStream& err) {
    if (IsRoundsTableFile(sessionFile)) {
        return PrintRoundsTable(sessionFile, out, err);
    }
    const SessionRead read = ReadSessionFile(sessionFile);
    if (!read.problem.isEmpty()) {
        err << Printable(read.problem) << "\n";
        return kCannotUse;
    }
    const TablePreview preview = PreviewTable(read.lines);
    out << preview.text;
    out.flush();
    if (!preview.problem.isEmpty()) {
        err << StartRefusal(Printable(preview.problem)) << "\n";
        return kCannotUse;
    }
    return kSuccess;
}

SessionExport ExportSession(const SessionSource& source, const QString& output,
                            const QString& applicationFolder, const QString& userDataFolder,
                            const std::function<bool(qint64, qint64)>& progress) {
    SessionExport result;
    const std::optional<AudioFormat> format = AudioFormatFor(output);
    if (!format) {
        result.problem = UnknownAudioFormat(output);
        return result;
    }
    if (source.rounds) {
        if (const QString why = WhyNotExportable(*source.rounds); !why.isEmpty()) {
            result.problem = CouldNotExport(output, why);
            return result;
        }
    }
    const SessionRun run = RunWholeSession(applicationFolder, userDataFolder, source);
    if (!run.problem.isEmpty()) {
        result.problem = StartRefusal(run.problem);
        return result;
    }
    const CueSet cues(applicationFolder, userDataFolder);
    SessionAudio audio = RenderSession(run, cues);
    QString problem = audio.problem;
    if (problem.isEmpty()) {
        problem = WriteAudioFile(output, *format, audio, progress);
    }
    if (!problem.isEmpty()) {
        result.problem = CouldNotExport(output, WithoutFullStop(problem));
        return result;
    }
    result.cues = run.cues.size();
    result.seconds = static_cast<double>(audio.track.Frames()) / audio.sampleRate;
    return result;
}

int ExportAudio(const QString& sessionFile, const QString& output, const QString& applicationFolder,
                const QString& userDataFolder, QTextStream& out, QTextStream& err,
                const QString& profile, const QString& userDefault) {
    if (!AudioFormatFor(output)) {
        err << UnknownAudioFormat(Printable(output)) << "\n";
        return kUsageError;
    }
    const std::optional<SessionSource> source = LoadSessionSource(
        sessionFile, {profile, userDataFolder, userDefault}, err, TableUse::Export);
    if (!source) {
        return kCannotUse;
    }
    QElapsedTimer clock;
    clock.start();
    const SessionExport result = ExportSession(*source, output, applicationFolder, userDataFolder);
    if (!result.problem.isEmpty()) {
        err << Printable(result.problem) << "\n";
        return kCannotUse;
    }
    QString seconds;
    QTextStream(&seconds) << result.seconds;  // as the stream has always written it: "215.5"
    const int cues = static_cast<int>(result.cues);
    //: %n is how many cues were written, %1 the audio's length in seconds, %2 the file's name,
    //: %3 how long the export took in milliseconds.
    out << QCoreApplication::translate(
               "CommandLine", "Exported the session, %n cues in %1 s of audio, to \"%2\" in %3 ms.",
               nullptr, cues)
               .arg(seconds, Printable(output), QString::number(clock.elapsed()))
        << "\n";
    return kSuccess;
}

int NewTable(const QString& kind, const QString& personalBest, const QString& output,
             QTextStream& out, QTextStream& err) {
    const std::optional<RoundsPreset> preset = PresetFromKey(kind);
    const std::optional<int> pb = ParsePersonalBest(personalBest);
    // A preset that uses no PB may go without one; one that is typed is a PB all the same.
    if (!preset || (!pb && (UsesPersonalBest(*preset) || !personalBest.isEmpty()))) {
        QStringList keys = PresetKeys();
        const QString last = keys.takeLast();
        //: %1 and %2 are the kinds of table ("co2, o2, ..." and "intervals"), typed as they
        //: are in every language; %3 and %4 what was typed for the kind and the personal best.
        err << "vellorin: "
            << QCoreApplication::translate("CommandLine",
                                           "--new-table takes %1 or %2 and a personal best as "
                                           "m:ss or seconds, not \"%3\" and \"%4\".")
                   .arg(keys.join(QStringLiteral(", ")), last, Printable(kind),
                        Printable(personalBest))
            << "\n";
        return kUsageError;
    }
    if (IsRoundsTableFile(output)) {
        return NewRoundsTable(*preset, pb, output, out, err);
    }
    if (!HasClassicTable(*preset)) {
        //: %1 is the kind of table, such as one-breath, typed as it is in every language. OUT is
        //: the output file's name in the usage, as the help lists it.
        err << "vellorin: "
            << QCoreApplication::translate("CommandLine",
                                           "--new-table %1 makes a table of rounds, which a "
                                           "session file cannot hold: name OUT .vtable.")
                   .arg(PresetKey(*preset))
            << "\n";
        return kUsageError;
    }
    QStringList settings =
        PbTableSettings(*preset == RoundsPreset::Co2 ? PbTableKind::Co2 : PbTableKind::O2, *pb);
    settings.prepend(QStringLiteral("30"));
    if (const QString failure = WriteSessionFile(output, settings); !failure.isEmpty()) {
        //: %1 is a file's name, %2 the reason it could not be written.
        err << Printable(QCoreApplication::translate("SessionFile",
                                                     "Could not save the session to \"%1\": %2.")
                             .arg(output, failure))
            << "\n";
        return kCannotUse;
    }
    out << PreviewTable(settings).text;
    return kSuccess;
}

}  // namespace vellorin
