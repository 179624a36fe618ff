#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "headless_window.h"

namespace vellorin {

enum class AudioFormat { Wav, Flac, Ogg, Mp3 };

// The format an output file's suffix asks for (.wav, .flac, .ogg, .mp3, in any case).
std::optional<AudioFormat> AudioFormatFor(const QString& path);

// A whole session as one track of 16-bit mono samples.
struct SessionAudio {
    std::vector<short> samples;
    int sampleRate = 0;
    QString problem;  // why it could not be rendered; empty when it was
};

// Renders the cues of a session run as the window plays them: each cue begins at the first
// sample of its tick, a new cue cuts off the one still sounding, silence lies between, and
// the track ends when the end cue has finished. All cue files must share one sample rate.
SessionAudio RenderSession(const SessionRun& run);

// Writes samples to path in the format through a temporary file beside it, put in place
// only once complete. Returns an empty text, or why it could not be written (no file is then
// left behind and a file that was there keeps its content).
QString WriteAudioFile(const QString& path, AudioFormat format, const SessionAudio& audio);

}  // namespace vellorin
