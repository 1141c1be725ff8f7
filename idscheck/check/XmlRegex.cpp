#include "idscheck/check/XmlRegex.h"

#include <libxml/xmlregexp.h>

#include <cctype>
#include <cstring>

namespace Ids {

void XmlRegex::Deleter::operator()(void* regex) const noexcept {
  xmlRegFreeRegexp(static_cast<xmlRegexpPtr>(regex));
}

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
    if (text[i] == '\\' && i + 1 < text.size())
      result += text[++i];
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
    if (lenient != pattern)
      regex = CompileText(lenient);
  }
  if (regex == nullptr)
    return false;
  compiled = std::shared_ptr<void>(regex, Deleter());
  return true;
}

bool XmlRegex::Matches(std::string_view value) const {
  if (!compiled)
    return false;
  const std::string terminated(value);
  return xmlRegexpExec(static_cast<xmlRegexpPtr>(compiled.get()),
                       reinterpret_cast<const xmlChar*>(terminated.c_str())) == 1;
}

}  // namespace Ids
