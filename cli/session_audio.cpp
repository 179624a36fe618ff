#include "session_audio.h"

#include <sndfile.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>

#include "file_access.h"
#include "message_text.h"

namespace vellorin {
namespace {

// libsndfile writing into a QSaveFile, so that the output appears only when it is complete.
// The first write error is kept: a later seek (to finish the header) clears the file's own.
struct Output {
    QSaveFile file;
    QString writeError;
};

QSaveFile& FileOf(void* output) {
    return static_cast<Output*>(output)->file;
}
sf_count_t Length(void* output) {
    return FileOf(output).size();
}
sf_count_t Seek(sf_count_t offset, int whence, void* output) {
    QSaveFile& file = FileOf(output);
    const qint64 base = whence == SEEK_CUR ? file.pos() : whence == SEEK_END ? file.size() : 0;
    return file.seek(base + offset) ? file.pos() : -1;
}
sf_count_t Read(void*, sf_count_t, void*) {
    return 0;
}
sf_count_t Write(const void* data, sf_count_t count, void* output) {
    auto* out = static_cast<Output*>(output);
    if (WriteAll(out->file, static_cast<const char*>(data), count)) {
        return count;
    }
    if (out->writeError.isEmpty()) {
        out->writeError = WithoutFullStop(out->file.errorString());
    }
    return 0;
}
sf_count_t Tell(void* output) {
    return FileOf(output).pos();
}

int SndfileFormat(AudioFormat format) {
    switch (format) {
        case AudioFormat::Wav:
            return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        case AudioFormat::Flac:
            return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        case AudioFormat::Ogg:
            return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        case AudioFormat::Mp3:
            return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

}  // namespace

std::optional<AudioFormat> AudioFormatFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wav")) {
        return AudioFormat::Wav;
    }
    if (suffix == QLatin1String("flac")) {
        return AudioFormat::Flac;
    }
    if (suffix == QLatin1String("ogg")) {
        return AudioFormat::Ogg;
    }
    if (suffix == QLatin1String("mp3")) {
        return AudioFormat::Mp3;
    }
    return std::nullopt;
}

SessionTrack::SessionTrack(std::vector<Cue> cues) : cues_(std::move(cues)) {
    if (!cues_.empty()) {
        frames_ = cues_.back().start + static_cast<qint64>(cues_.back().samples->size());
    }
}

qint64 SessionTrack::Read(qint16* block, qint64 count) {
    const qint64 end = std::min(frames_, position_ + count);
    qint16* out = block;
    while (position_ < end) {
        while (current_ + 1 < cues_.size() && cues_[current_ + 1].start <= position_) {
            ++current_;  // a cue cuts off the one before it, even in the same tick
        }
        const Cue& cue = cues_[current_];
        const qint64 until =
            std::min(end, current_ + 1 < cues_.size() ? cues_[current_ + 1].start : frames_);
        if (position_ < cue.start) {  // silence before the first cue
            const qint64 silent = std::min(until, cue.start) - position_;
            out = std::fill_n(out, silent, qint16{0});
            position_ += silent;
            continue;
        }
        const auto length = static_cast<qint64>(cue.samples->size());
        const qint64 from = position_ - cue.start;
        const qint64 heard = std::clamp<qint64>(length - from, 0, until - position_);
        out = std::copy_n(cue.samples->begin() + from, heard, out);
        out = std::fill_n(out, until - position_ - heard, qint16{0});
        position_ = until;
    }
    return out - block;
}

SessionAudio RenderSession(const SessionRun& run, const CueSet& cues) {
    SessionAudio audio;
    audio.sampleRate = cues.SampleRate();
    std::vector<SessionTrack::Cue> track;
    track.reserve(static_cast<std::size_t>(run.cues.size()));
    for (const PlayedCue& played : run.cues) {
        const CueChoice* choice = cues.Find(played.path);
        QString path = played.path;
        QString problem;
        if (choice == nullptr) {
            problem =
                //: Why a sound file ("it") cannot be played as a cue.
                QCoreApplication::translate("AudioExport", "it is not one of the program's cues");
        } else if (!choice->userProblem.isEmpty()) {
            path = choice->userPath;
            problem = choice->userProblem;
        } else {
            path = choice->path;
            problem = choice->sound.problem;
        }
        if (!problem.isEmpty()) {
            //: %1 is a cue's sound file, %2 why it cannot be used.
            audio.problem =
                QCoreApplication::translate("AudioExport", "the cue \"%1\" cannot be used: %2")
                    .arg(path, problem);
            return audio;
        }
        qint64 start = played.tick * audio.sampleRate;
        if (played.follows && !track.empty()) {
            start = std::max(
                start, track.back().start + static_cast<qint64>(track.back().samples->size()));
        }
        track.push_back({start, &choice->sound.samples});
    }
    audio.track = SessionTrack(std::move(track));
    return audio;
}

QString WriteAudioFile(const QString& path, AudioFormat format, SessionAudio& audio,
                       const ExportProgress& progress) {
    Output output;
    QSaveFile& file = output.file;
    if (const QString problem = OpenForReplacing(file, path); !problem.isEmpty()) {
        return problem;
    }
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    SF_INFO info{};
    info.samplerate = audio.sampleRate;
    info.channels = 1;
    info.format = SndfileFormat(format);
    SNDFILE* out = sf_open_virtual(&io, SFM_WRITE, &info, &output);
    if (out == nullptr) {
        const QString reason = WithoutFullStop(QString::fromUtf8(sf_strerror(nullptr)));
        file.cancelWriting();
        return reason;
    }
    // In blocks: an encoder may take stack space in proportion to what one call hands it.
    constexpr qint64 kBlock = 4096;
    std::array<qint16, kBlock> block{};
    bool written = true;
    bool cancelled = false;
    for (qint64 done = 0; written && !cancelled;) {
        const qint64 frames = audio.track.Read(block.data(), kBlock);
        if (frames == 0) {
            break;
        }
        written = sf_writef_short(out, block.data(), frames) == frames;
        done += frames;
        cancelled = progress && !progress(done, audio.track.Frames());
    }
    QString reason = WithoutFullStop(QString::fromUtf8(sf_strerror(out)));
    const bool closed = sf_close(out) == 0;
    if (cancelled || !written || !closed || !output.writeError.isEmpty()) {
        if (cancelled) {
            reason = QCoreApplication::translate("AudioExport", kExportCancelled);
        } else if (!output.writeError.isEmpty()) {
            reason = output.writeError;
        }
        file.cancelWriting();
        return reason;
    }
    return SyncAndCommit(file);
}

}  // namespace vellorin
