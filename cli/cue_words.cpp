#include "cue_words.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMutex>

#include "cue_catalogue.h"
#include "cue_schedule.h"

namespace vellorin {
namespace {

QString NumberWords(qint32 n) {
    static const char* const words[] = {
        "zero",     "one",     "two",     "three",     "four",     "five",     "six",
        "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen",
        "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};
    static const char* const tens[] = {"", "", "twenty", "thirty", "forty", "fifty"};
    if (n <= 20) {
        return QString::fromLatin1(words[n]);
    }
    const QString ten = QString::fromLatin1(tens[n / 10]);
    return n % 10 == 0 ? ten : ten + QLatin1Char('-') + QString::fromLatin1(words[n % 10]);
}

QString DurationWords(qint32 seconds) {
    if (seconds < 60) {
        return NumberWords(seconds) + QStringLiteral(" seconds");
    }
    const qint32 minutes = seconds / 60;
    QString words = NumberWords(minutes) +
                    (minutes == 1 ? QStringLiteral(" minute") : QStringLiteral(" minutes"));
    return seconds % 60 == 0 ? words : words + QLatin1Char(' ') + NumberWords(seconds % 60);
}

QString Words(const Cue& cue, CueVoice voice) {
    using Kind = Cue::Kind;
    if (voice == CueVoice::Tones) {
        switch (cue.kind) {
            case Kind::Countdown:
                return QCoreApplication::translate("CueWords", "(tick)");
            case Kind::Hold:
            case Kind::Top:
                return QCoreApplication::translate("CueWords", "(tone: hold)");
            case Kind::StopHold:
                return QCoreApplication::translate("CueWords", "(tone: breathe)");
            case Kind::SessionEnd:
                return QCoreApplication::translate("CueWords", "(tone: the end)");
            case Kind::Call:
                return QCoreApplication::translate("CueWords", "(tone: time call)");
            case Kind::LastBreath:
                return QCoreApplication::translate("CueWords", "(tone: last breath)");
            case Kind::HoldBreath:
                return QCoreApplication::translate("CueWords", "(soft tone: hold the breath)");
            default:
                break;
        }
    }
    switch (cue.kind) {
        case Kind::Countdown:
            return NumberWords(cue.count);
        case Kind::Hold:
            return QStringLiteral("hold");
        case Kind::StopHold:
            return QStringLiteral("breathe");
        case Kind::SessionEnd:
            return QStringLiteral("session complete");
        case Kind::Top:
            return QStringLiteral("official top");
        case Kind::Call:
            return DurationWords(cue.count);
        case Kind::LastBreath:
            return QStringLiteral("last breath");
        case Kind::BreatheIn:
            return QStringLiteral("breathe in");
        case Kind::HoldBreath:
            return QStringLiteral("hold it");
        case Kind::BreatheOut:
            return QStringLiteral("breathe out");
        case Kind::PaceIn:
            return QCoreApplication::translate("CueWords", "(soft rising tone: breathe in)");
        case Kind::PaceOut:
            return QCoreApplication::translate("CueWords", "(soft falling tone: breathe out)");
        case Kind::Holds:
            return cue.count == 1 ? QStringLiteral("hold") : QStringLiteral("holds");
        case Kind::TotalHeld:
            return QStringLiteral("total held");
    }
    return {};
}

// Every cue a profile can play, by its file.
QHash<QString, QString> WordsByFile() {
    const QList<Cue> cues = EveryCue();
    QHash<QString, QString> words;
    // The words win where a word and a tone share a file (the pacing tones).
    for (CueVoice voice : {CueVoice::Tones, CueVoice::Words}) {
        for (const Cue& cue : cues) {
            words.insert(CueFile(cue, voice), Words(cue, voice));
        }
    }
    return words;
}

// A language's words by cue file, from its words.txt: one "file<TAB>words" line a cue (a third
// column, what the voice was given to say, is the voice's alone), "#" lines are comments.
QHash<QString, QString> LanguageWords(const QString& path) {
    QHash<QString, QString> words;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return words;
    }
    for (const QString& line : QString::fromUtf8(file.read(1 << 20)).split(QLatin1Char('\n'))) {
        const QStringList columns = line.trimmed().split(QLatin1Char('\t'));
        if (columns.size() >= 2 && !columns[0].startsWith(QLatin1Char('#'))) {
            words.insert(columns[0], columns[1].trimmed());
        }
    }
    return words;
}

}  // namespace

QString HeardWords(const QString& cueFile, const QString& applicationFolder) {
    // Made anew each time: the tones' descriptions are in the language in use.
    const QHash<QString, QString> english = WordsByFile();
    const QString language = CueLanguage();
    if (!language.isEmpty() && !applicationFolder.isEmpty() &&
        ShippedCuePath(applicationFolder, cueFile) != CuePath(applicationFolder, cueFile)) {
        static QMutex mutex;
        static QHash<QString, QHash<QString, QString>> read;  // by the words file's path
        const QString path = CuePath(applicationFolder, language + QStringLiteral("/words.txt"));
        const QMutexLocker lock(&mutex);
        if (!read.contains(path)) {
            read.insert(path, LanguageWords(path));
        }
        if (const QString words = read[path].value(cueFile); !words.isEmpty()) {
            return words;
        }
    }
    return english.value(cueFile, cueFile);
}

}  // namespace vellorin
