// Writes a table file: the same table always gives the same bytes, one round a line.
#include <QJsonArray>
#include <QJsonDocument>

#include "file_access.h"
#include "vtable_file.h"

namespace vellorin {
namespace {

// A JSON string literal, escaped as Qt's JSON writer escapes (UTF-8 kept as it is).
QByteArray Quoted(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

class JsonObject {
public:
    JsonObject& Text(const char* key, const QString& value) { return Add(key, Quoted(value)); }
    JsonObject& Number(const char* key, qint64 value) {
        return Add(key, QByteArray::number(value));
    }
    JsonObject& Raw(const char* key, const QByteArray& json) { return Add(key, json); }
    QByteArray Line() const { return '{' + members_.join(", ") + '}'; }

private:
    JsonObject& Add(const char* key, const QByteArray& json) {
        members_.append('"' + QByteArray(key) + "\": " + json);
        return *this;
    }
    QByteArrayList members_;
};

QByteArray HoldJson(const HoldRule& hold) {
    JsonObject object;
    switch (hold.end) {
        case HoldRule::End::Time:
            return object.Text("end", QStringLiteral("time"))
                .Number("seconds", hold.seconds)
                .Line();
        case HoldRule::End::FirstContraction:
            object.Text("end", QStringLiteral("first-contraction")).Number("margin", hold.margin);
            break;
        case HoldRule::End::Contractions:
            object.Text("end", QStringLiteral("contractions")).Number("count", hold.contractions);
            break;
    }
    return object.Number("cap", hold.cap).Number("minimum", hold.minimum).Line();
}

QByteArray RestJson(const RestRule& rest) {
    JsonObject object;
    switch (rest.end) {
        case RestRule::End::Time:
            object.Text("end", QStringLiteral("time")).Number("seconds", rest.seconds);
            break;
        case RestRule::End::Cycle:
            object.Text("end", QStringLiteral("cycle"))
                .Number("cycle", rest.cycle)
                .Number("floor", rest.floor);
            break;
        case RestRule::End::Breath:
            object.Text("end", QStringLiteral("breath")).Number("maximum", rest.maximum);
            break;
    }
    return object.Line();
}

}  // namespace

QByteArray TableFileBytes(const RoundsTable& table) {
    QByteArray bytes = "{\n";
    bytes += "    \"format\": " + Quoted(QString::fromLatin1(kTableFormat)) + ",\n";
    bytes += "    \"version\": " + QByteArray::number(kTableFormatVersion) + ",\n";
    bytes += "    \"name\": " + Quoted(table.name) + ",\n";
    bytes += "    \"intro\": " + QByteArray::number(table.intro) + ",\n";
    bytes += "    \"profile\": " + Quoted(table.profile) + ",\n";
    bytes += "    \"rounds\": [";
    for (qsizetype i = 0; i < table.rounds.size(); ++i) {
        const Round& round = table.rounds[i];
        bytes += i == 0 ? "\n        " : ",\n        ";
        bytes += JsonObject()
                     .Raw("hold", HoldJson(round.hold))
                     .Raw("rest", RestJson(round.rest))
                     .Number("repeat", round.repeat)
                     .Line();
    }
    bytes += table.rounds.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return bytes;
}

QString WriteTableFile(const QString& path, const RoundsTable& table) {
    if (const QList<TableProblem> problems = TableProblems(table); !problems.isEmpty()) {
        const TableProblem& first = problems.first();
        return first.round > 0 ? RoundProblem(first.round, first.reason) : first.reason;
    }
    return ReplaceFileWith(path, TableFileBytes(table));
}

}  // namespace vellorin
