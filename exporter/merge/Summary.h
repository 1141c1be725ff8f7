// What a run contributed to the file, counted for the summary line, and what it warned about.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Exporter {

struct Summary {
  std::size_t elements = 0;            // instances of IfcObject subtypes asked about
  std::size_t values = 0;              // contributed properties written
  std::size_t sets = 0;                // property sets written
  std::size_t attributes = 0;          // attributes set or unset
  std::size_t references = 0;          // classification references written
  std::size_t groups = 0;              // groups and systems written
  std::size_t relations = 0;           // relations written (property, classification, group, service)
  std::size_t templateMismatches = 0;  // contributions to standard sets that their template contradicts
  std::vector<std::string> warnings;
};

}  // namespace Exporter
