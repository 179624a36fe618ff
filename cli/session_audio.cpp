#include "session_audio.h"

#include <sndfile.h>

#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <algorithm>

#include "session_file.h"

namespace vellorin {
namespace {

struct Cue {
    std::vector<short> samples;
    int sampleRate = 0;
    QString problem;
};

Cue ReadCue(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file == nullptr) {
        return {{},
                0,
                QStringLiteral("cannot read the cue \"%1\": %2").arg(path, sf_strerror(nullptr))};
    }
    Cue cue;
    cue.sampleRate = info.samplerate;
    if (info.channels != 1) {
        cue.problem = QStringLiteral("the cue \"%1\" is not mono").arg(path);
    } else {
        cue.samples.resize(static_cast<std::size_t>(info.frames));
        cue.samples.resize(static_cast<std::size_t>(
            sf_readf_short(file, cue.samples.data(), static_cast<sf_count_t>(cue.samples.size()))));
    }
    sf_close(file);
    return cue;
}

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
        out->writeError = out->file.errorString();
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

SessionAudio RenderSession(const SessionRun& run) {
    SessionAudio audio;
    QHash<QString, Cue> cues;
    for (const PlayedCue& played : run.cues) {
        if (cues.contains(played.path)) {
            continue;
        }
        Cue cue = ReadCue(played.path);
        if (cue.problem.isEmpty() && audio.sampleRate != 0 && cue.sampleRate != audio.sampleRate) {
            cue.problem = QStringLiteral("the cue \"%1\" has a sample rate of %2 Hz, not %3 Hz")
                              .arg(played.path)
                              .arg(cue.sampleRate)
                              .arg(audio.sampleRate);
        }
        if (!cue.problem.isEmpty()) {
            audio.problem = cue.problem;
            return audio;
        }
        audio.sampleRate = cue.sampleRate;
        cues.insert(played.path, std::move(cue));
    }
    if (run.cues.isEmpty()) {
        return audio;
    }
    const auto start = [&](qsizetype i) {
        return static_cast<std::size_t>(run.cues[i].tick) *
               static_cast<std::size_t>(audio.sampleRate);
    };
    const PlayedCue& last = run.cues.constLast();
    audio.samples.assign(start(run.cues.size() - 1) + cues[last.path].samples.size(), 0);
    for (qsizetype i = 0; i < run.cues.size(); ++i) {
        const std::vector<short>& samples = cues[run.cues[i].path].samples;
        const std::size_t until =
            i + 1 < run.cues.size() ? start(i + 1) : start(i) + samples.size();
        const std::size_t count = std::min(samples.size(), until - start(i));
        std::copy_n(samples.begin(), count,
                    audio.samples.begin() + static_cast<std::ptrdiff_t>(start(i)));
    }
    return audio;
}

QString WriteAudioFile(const QString& path, AudioFormat format, const SessionAudio& audio) {
    Output output;
    QSaveFile& file = output.file;
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    SF_INFO info{};
    info.samplerate = audio.sampleRate;
    info.channels = 1;
    info.format = SndfileFormat(format);
    SNDFILE* out = sf_open_virtual(&io, SFM_WRITE, &info, &output);
    if (out == nullptr) {
        const QString reason = QString::fromUtf8(sf_strerror(nullptr));
        file.cancelWriting();
        return reason;
    }
    // In blocks: an encoder may take stack space in proportion to what one call hands it.
    constexpr std::size_t kBlock = 4096;
    bool written = true;
    for (std::size_t done = 0; written && done < audio.samples.size(); done += kBlock) {
        const auto frames = static_cast<sf_count_t>(std::min(kBlock, audio.samples.size() - done));
        written = sf_writef_short(out, audio.samples.data() + done, frames) == frames;
    }
    QString reason = QString::fromUtf8(sf_strerror(out));
    const bool closed = sf_close(out) == 0;
    if (!written || !closed || !output.writeError.isEmpty()) {
        if (!output.writeError.isEmpty()) {
            reason = output.writeError;
        } else if (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        file.cancelWriting();
        return reason;
    }
    return SyncAndCommit(file);
}

}  // namespace vellorin
