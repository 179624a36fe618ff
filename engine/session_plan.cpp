#include "session_plan.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <limits>

#include "session_error.h"

namespace vellorin {
namespace {

// Every intermediate result must stay a finite number; an overflow to infinity is an error
// rather than a value to carry on with.
double Finite(double x) {
    if (!std::isfinite(x)) {
        //: A reason Start refuses the settings, shown after "The reason: ".
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "a computed value is not a finite number")
                .toStdString());
    }
    return x;
}

}  // namespace

double FieldValue(const QString& text) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        //: %1 is the text of a settings field.
        throw SessionError(QCoreApplication::translate("SessionPlan", "not a number: \"%1\"")
                               .arg(text)
                               .toStdString());
    }
    return value;
}

qint32 RoundToLong(double x) {
    // nearbyint rounds in the current rounding mode, which is to nearest with ties to even.
    const double rounded = std::nearbyint(Finite(x));
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max()) {
        //: A reason Start refuses the settings, shown after "The reason: ".
        throw SessionError(QCoreApplication::translate(
                               "SessionPlan", "a computed number of seconds is out of range")
                               .toStdString());
    }
    return static_cast<qint32>(rounded);
}

qint32 SessionPlan::IntroCount() const {
    return RoundToLong(Value(Field::IntroTbx));
}

double SessionPlan::Loops() const {
    return Value(Field::LoopsTbx);
}

double SessionPlan::LoopHoldTime(double k) const {
    const double H = Value(Field::HoldTbx);
    const double dH = Value(Field::HoldIncTbx);
    const double n = Loops();
    return Finite(H - dH * (n - k));
}

double SessionPlan::LoopRestTime(double k) const {
    const double R = Value(Field::RestTbx);
    const double dR = Value(Field::RestDecTbx);
    return Finite(R - dR * (k - 1.0));
}

qint32 SessionPlan::SessionDuration() const {
    const double I = Value(Field::IntroTbx);
    const double H = Value(Field::HoldTbx);
    const double dH = Value(Field::HoldIncTbx);
    const double R = Value(Field::RestTbx);
    const double dR = Value(Field::RestDecTbx);
    const double n = Loops();
    const qint32 s1 = RoundToLong(I + n / 2.0 * (dH * (n - 1.0) + (H - dH * (n - 1.0)) * 2.0));
    return RoundToLong((n - 1.0) / 2.0 * (R * 2.0 - dR * (n - 2.0)) + s1);
}

void SessionPlan::CheckTableEnds(qint32 introTime) const {
    const double n = Loops();
    if (n != std::floor(n) || n < 1 || n > std::numeric_limits<qint16>::max()) {
        //: A reason Start refuses the settings, shown after "The reason: ".
        throw SessionError(
            QCoreApplication::translate(
                "SessionPlan", "the number of loops must be a whole number from 1 to 32767")
                .toStdString());
    }
    if (introTime < 1) {
        //: A reason Start refuses the settings, shown after "The reason: ".
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "the intro must last at least 1 second")
                .toStdString());
    }
    // Holds and rests change by a fixed step from loop to loop, so their shortest one is at
    // one end of the series.
    if (RoundToLong(LoopHoldTime(1)) < 1 || RoundToLong(LoopHoldTime(n)) < 1) {
        //: A reason Start refuses the settings, shown after "The reason: ".
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "every hold must last at least 1 second")
                .toStdString());
    }
    if (n >= 2 && (RoundToLong(LoopRestTime(1)) < 1 || RoundToLong(LoopRestTime(n - 1)) < 1)) {
        //: A reason Start refuses the settings, shown after "The reason: ".
        throw SessionError(
            QCoreApplication::translate("SessionPlan", "every rest must last at least 1 second")
                .toStdString());
    }
}

QString SessionPlan::StartProblem() const {
    for (Field field : kSettingsFields) {
        try {
            FieldValue(window_.FieldText(field));
        } catch (const SessionError&) {
            //: %1 is a settings field's name, such as "Initial rest time", %2 its text.
            return QCoreApplication::translate("SessionPlan",
                                               "the field \"%1\" is not a number: \"%2\"")
                .arg(FieldCaption(field), window_.FieldText(field));
        }
    }
    try {
        const qint32 intro = IntroCount();
        RoundToLong(LoopHoldTime(1));
        SessionDuration();
        CheckTableEnds(intro);
    } catch (const SessionError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

QString SessionPlan::StartRefusalDetail() const {
    const std::optional<Field> field = StartProblemField();
    if (!field) {
        return {};
    }
    //: %1 is a settings field's name, such as "Initial rest time"; %2 is a reason such as
    //: "every hold must last at least 1 second".
    return QCoreApplication::translate("SessionPlan", "The field to mend: \"%1\". The reason: %2.")
        .arg(FieldCaption(*field), StartProblem());
}

std::optional<Field> SessionPlan::StartProblemField() const {
    for (Field field : kSettingsFields) {
        try {
            FieldValue(window_.FieldText(field));
        } catch (const SessionError&) {
            return field;
        }
    }
    if (StartProblem().isEmpty()) {
        return std::nullopt;
    }
    try {
        IntroCount();
    } catch (const SessionError&) {
        return Field::IntroTbx;  // beyond a 32-bit count
    }
    // Each rule in the order CheckTableEnds applies it; a value that cannot be computed at
    // all lies with the hold, the largest term of the table.
    try {
        const double n = Loops();
        if (n != std::floor(n) || n < 1 || n > std::numeric_limits<qint16>::max()) {
            return Field::LoopsTbx;
        }
        if (IntroCount() < 1) {
            return Field::IntroTbx;
        }
        if (RoundToLong(LoopHoldTime(1)) < 1 || RoundToLong(LoopHoldTime(n)) < 1) {
            return RoundToLong(LoopHoldTime(n)) < 1 ? Field::HoldTbx : Field::HoldIncTbx;
        }
        if (n >= 2 && RoundToLong(LoopRestTime(1)) < 1) {
            return Field::RestTbx;
        }
        if (n >= 2 && RoundToLong(LoopRestTime(n - 1)) < 1) {
            return Field::RestDecTbx;
        }
    } catch (const SessionError&) {
    }
    return Field::HoldTbx;
}

}  // namespace vellorin
