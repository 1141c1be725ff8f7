#include "XmlRegex.h"

#include <libxml/xmlregexp.h>

namespace Ids {

void XmlRegex::Deleter::operator()(void* regex) const noexcept {
  xmlRegFreeRegexp(static_cast<xmlRegexpPtr>(regex));
}

bool XmlRegex::Compile(std::string_view text) {
  pattern.assign(text);
  compiled.reset();
  xmlRegexpPtr regex = xmlRegexpCompile(reinterpret_cast<const xmlChar*>(pattern.c_str()));
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
