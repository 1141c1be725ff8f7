// Names for the IfcPropertyEnumerations the tool writes. A file may hold only one enumeration of each
// name (IfcPropertyEnumeration.Name is UNIQUE), but add-ons give different value lists the same name,
// or none. The first list of a name keeps it; every other list of that name, and every list without
// one, gets a name of its own: the given name (or the property's, for none) with " (2)", " (3)", ...
// Names the input file already uses are never taken. The same name and list always give the same
// name, so identical enumerations stay one instance.
//
//   EnumerationNames names(255);                              // the width of the schema's IfcLabel
//   names.Reserve(u"Colours");                                  // already in the file
//   names.NameFor(u"Colours", u"Finish", "('red','blue')");     // u"Colours (2)"
//   names.NameFor(u"", u"Finish", "('oak')");                   // u"Finish"
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace Exporter {

class EnumerationNames {
 public:
  // Names are cut to `maxLength` code units with their suffix (0: no limit), the width of the file
  // schema's IfcLabel.
  explicit EnumerationNames(std::size_t maxLength) noexcept : maxLength(maxLength) {}

  // Marks `name` as used by an enumeration of the input file.
  void Reserve(const std::u16string& name);

  // The name to write for the list whose text is `values`, given the name `given` (maybe empty) on a
  // property named `property`.
  std::u16string NameFor(const std::u16string& given, const std::u16string& property, const std::string& values);

 private:
  std::size_t maxLength;
  std::set<std::u16string> used;
  std::map<std::pair<std::u16string, std::string>, std::u16string> assigned;  // (given name, values) -> name
};

}  // namespace Exporter
