// Reads a table file, refusing anything it does not know by the key and the reason.
#include "vtable_file.h"

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
            throw Refusal{Prefix() + QStringLiteral("it must be a JSON object")};
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
            throw Refusal{Prefix() + QStringLiteral("\"%1\" is missing").arg(key)};
        }
        return value;
    }

    // A whole number from low to high; what is the word after "whole number" ("of seconds").
    qint32 Number(const char* key, qint32 low, qint32 high, std::optional<qint32> fallback = {},
                  const char* what = " of seconds") {
        const QJsonValue value = fallback ? Take(key) : Required(key);
        if (value.isUndefined()) {
            return *fallback;
        }
        const double x = value.toDouble(std::nan(""));
        if (!value.isDouble() || x != std::floor(x) || x < low || x > high) {
            throw Refusal{Prefix() + QStringLiteral("\"%1\" must be a whole number%2 from %3 to %4")
                                         .arg(QString::fromLatin1(key), QString::fromLatin1(what))
                                         .arg(low)
                                         .arg(high)};
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
            throw Refusal{Prefix() + QStringLiteral("\"%1\" must be a text of at most %2 "
                                                    "characters, without control characters")
                                         .arg(QString::fromLatin1(key))
                                         .arg(kMaxTextLength)};
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
            throw Refusal{Prefix() + QStringLiteral("\"end\" must be %1 or %2")
                                         .arg(quoted.join(QStringLiteral(", ")), last)};
        }
        return index;
    }

    // Refuses a key nobody took: a misspelt or newer value is never silently left out.
    void NothingElse() const {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (!taken_.contains(it.key())) {
                throw Refusal{Prefix() + QStringLiteral("\"%1\" is not a value a table file "
                                                        "holds")
                                             .arg(it.key())};
            }
        }
    }

private:
    QString Prefix() const { return where_.isEmpty() ? QString() : where_ + QStringLiteral(": "); }

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
            rule.contractions = hold.Number("count", 1, kMaxContractions, {}, "");
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
        throw Refusal{QStringLiteral("it is not a Vellorin table file (its \"format\" is not "
                                     "\"%1\")")
                          .arg(QString::fromLatin1(kTableFormat))};
    }
    const QJsonValue version = top.Required("version");
    if (version.isDouble() && version.toDouble() > kTableFormatVersion &&
        version.toDouble() == std::floor(version.toDouble())) {
        throw Refusal{QStringLiteral("it was written by a newer Vellorin (table format version "
                                     "%1; this one reads version %2)")
                          .arg(version.toDouble(), 0, 'f', 0)
                          .arg(kTableFormatVersion)};
    }
    if (!version.isDouble() || version.toDouble() != kTableFormatVersion) {
        throw Refusal{QStringLiteral("\"version\" must be %1").arg(kTableFormatVersion)};
    }
    RoundsTable table;
    table.name = top.Text("name");
    table.intro = top.Number("intro", 1, kMaxPhaseSeconds);
    table.profile = top.Text("profile");
    const QJsonValue rounds = top.Required("rounds");
    if (!rounds.isArray() || rounds.toArray().isEmpty() ||
        rounds.toArray().size() > kMaxRunRounds) {
        throw Refusal{
            QStringLiteral("\"rounds\" must be a list of 1 to %1 rounds").arg(kMaxRunRounds)};
    }
    top.NothingElse();
    const QJsonArray list = rounds.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = QStringLiteral("round %1").arg(i + 1);
        ObjectReader row(list[i], where);
        Round round;
        round.hold = ReadHold(row.Required("hold"), where + QStringLiteral(", hold"));
        round.rest = ReadRest(row.Required("rest"), where + QStringLiteral(", rest"));
        round.repeat = row.Number("repeat", 1, kMaxRepeat, 1, "");
        row.NothingElse();
        table.rounds.append(round);
    }
    // What no single value shows: a cap below the minimum, too many rounds in all.
    if (const QList<TableProblem> problems = TableProblems(table); !problems.isEmpty()) {
        const TableProblem& first = problems.first();
        throw Refusal{first.round > 0
                          ? QStringLiteral("round %1: %2").arg(first.round).arg(first.reason)
                          : first.reason};
    }
    return table;
}

QString WhyNotJson(const QByteArray& bytes) {
    if (bytes.contains('\0')) {
        return QStringLiteral("it is not a table file (it holds a NUL byte)");
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoding happens as the result is made a text.
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return QStringLiteral("it is not a table file (it is not UTF-8 text)");
    }
    if (bytes.startsWith("\xef\xbb\xbf")) {
        return QStringLiteral("it is not a table file (it begins with a byte-order mark)");
    }
    return {};
}

}  // namespace

TableFileRead ParseTableFile(const QByteArray& bytes, const QString& path) {
    const auto refused = [&path](const QString& reason) {
        return TableFileRead{std::nullopt,
                             QStringLiteral("Could not load \"%1\": %2.").arg(path, reason)};
    };
    if (bytes.size() > kMaxTableFileBytes) {
        return refused(QStringLiteral("it is larger than %1 bytes").arg(kMaxTableFileBytes));
    }
    if (const QString problem = WhyNotJson(bytes); !problem.isEmpty()) {
        return refused(problem);
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return refused(QStringLiteral("it is not a table file (not JSON: %1 at byte %2)")
                           .arg(error.errorString())
                           .arg(error.offset));
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
        return {std::nullopt, QStringLiteral("Could not load \"%1\": %2.").arg(path, read.problem)};
    }
    return ParseTableFile(read.bytes, path);
}

}  // namespace vellorin
