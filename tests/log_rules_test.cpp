// The log's texts of how a hold and a rest were to end: every rule of every kind has one
// text that reads back as it, and any other text is no rule.
#include <gtest/gtest.h>

#include "log_rules.h"

namespace vellorin::testing {
namespace {

TEST(LogRules, EveryRuleReadsBackFromItsOneText) {
    const struct {
        HoldRule rule;
        const char* text;
    } holds[] = {
        {HoldRule::Timed(60), "time:60"},
        {HoldRule::Timed(0), "time:0"},
        {HoldRule::Timed(-2147483647 - 1), "time:-2147483648"},
        {HoldRule::AtFirstContraction(30, 180), "first-contraction:30/cap:180/min:0"},
        {HoldRule::AtFirstContraction(0, 2147483647, 45),
         "first-contraction:0/cap:2147483647/min:45"},
        {HoldRule::AtContraction(3, 180, 20), "contractions:3/cap:180/min:20"},
    };
    for (const auto& c : holds) {
        EXPECT_EQ(HoldRuleText(c.rule), c.text);
        EXPECT_EQ(ParseHoldRule(c.text), c.rule) << c.text;
    }
    const struct {
        RestRule rule;
        const char* text;
    } rests[] = {
        {RestRule::Timed(120), "time:120"},
        {RestRule::Timed(-15), "time:-15"},  // a classic table's rest shrunk below zero
        {RestRule::OnCycle(120, 15), "cycle:120/floor:15"},
        {RestRule::OneBreath(10), "breath:10"},
    };
    for (const auto& c : rests) {
        EXPECT_EQ(RestRuleText(c.rule), c.text);
        EXPECT_EQ(ParseRestRule(c.text), c.rule) << c.text;
    }
    EXPECT_EQ(ParseKind(KindText(TableKind::Classic)), TableKind::Classic);
    EXPECT_EQ(ParseKind(KindText(TableKind::Rounds)), TableKind::Rounds);
}

TEST(LogRules, AnyOtherTextIsNoRule) {
    // Texts apart by "|", the first of them empty.
    const QByteArrayList holds = QByteArray(
                                     "|time|time:|time:+60|time:060|time:-0|time:2147483648|"
                                     "time:-2147483649|time: 60|Time:60|time:60/|time:60/cap:180|"
                                     "first-contraction:30/cap:180|first-contraction:30/min:0/"
                                     "cap:180|first-contraction:-30/cap:180/min:0|contractions:0/"
                                     "cap:180/min:0|contractions:3/cap:180/min:0/min:0|breath:10")
                                     .split('|');
    for (const QByteArray& text : holds) {
        EXPECT_EQ(ParseHoldRule(text), std::nullopt) << text.toStdString();
    }
    const char* const rests[] = {
        "",        "time:1.5",      "cycle:120",          "floor:15/cycle:120",
        "breath:", "breath:10/x:1", "cycle:120/floor:-1", "first-contraction:30/cap:180/min:0"};
    for (const char* text : rests) {
        EXPECT_EQ(ParseRestRule(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseHoldRule(QByteArrayView("time:6\0", 7)), std::nullopt);
    for (const char* kind : {"", "Classic", "round", "classic "}) {
        EXPECT_EQ(ParseKind(kind), std::nullopt) << kind;
    }
}

}  // namespace
}  // namespace vellorin::testing
