#pragma once

#include <QString>
#include <algorithm>
#include <random>

#include "rounds_table.h"

namespace vellorin::testing {

// Random tables of rounds that pass TableProblems: every kind of hold and rest, values at
// the ends of their ranges as well as between, names beyond ASCII, repeats.
class RandomRounds {
public:
    // Times of at most `longest` seconds (but a one-breath rest's), repeats of at most
    // `mostRepeat` rounds in all: short tables to run to their end.
    explicit RandomRounds(std::uint32_t seed, qint32 longest = kMaxPhaseSeconds,
                          int mostRepeat = kMaxRepeat)
        : random_(seed), longest_(longest), mostRepeat_(mostRepeat) {}

    RoundsTable Next() {
        RoundsTable table;
        table.intro = Seconds(1, kMaxPhaseSeconds);
        table.name = Text();
        table.profile = Uniform(0, 3) == 0 ? Text() : QString();
        const int rows = Uniform(1, Uniform(0, 9) == 0 ? 40 : 6);
        for (int row = 0; row < rows; ++row) {
            table.rounds.append(
                {Hold(), Rest(), Uniform(0, 2) == 0 ? Uniform(1, std::max(mostRepeat_ / rows, 1)) : 1});
        }
        return table;
    }

    HoldRule Hold() {
        switch (Uniform(0, 2)) {
            case 0:
                return HoldRule::Timed(Seconds(1, kMaxPhaseSeconds));
            case 1: {
                const qint32 cap = Seconds(1, kMaxPhaseSeconds);
                return HoldRule::AtFirstContraction(Seconds(0, kMaxMargin), cap, Minimum(cap));
            }
            default: {
                const qint32 cap = Seconds(1, kMaxPhaseSeconds);
                return HoldRule::AtContraction(Uniform(1, kMaxContractions), cap, Minimum(cap));
            }
        }
    }

    RestRule Rest() {
        switch (Uniform(0, 2)) {
            case 0:
                return RestRule::Timed(Seconds(1, kMaxPhaseSeconds));
            case 1:
                return RestRule::OnCycle(Seconds(1, kMaxPhaseSeconds),
                                         Seconds(1, kMaxPhaseSeconds));
            default:
                return RestRule::OneBreath(Seconds(1, kMaxBreathSeconds));
        }
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

private:
    // Mostly training lengths, sometimes the ends of the range.
    qint32 Seconds(qint32 low, qint32 high) {
        high = std::max(low, std::min(high, longest_));
        switch (Uniform(0, 5)) {
            case 0:
                return low;
            case 1:
                return high;
            case 2:
                return Uniform(low, high);
            default:
                return Uniform(low, std::min(high, 300));
        }
    }
    qint32 Minimum(qint32 cap) { return Uniform(0, 1) == 0 ? 0 : Uniform(0, cap); }

    QString Text() {
        static const char32_t pieces[] = {U'a', U'Z', U' ', U'"', U'\\',    U'/',
                                          U'é', U'✓', U'😀', U'{', U'\u2028'};
        std::u32string text;
        const int length = Uniform(0, 3) == 0 ? kMaxTextLength : Uniform(0, 12);
        for (int i = 0; i < length; ++i) {
            text += pieces[Uniform(0, std::size(pieces) - 1)];
        }
        return QString::fromStdU32String(text);
    }

    std::mt19937 random_;
    qint32 longest_;
    int mostRepeat_;
};

}  // namespace vellorin::testing
