// A regular expression in the XML Schema dialect (the one xs:pattern uses), compiled and matched by
// libxml2. A pattern matches a whole value: "DT[0-9]{2}" accepts "DT01" and refuses "ADT01".
//
//   Ids::XmlRegex regex;
//   if (!regex.Compile("DT[0-9]{2}")) Fail("the pattern does not compile");
//   Ids::MatchOutcome outcome = regex.Match("DT01");
//
// Matching time is bounded. A deterministic pattern is matched in time linear in the value. A
// non-deterministic one ("(a|aa)*b", ".*a.*b") backtracks: it is matched only against values of at
// most kBacktrackingLimit characters, and when the matcher gives up (its rollback limit) the value
// is "not checked", never "does not match". After kGiveUpBudget give-ups a pattern is not matched
// again: every further value is "not checked" at once. Copies share the count.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "idscheck/check/MatchOutcome.h"

namespace Ids {

class XmlRegex {
 public:
  static constexpr std::size_t kBacktrackingLimit = 1000;  // characters
  static constexpr int kGiveUpBudget = 3;

  // False when `pattern` is no XML Schema regular expression.
  bool Compile(std::string_view pattern);
  bool IsCompiled() const noexcept { return compiled != nullptr; }
  bool IsDeterministic() const noexcept;
  // Whether the whole `value` (UTF-8) matches; does not match when nothing is compiled.
  MatchOutcome Match(std::string_view value) const;
  const std::string& Pattern() const noexcept { return pattern; }

 private:
  struct Compiled;
  MatchOutcome NotChecked(std::size_t length, const std::string& why) const;

  std::string pattern;
  std::shared_ptr<Compiled> compiled;  // shared by copies
};

}  // namespace Ids
