#include "exporter/merge/EnumerationNames.h"

namespace Exporter {

namespace {

std::u16string Ascii(const std::string& text) {
  return std::u16string(text.begin(), text.end());
}

// `base` with `suffix`, cut so that the whole stays within `limit` units (0: no limit) and no
// surrogate pair is split.
std::u16string WithSuffix(std::u16string base, const std::u16string& suffix, std::size_t limit) {
  if (limit != 0 && base.size() + suffix.size() > limit) {
    base.resize(limit - suffix.size());
    if (!base.empty() && base.back() >= 0xD800 && base.back() < 0xDC00) {
      base.pop_back();
    }
  }
  return base + suffix;
}

}  // namespace

void EnumerationNames::Reserve(const std::u16string& name) {
  used.insert(name);
}

std::u16string EnumerationNames::NameFor(const std::u16string& given, const std::u16string& property,
                                         const std::string& values) {
  const auto key = std::make_pair(given, values);
  const auto found = assigned.find(key);
  if (found != assigned.end()) {
    return found->second;
  }
  const std::u16string base = !given.empty() ? given : !property.empty() ? property : std::u16string(u"Enumeration");
  std::u16string name = WithSuffix(base, std::u16string(), maxLength);
  for (unsigned n = 2; used.count(name) != 0; ++n) {
    name = WithSuffix(base, Ascii(" (" + std::to_string(n) + ")"), maxLength);
  }
  used.insert(name);
  assigned.emplace(key, name);
  return name;
}

}  // namespace Exporter
