// Reads a table file, refusing anything it does not know by the key and the reason.
#include "vtable_file.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

#include "file_access.h"

namespace vellorin {
namespace {

// Why a file cannot be read, as "<where>: <what>" without the file's name.
struct Refusal {
    QString reason;
};

// The keys of one JSON object, each looked at once; keys never looked at are refused.
class ObjectReader {
public:
    ObjectReader(const QJsonValue& value, QString where) : where_(std::move(where)) {
        if (!value.isObject()) {
            throw Refusal{
                //: Why a table file cannot be loaded: "it" is a value of the file.
                Located(QCoreApplication::translate("TableFile", "it must be a JSON object"))};
        }
        object_ = value.toObject();
    }

    const QString& Where() const { return where_; }

    QJsonValue Take(const char* key) {
        const QString name = QString::fromLatin1(key);
        taken_.append(name);
        return object_.value(name);
    }
    QJsonValue Required(const char* key) {
        const QJsonValue value = Take(key);
        if (value.isUndefined()) {
            //: %1 is a key of the table file, kept as it is.
            throw Refusal{Located(QCoreApplication::translate("TableFile", "\"%1\" is missing")
                                      .arg(QLatin1String(key)))};
        }
        return value;
    }

    // A whole number from low to high, of seconds unless it is a count.
    qint32 Number(const char* key, qint32 low, qint32 high, std::optional<qint32> fallback = {},
                  bool seconds = true) {
        const QJsonValue value = fallback ? Take(key) : Required(key);
        if (value.isUndefined()) {
            return *fallback;
        }
        const double x = value.toDouble(std::nan(""));
        if (!value.isDouble() || x != std::floor(x) || x < low || x > high) {
            //: %1 is a key of the table file, kept as it is.
            QString text = QCoreApplication::translate(
                "TableFile", "\"%1\" must be a whole number of seconds from %2 to %3");
            if (!seconds) {
                //: %1 is a key of the table file, kept as it is.
                text = QCoreApplication::translate("TableFile",
                                                   "\"%1\" must be a whole number from %2 to %3");
            }
            throw Refusal{Located(
                text.arg(QString::fromLatin1(key), QString::number(low), QString::number(high)))};
        }
        return static_cast<qint32>(x);
    }

    QString Text(const char* key) {
        const QJsonValue value = Take(key);
        if (value.isUndefined()) {
            return {};
        }
        const QString text = value.toString();
        if (!value.isString() || TextLength(text) > kMaxTextLength ||
            !QStringView(text).isValidUtf16() || std::any_of(text.begin(), text.end(), [](QChar c) {
                return c.unicode() < 0x20 || c.unicode() == 0x7f;
            })) {
            //: %1 is a key of the table file, kept as it is.
            throw Refusal{Located(
                QCoreApplication::translate(
                    "TableFile",
                    "\"%1\" must be a text of at most %2 characters, without control characters")
                    .arg(QString::fromLatin1(key), QString::number(kMaxTextLength)))};
        }
        return text;
    }

    // The value of "end", which must be one of names.
    int End(const QStringList& names) {
        const int index = names.indexOf(Required("end").toString());
        if (index < 0) {
            QStringList quoted;
            for (const QString& name : names) {
                quoted.append(QStringLiteral("\"%1\"").arg(name));
            }
            const QString last = quoted.takeLast();
            //: "end" is a key of the table file; %1 and %2 are the words it may hold, quoted
            //: ("\"time\", \"cycle\"" and "\"breath\""), all kept as they are.
            throw Refusal{
                Located(QCoreApplication::translate("TableFile", "\"end\" must be %1 or %2")
                            .arg(quoted.join(QStringLiteral(", ")), last))};
        }
        return index;
    }

    // Refuses a key nobody took: a misspelt or newer value is never silently left out.
    void NothingElse() const {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (!taken_.contains(it.key())) {
                //: %1 is a key found in the file.
                throw Refusal{Located(QCoreApplication::translate(
                                          "TableFile", "\"%1\" is not a value a table file holds")
                                          .arg(it.key()))};
            }
        }
    }

private:
    // The reason, after the place it was found at when that is not the top of the file.
    QString Located(const QString& reason) const {
        //: %1 is a place in a table file, such as "round 3, hold", %2 what is wrong there.
        return where_.isEmpty()
                   ? reason
                   : QCoreApplication::translate("TableFile", "%1: %2").arg(where_, reason);
    }

    QJsonObject object_;
    QString where_;
    QStringList taken_;
};

HoldRule ReadHold(const QJsonValue& value, const QString& where) {
    ObjectReader hold(value, where);
    HoldRule rule;
    rule.end = static_cast<HoldRule::End>(
        hold.End({QStringLiteral("time"), QStringLiteral("first-contraction"),
                  QStringLiteral("contractions")}));
    if (rule.end == HoldRule::End::Time) {
        rule.seconds = hold.Number("seconds", 1, kMaxPhaseSeconds);
    } else {
        if (rule.end == HoldRule::End::FirstContraction) {
            rule.margin = hold.Number("margin", 0, kMaxMargin);
        } else {
            rule.contractions = hold.Number("count", 1, kMaxContractions, {}, false);
        }
        rule.cap = hold.Number("cap", 1, kMaxPhaseSeconds);
        rule.minimum = hold.Number("minimum", 0, kMaxPhaseSeconds, 0);
    }
    hold.NothingElse();
    return rule;
}

RestRule ReadRest(const QJsonValue& value, const QString& where) {
    ObjectReader rest(value, where);
    RestRule rule;
    rule.end = static_cast<RestRule::End>(
        rest.End({QStringLiteral("time"), QStringLiteral("cycle"), QStringLiteral("breath")}));
    switch (rule.end) {
        case RestRule::End::Time:
            rule.seconds = rest.Number("seconds", 1, kMaxPhaseSeconds);
            break;
        case RestRule::End::Cycle:
            rule.cycle = rest.Number("cycle", 1, kMaxPhaseSeconds);
            rule.floor = rest.Number("floor", 1, kMaxPhaseSeconds, kDefaultRestFloor);
            break;
        case RestRule::End::Breath:
            rule.maximum = rest.Number("maximum", 1, kMaxBreathSeconds, kDefaultBreathSeconds);
            break;
    }
    rest.NothingElse();
    return rule;
}

RoundsTable ReadTable(const QJsonValue& document) {
    ObjectReader top(document, {});
    if (top.Take("format") != QJsonValue(QString::fromLatin1(kTableFormat))) {
        //: "format" is a key of the table file, %1 the word it must hold, kept as they are.
        throw Refusal{
            QCoreApplication::translate(
                "TableFile", "it is not a Vellorin table file (its \"format\" is not \"%1\")")
                .arg(QString::fromLatin1(kTableFormat))};
    }
    const QJsonValue version = top.Required("version");
    if (version.isDouble() && version.toDouble() > kTableFormatVersion &&
        version.toDouble() == std::floor(version.toDouble())) {
        //: %1 and %2 are version numbers of the table file's format.
        throw Refusal{QCoreApplication::translate("TableFile",
                                                  "it was written by a newer Vellorin (table "
                                                  "format version %1; this one reads version %2)")
                          .arg(QString::number(version.toDouble(), 'f', 0),
                               QString::number(kTableFormatVersion))};
    }
    if (!version.isDouble() || version.toDouble() != kTableFormatVersion) {
        //: "version" is a key of the table file, kept as it is.
        throw Refusal{QCoreApplication::translate("TableFile", "\"version\" must be %1")
                          .arg(kTableFormatVersion)};
    }
    RoundsTable table;
    table.name = top.Text("name");
    table.intro = top.Number("intro", 1, kMaxPhaseSeconds);
    table.profile = top.Text("profile");
    const QJsonValue rounds = top.Required("rounds");
    if (!rounds.isArray() || rounds.toArray().isEmpty() ||
        rounds.toArray().size() > kMaxRunRounds) {
        //: "rounds" is a key of the table file, kept as it is.
        throw Refusal{
            QCoreApplication::translate("TableFile", "\"rounds\" must be a list of 1 to %1 rounds")
                .arg(kMaxRunRounds)};
    }
    top.NothingElse();
    const QJsonArray list = rounds.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        //: A place in a table file, before what is wrong there: "round 3: ...".
        ObjectReader row(list[i], QCoreApplication::translate("TableFile", "round %1").arg(i + 1));
        Round round;
        //: A place in a table file, the hold of a round: "round 3, hold: ...".
        round.hold =
            ReadHold(row.Required("hold"),
                     QCoreApplication::translate("TableFile", "round %1, hold").arg(i + 1));
        //: A place in a table file, the rest of a round: "round 3, rest: ...".
        round.rest =
            ReadRest(row.Required("rest"),
                     QCoreApplication::translate("TableFile", "round %1, rest").arg(i + 1));
        round.repeat = row.Number("repeat", 1, kMaxRepeat, 1, false);
        row.NothingElse();
        table.rounds.append(round);
    }
    // What no single value shows: a cap below the minimum, too many rounds in all.
    if (const QList<TableProblem> problems = TableProblems(table); !problems.isEmpty()) {
        const TableProblem& first = problems.first();
        throw Refusal{first.round > 0 ? RoundProblem(first.round, first.reason) : first.reason};
    }
    return table;
}

QString WhyNotJson(const QByteArray& bytes) {
    if (bytes.contains('\0')) {
        //: Why a file ("it") cannot be loaded as a table file.
        return QCoreApplication::translate("TableFile",
                                           "it is not a table file (it holds a NUL byte)");
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoding happens as the result is made a text.
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        //: Why a file ("it") cannot be loaded as a table file.
        return QCoreApplication::translate("TableFile",
                                           "it is not a table file (it is not UTF-8 text)");
    }
    if (bytes.startsWith("\xef\xbb\xbf")) {
        //: Why a file ("it") cannot be loaded as a table file.
        return QCoreApplication::translate(
            "TableFile", "it is not a table file (it begins with a byte-order mark)");
    }
    return {};
}

QString CouldNotLoad(const QString& path, const QString& reason) {
    //: %1 is the table file's name, %2 the reason it cannot be loaded.
    return QCoreApplication::translate("TableFile", "Could not load \"%1\": %2.").arg(path, reason);
}

}  // namespace

QString RoundProblem(int round, const QString& reason) {
    //: %1 is a round's number in the table, %2 a reason such as "the cap must be at least the
    //: minimum".
    return QCoreApplication::translate("TableFile", "round %1: %2")
        .arg(QString::number(round), reason);
}

TableFileRead ParseTableFile(const QByteArray& bytes, const QString& path) {
    const auto refused = [&path](const QString& reason) {
        return TableFileRead{std::nullopt, CouldNotLoad(path, reason)};
    };
    if (bytes.size() > kMaxTableFileBytes) {
        //: Why a file ("it") cannot be loaded as a table file.
        return refused(QCoreApplication::translate("TableFile", "it is larger than %1 bytes")
                           .arg(kMaxTableFileBytes));
    }
    if (const QString problem = WhyNotJson(bytes); !problem.isEmpty()) {
        return refused(problem);
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        //: %1 is why the JSON cannot be read, such as "unterminated object", %2 where.
        return refused(QCoreApplication::translate(
                           "TableFile", "it is not a table file (not JSON: %1 at byte %2)")
                           .arg(error.errorString(), QString::number(error.offset)));
    }
    try {
        return {ReadTable(document.isObject() ? QJsonValue(document.object())
                                              : QJsonValue(document.array())),
                {}};
    } catch (const Refusal& refusal) {
        return refused(refusal.reason);
    }
}

TableFileRead ReadTableFile(const QString& path) {
    const FileRead read = ReadRegularFile(path, kMaxTableFileBytes);
    if (!read.problem.isEmpty()) {
        return {std::nullopt, CouldNotLoad(path, read.problem)};
    }
    return ParseTableFile(read.bytes, path);
}

}  // namespace vellorin
