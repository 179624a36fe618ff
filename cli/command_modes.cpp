#include "command_modes.h"

#include <QElapsedTimer>

#include "cue_listing.h"
#include "message_text.h"
#include "pb_tables.h"
#include "rounds_commands.h"
#include "session_audio.h"
#include "session_file.h"
#include "table_preview.h"

namespace vellorin {

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
        err << "Start would refuse this table: " << Printable(preview.problem) << ".\n";
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
        result.problem = QStringLiteral(
                             "Cannot tell the audio format of \"%1\": name it .wav, "
                             ".flac, .ogg or .mp3.")
                             .arg(output);
        return result;
    }
    if (source.rounds) {
        if (const QString why = WhyNotExportable(*source.rounds); !why.isEmpty()) {
            result.problem =
                QStringLiteral("Could not export the session to \"%1\": %2.").arg(output, why);
            return result;
        }
    }
    const SessionRun run = RunWholeSession(applicationFolder, userDataFolder, source);
    if (!run.problem.isEmpty()) {
        result.problem = QStringLiteral("Start would refuse this table: %1.").arg(run.problem);
        return result;
    }
    const CueSet cues(applicationFolder, userDataFolder);
    SessionAudio audio = RenderSession(run, cues);
    QString problem = audio.problem;
    if (problem.isEmpty()) {
        problem = WriteAudioFile(output, *format, audio, progress);
    }
    if (!problem.isEmpty()) {
        result.problem = QStringLiteral("Could not export the session to \"%1\": %2.")
                             .arg(output, WithoutFullStop(problem));
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
        err << "Cannot tell the audio format of \"" << Printable(output)
            << "\": name it .wav, .flac, .ogg or .mp3.\n";
        return kUsageError;
    }
    const std::optional<SessionSource> source =
        LoadSessionSource(sessionFile, {profile, userDataFolder, userDefault}, err, "export");
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
    out << "Exported the session, " << result.cues << " cues in " << result.seconds
        << " s of audio, to \"" << Printable(output) << "\" in " << clock.elapsed() << " ms.\n";
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
        err << "vellorin: --new-table takes " << keys.join(QStringLiteral(", ")) << " or " << last
            << " and a personal best as m:ss or seconds, not \"" << Printable(kind) << "\" and \""
            << Printable(personalBest) << "\".\n";
        return kUsageError;
    }
    if (IsRoundsTableFile(output)) {
        return NewRoundsTable(*preset, pb, output, out, err);
    }
    if (!HasClassicTable(*preset)) {
        err << "vellorin: --new-table " << PresetKey(*preset)
            << " makes a table of rounds, which a session file cannot hold: name OUT .vtable.\n";
        return kUsageError;
    }
    QStringList settings =
        PbTableSettings(*preset == RoundsPreset::Co2 ? PbTableKind::Co2 : PbTableKind::O2, *pb);
    settings.prepend(QStringLiteral("30"));
    if (const QString failure = WriteSessionFile(output, settings); !failure.isEmpty()) {
        err << Printable(
                   QStringLiteral("Could not save the session to \"%1\": %2.").arg(output, failure))
            << "\n";
        return kCannotUse;
    }
    out << PreviewTable(settings).text;
    return kSuccess;
}

}  // namespace vellorin
