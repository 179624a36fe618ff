#include "command_modes.h"

#include <QElapsedTimer>

#include "message_text.h"
#include "session_audio.h"
#include "session_file.h"
#include "table_preview.h"

namespace vellorin {

int PrintTable(const QString& sessionFile, QTextStream& out, QTextStream& err) {
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

int ExportAudio(const QString& sessionFile, const QString& output, const QString& applicationFolder,
                const QString& userDataFolder, QTextStream& out, QTextStream& err) {
    const std::optional<AudioFormat> format = AudioFormatFor(output);
    if (!format) {
        err << "Cannot tell the audio format of \"" << Printable(output)
            << "\": name it .wav, .flac, .ogg or .mp3.\n";
        return kUsageError;
    }
    const SessionRead read = ReadSessionFile(sessionFile);
    if (!read.problem.isEmpty()) {
        err << Printable(read.problem) << "\n";
        return kCannotUse;
    }
    QElapsedTimer clock;
    clock.start();
    const SessionRun run = RunWholeSession(applicationFolder, userDataFolder, read.lines);
    if (!run.problem.isEmpty()) {
        err << "Start would refuse this table: " << Printable(run.problem) << ".\n";
        return kCannotUse;
    }
    const CueSet cues(applicationFolder, userDataFolder);
    SessionAudio audio = RenderSession(run, cues);
    QString problem = audio.problem;
    if (problem.isEmpty()) {
        problem = WriteAudioFile(output, *format, audio);
    }
    if (!problem.isEmpty()) {
        err << Printable(QStringLiteral("Could not export the session to \"%1\": %2.")
                             .arg(output, WithoutFullStop(problem)))
            << "\n";
        return kCannotUse;
    }
    const double seconds = static_cast<double>(audio.track.Frames()) / audio.sampleRate;
    out << "Exported the session, " << run.cues.size() << " cues in " << seconds
        << " s of audio, to \"" << Printable(output) << "\" in " << clock.elapsed() << " ms.\n";
    return kSuccess;
}

}  // namespace vellorin
