// Whether a value meets an IDS constraint: it does, it does not, or it was not checked (a pattern
// whose matching could not be bounded for that value), with the reason in words.
//
//   Ids::MatchOutcome outcome = regex.Match(value);
//   if (!outcome.Checked()) Report(outcome.reason);  // "pattern '(a|aa)*b' not checked against ..."
#pragma once

#include <string>
#include <utility>

namespace Ids {

struct MatchOutcome {
  enum class Kind { Matches, DoesNotMatch, NotChecked };
  Kind kind = Kind::DoesNotMatch;
  std::string reason;  // why the value was not checked; empty otherwise

  static MatchOutcome Of(bool matches) { return {matches ? Kind::Matches : Kind::DoesNotMatch, {}}; }
  static MatchOutcome NotChecked(std::string why) { return {Kind::NotChecked, std::move(why)}; }
  bool Matched() const noexcept { return kind == Kind::Matches; }
  bool Checked() const noexcept { return kind != Kind::NotChecked; }
};

}  // namespace Ids
