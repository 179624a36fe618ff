#include "log_rules.h"

#include <QList>
#include <algorithm>
#include <initializer_list>
#include <limits>

namespace vellorin {
namespace {

constexpr qint64 kSigned = std::numeric_limits<qint32>::min();  // a timed phase's seconds
constexpr qint64 kHighest = std::numeric_limits<qint32>::max();

struct Part {
    QByteArrayView name;
    QByteArrayView value;
};

// "a:1/b:2" as its parts; a part without a colon has no name, and so matches none.
QList<Part> Split(QByteArrayView text) {
    QList<Part> parts;
    for (qsizetype from = 0;;) {
        const qsizetype slash = text.indexOf('/', from);
        const QByteArrayView part = text.sliced(from, (slash < 0 ? text.size() : slash) - from);
        const qsizetype colon = part.indexOf(':');
        parts.append(colon < 0 ? Part{} : Part{part.first(colon), part.sliced(colon + 1)});
        if (slash < 0) {
            return parts;
        }
        from = slash + 1;
    }
}

bool Named(const QList<Part>& parts, std::initializer_list<const char*> names) {
    return parts.size() == static_cast<qsizetype>(names.size()) &&
           std::equal(names.begin(), names.end(), parts.begin(),
                      [](const char* name, const Part& part) { return part.name == name; });
}

// A number as QByteArray::number writes it, from low to the highest qint32: a minus sign
// only when low is below 0, no leading zero, no "-0".
std::optional<qint32> Number(QByteArrayView text, qint64 low) {
    const bool negative = low < 0 && text.startsWith('-');
    const QByteArrayView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 10 ||
        (digits.front() == '0' && (digits.size() > 1 || negative))) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < low || value > kHighest) {
        return std::nullopt;
    }
    return static_cast<qint32>(value);
}

QByteArray Text(std::initializer_list<std::pair<const char*, qint32>> parts) {
    QByteArray text;
    for (const auto& [name, value] : parts) {
        text += (text.isEmpty() ? "" : "/") + QByteArray(name) + ':' + QByteArray::number(value);
    }
    return text;
}

}  // namespace

QByteArray KindText(TableKind kind) {
    return kind == TableKind::Rounds ? "rounds" : "classic";
}

std::optional<TableKind> ParseKind(QByteArrayView text) {
    if (text == "classic") {
        return TableKind::Classic;
    }
    if (text == "rounds") {
        return TableKind::Rounds;
    }
    return std::nullopt;
}

QByteArray HoldRuleText(const HoldRule& rule) {
    switch (rule.end) {
        case HoldRule::End::FirstContraction:
            return Text(
                {{"first-contraction", rule.margin}, {"cap", rule.cap}, {"min", rule.minimum}});
        case HoldRule::End::Contractions:
            return Text(
                {{"contractions", rule.contractions}, {"cap", rule.cap}, {"min", rule.minimum}});
        case HoldRule::End::Time:
            break;
    }
    return Text({{"time", rule.seconds}});
}

std::optional<HoldRule> ParseHoldRule(QByteArrayView text) {
    const QList<Part> parts = Split(text);
    if (Named(parts, {"time"})) {
        const std::optional<qint32> seconds = Number(parts[0].value, kSigned);
        return seconds ? std::optional(HoldRule::Timed(*seconds)) : std::nullopt;
    }
    const bool first = Named(parts, {"first-contraction", "cap", "min"});
    if (!first && !Named(parts, {"contractions", "cap", "min"})) {
        return std::nullopt;
    }
    const std::optional<qint32> value = Number(parts[0].value, first ? 0 : 1);
    const std::optional<qint32> cap = Number(parts[1].value, 0);
    const std::optional<qint32> minimum = Number(parts[2].value, 0);
    if (!value || !cap || !minimum) {
        return std::nullopt;
    }
    return first ? HoldRule::AtFirstContraction(*value, *cap, *minimum)
                 : HoldRule::AtContraction(*value, *cap, *minimum);
}

QByteArray RestRuleText(const RestRule& rule) {
    switch (rule.end) {
        case RestRule::End::Cycle:
            return Text({{"cycle", rule.cycle}, {"floor", rule.floor}});
        case RestRule::End::Breath:
            return Text({{"breath", rule.maximum}});
        case RestRule::End::Time:
            break;
    }
    return Text({{"time", rule.seconds}});
}

std::optional<RestRule> ParseRestRule(QByteArrayView text) {
    const QList<Part> parts = Split(text);
    if (Named(parts, {"time"})) {
        const std::optional<qint32> seconds = Number(parts[0].value, kSigned);
        return seconds ? std::optional(RestRule::Timed(*seconds)) : std::nullopt;
    }
    if (Named(parts, {"cycle", "floor"})) {
        const std::optional<qint32> cycle = Number(parts[0].value, 0);
        const std::optional<qint32> floor = Number(parts[1].value, 0);
        return cycle && floor ? std::optional(RestRule::OnCycle(*cycle, *floor)) : std::nullopt;
    }
    if (Named(parts, {"breath"})) {
        const std::optional<qint32> maximum = Number(parts[0].value, 0);
        return maximum ? std::optional(RestRule::OneBreath(*maximum)) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vellorin
