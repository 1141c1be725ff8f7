#include "idscheck/check/XmlRegex.h"

#include <libxml/xmlregexp.h>

#include <atomic>
#include <cctype>
#include <cstring>

#include "ifc/unicode/Utf8.h"

namespace Ids {

struct XmlRegex::Compiled {
  explicit Compiled(xmlRegexpPtr regex) noexcept : regex(regex), deterministic(xmlRegexpIsDeterminist(regex) == 1) {}
  ~Compiled() { xmlRegFreeRegexp(regex); }
  Compiled(const Compiled&) = delete;
  Compiled& operator=(const Compiled&) = delete;

  xmlRegexpPtr regex;
  bool deterministic;
  std::atomic<int> giveUps{0};
};

namespace {

// The characters XML Schema lets a backslash escape besides the class escapes (\d, \w, \p{..}, ...).
bool IsSingleCharEscape(char c) noexcept {
  return std::strchr("nrt\\|.?*+(){}-[]^", c) != nullptr;
}

// The pattern with backslashes before other punctuation ("\/") dropped: such escapes are not XML
// Schema, but IDS documents use them (the conformance case "properties can be associated to relevant
// object types" escapes '/' and expects the pattern to work), and they can only mean the character.
std::string WithoutIdentityEscapes(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && std::ispunct(static_cast<unsigned char>(next)) && !IsSingleCharEscape(next)) {
      result += next;
      ++i;
      continue;
    }
    result += text[i];
    if (text[i] == '\\' && i + 1 < text.size()) {
      result += text[++i];
    }
  }
  return result;
}

xmlRegexpPtr CompileText(const std::string& text) {
  return xmlRegexpCompile(reinterpret_cast<const xmlChar*>(text.c_str()));
}

}  // namespace

bool XmlRegex::Compile(std::string_view text) {
  pattern.assign(text);
  compiled.reset();
  xmlRegexpPtr regex = CompileText(pattern);
  if (regex == nullptr) {
    const std::string lenient = WithoutIdentityEscapes(pattern);
    if (lenient != pattern) {
      regex = CompileText(lenient);
    }
  }
  if (regex == nullptr) {
    return false;
  }
  compiled = std::make_shared<Compiled>(regex);
  return true;
}

bool XmlRegex::IsDeterministic() const noexcept {
  return compiled != nullptr && compiled->deterministic;
}

MatchOutcome XmlRegex::NotChecked(std::size_t length, const std::string& why) const {
  return MatchOutcome::NotChecked("pattern '" + pattern + "' not checked against a value of " + std::to_string(length) +
                                  " characters: " + why);
}

MatchOutcome XmlRegex::Match(std::string_view value) const {
  if (!compiled) {
    return MatchOutcome::Of(false);
  }
  const std::size_t length = Ifc::Utf8::CountCodePoints(value);
  if (compiled->giveUps.load(std::memory_order_relaxed) >= kGiveUpBudget) {
    return NotChecked(length, "the matcher gave up on this pattern " + std::to_string(kGiveUpBudget) +
                                  " times, it is not matched again");
  }
  if (!compiled->deterministic && length > kBacktrackingLimit) {
    return NotChecked(length, "a pattern that backtracks is matched against at most " +
                                  std::to_string(kBacktrackingLimit) + " characters");
  }
  const std::string terminated(value);
  const int result = xmlRegexpExec(compiled->regex, reinterpret_cast<const xmlChar*>(terminated.c_str()));
  if (result < 0) {
    compiled->giveUps.fetch_add(1, std::memory_order_relaxed);
    return NotChecked(length, "the matcher gave up (backtracking limit)");
  }
  return MatchOutcome::Of(result == 1);
}

}  // namespace Ids
