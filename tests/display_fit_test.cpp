// Every text the four displays can show fits its label with the fonts this machine has: a
// text too wide at 24 points shrinks its font just enough, and nothing ever grows.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "allgemein.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

class DisplayFit : public ::testing::Test {
protected:
    // Shows text on the display and returns what is wrong with how it fits, or nothing.
    std::string Show(Control control, const char* name, const QString& text) {
        form.ShowCaptionText(control, text);
        QLabel* label = form.Find<QLabel>(name);
        const QFontMetricsF metrics(label->font());
        const qreal width =
            std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
        if (label->text() != text || width > label->contentsRect().width() ||
            label->font().pointSizeF() > 24.0) {
            return QStringLiteral("\"%1\" is %2 px wide at %3 pt in %4 px")
                .arg(text)
                .arg(width)
                .arg(label->font().pointSizeF())
                .arg(label->contentsRect().width())
                .toStdString();
        }
        return {};
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(DisplayFit, EveryClockTextFitsBothClocks) {
    // The clocks wrap at the hour; counts below zero show as "0-1:0-1" down to "0-59:0-59".
    // Every minute with seconds of the same digits, of other digits, and of the ends of the
    // minute, on both sides of zero: every digit in every place.
    QList<qint32> counts;
    for (qint32 minute = 0; minute < 60; ++minute) {
        for (qint32 second : {minute, 59 - minute, 0, 59}) {
            counts.append({minute * 60 + second, -(minute * 60 + second)});
        }
    }
    for (qint32 seconds : counts) {
        const QString text = FormatSeconds(seconds);
        ASSERT_EQ(Show(Control::SessionClock, "SessionClock", text), "");
        ASSERT_EQ(Show(Control::SequenceTimeLbl, "SequenceTimeLbl", text), "");
    }
}

TEST_F(DisplayFit, EveryLoopNumberFits) {
    // Every number up to 99, every longer one of a single repeated digit (the widest digit
    // decides), and the largest.
    QList<int> loops;
    for (int loop = 1; loop <= 99; ++loop) {
        loops.append(loop);
    }
    for (int digit = 1; digit <= 9; ++digit) {
        loops.append({digit * 111, digit * 1111, digit * 11111 <= 32767 ? digit * 11111 : 32767});
    }
    loops.append({10000, 20000, 30000, 32767});
    for (int loop : loops) {
        ASSERT_EQ(Show(Control::SessionLbl, "SessionLbl", "Loop " + QString::number(loop)), "");
    }
}

TEST_F(DisplayFit, EveryPhaseNameFitsAndAShortTextKeepsTheFullSize) {
    for (const char* phase : {"Intro", "Hold", "Rest", "End!"}) {
        EXPECT_EQ(Show(Control::SequenceLbl, "SequenceLbl", phase), "");
    }
    EXPECT_EQ(Show(Control::SessionLbl, "SessionLbl", "Loop 32767"), "");
    EXPECT_EQ(Show(Control::SessionLbl, "SessionLbl", "Hold"), "");
    EXPECT_DOUBLE_EQ(form.Find<QLabel>("SessionLbl")->font().pointSizeF(), 24.0);
}

}  // namespace
}  // namespace vellorin::testing
