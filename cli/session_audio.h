#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "cue_set.h"
#include "headless_window.h"

namespace vellorin {

enum class AudioFormat { Wav, Flac, Ogg, Mp3 };

// The format an output file's suffix asks for (.wav, .flac, .ogg, .mp3, in any case).
std::optional<AudioFormat> AudioFormatFor(const QString& path);

// A whole session as one track of 16-bit mono samples, made block by block from its cues as
// the window plays them: each cue begins at the first sample of its tick, a new cue cuts off
// the one still sounding, silence lies between, and the track ends when the end cue has
// finished. Its memory does not grow with the session's length.
class SessionTrack {
public:
    struct Cue {
        qint64 start;  // in frames
        const std::vector<qint16>* samples;
    };

    SessionTrack() = default;
    explicit SessionTrack(std::vector<Cue> cues);

    qint64 Frames() const { return frames_; }
    // Fills block with the next frames, at most count of them; returns how many.
    qint64 Read(qint16* block, qint64 count);

private:
    std::vector<Cue> cues_;
    qint64 frames_ = 0;
    qint64 position_ = 0;
    std::size_t current_ = 0;  // the cue that sounds at position_, once one has begun
};

// The track of a session run with the cues of a set, which must outlive it.
struct SessionAudio {
    SessionTrack track;
    int sampleRate = 0;
    QString problem;  // why it cannot be made (a cue that cannot be used); empty when it can
};
SessionAudio RenderSession(const SessionRun& run, const CueSet& cues);

// Told how many of the track's frames are written so far, and of how many; returns false to
// cancel the export.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;
// Translated where it is given.
inline constexpr char kExportCancelled[] =
    //: Why an audio file was not written: the user cancelled its export.
    QT_TRANSLATE_NOOP("AudioExport", "the export was cancelled");

// Writes the track to path in the format through a temporary file beside it, put in place
// only once complete. Returns an empty text, or why it could not be written (no file is then
// left behind and a file that was there keeps its content).
QString WriteAudioFile(const QString& path, AudioFormat format, SessionAudio& audio,
                       const ExportProgress& progress = {});

}  // namespace vellorin
