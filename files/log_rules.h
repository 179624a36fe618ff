#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

#include "rounds_table.h"
#include "session_controller.h"

namespace vellorin {

// The texts of the training log's kind, hold_rule and rest_rule columns, one text for each
// value, so that a program reading the log can tell every rule apart:
//
//   kind       classic | rounds
//   hold_rule  time:S                        a hold of S seconds
//              first-contraction:M/cap:C/min:N
//                                            M seconds after the first contraction, at C at
//                                            the latest and never before N
//              contractions:K/cap:C/min:N    at the K-th contraction (K from 1)
//   rest_rule  time:S | cycle:Y/floor:F | breath:B
//                                            S seconds; Y after its hold began, at least F;
//                                            one breath, at most B; empty after the last hold
//
// Every value is a whole number of seconds (K a count) in decimal, without a plus sign or
// leading zeros, from 0 to 2147483647; only a timed hold's or rest's S may be negative (the
// steps of a classic table can take a rest below zero). Parts come in this order and nothing
// else is read: a text that differs in any byte is no rule.
QByteArray KindText(TableKind kind);
std::optional<TableKind> ParseKind(QByteArrayView text);
QByteArray HoldRuleText(const HoldRule& rule);
std::optional<HoldRule> ParseHoldRule(QByteArrayView text);
// An empty text is no rule: that no rest followed is for the caller to tell.
QByteArray RestRuleText(const RestRule& rule);
std::optional<RestRule> ParseRestRule(QByteArrayView text);

}  // namespace vellorin
