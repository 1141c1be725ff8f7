// A regular expression in the XML Schema dialect (the one xs:pattern uses), compiled and matched by
// libxml2. A pattern matches a whole value: "DT[0-9]{2}" accepts "DT01" and refuses "ADT01".
//
//   Ids::XmlRegex regex;
//   if (!regex.Compile("DT[0-9]{2}")) Fail("the pattern does not compile");
//   bool ok = regex.Matches("DT01");
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace Ids {

class XmlRegex {
 public:
  // False when `pattern` is no XML Schema regular expression.
  bool Compile(std::string_view pattern);
  bool IsCompiled() const noexcept { return compiled != nullptr; }
  // Whether the whole `value` (UTF-8) matches; false when nothing is compiled.
  bool Matches(std::string_view value) const;
  const std::string& Pattern() const noexcept { return pattern; }

 private:
  struct Deleter {
    void operator()(void* regex) const noexcept;
  };
  std::string pattern;
  std::shared_ptr<void> compiled;  // xmlRegexp, shared by copies
};

}  // namespace Ids
