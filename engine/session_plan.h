#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

#include "trainer_window.h"

namespace vellorin {

// A field's text as a number, parsed with the user's locale (its decimal separator, an
// optional sign and exponent, blanks around it). Anything else, an empty text or a value
// that is not finite, raises SessionError.
double FieldValue(const QString& text);

// x rounded to the nearest 32-bit integer, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// NaN, infinity and values outside the 32-bit range raise SessionError.
qint32 RoundToLong(double x);

// The arithmetic of a training table. It keeps no copy of the settings: every value is
// read from the window's fields at the moment it is computed, so edits made during a
// session take effect at the next computation.
class SessionPlan {
public:
    explicit SessionPlan(const TrainerWindow& window) : window_(window) {}

    // The intro length: the intro text converted straight to a 32-bit count.
    qint32 IntroCount() const;
    // Number of loops n, as typed.
    double Loops() const;
    // Hold of loop k: H - dH * (n - k). Loop n holds H.
    double LoopHoldTime(double k) const;
    // Rest after the hold of loop k: R - dR * (k - 1).
    double LoopRestTime(double k) const;
    // Ticks from the first intro tick to the last tick of the last hold, in two rounded steps.
    qint32 SessionDuration() const;
    // Refuses a table that could never reach its end: loops not a whole number from 1 to
    // 32767, an intro below 1 second, or any hold or rest that rounds below 1 second.
    void CheckTableEnds(qint32 introTime) const;
    // Why Start would refuse this table, in words (the field that is not a number, or the
    // rule a table that could never end breaks); empty when Start accepts it.
    QString StartProblem() const;
    // The field to mend for Start to accept the table: the first that is not a number, or
    // the one whose value breaks the rule (the decrease when only later rests fall short).
    // Nothing when Start accepts it.
    std::optional<Field> StartProblemField() const;
    // What the window says below Start's refusal: the field to mend and the reason, in the
    // words the table preview prints. Empty when Start accepts the table.
    QString StartRefusalDetail() const;

private:
    double Value(Field field) const { return FieldValue(window_.FieldText(field)); }
    const TrainerWindow& window_;
};

}  // namespace vellorin
