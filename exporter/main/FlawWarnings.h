// The warnings about an input's tolerated flaws: one a kind, with the count and the first instances,
// so that a file with thousands of duplicate GlobalIds says so in one line.
//
//   for (const std::string& warning : FlawWarnings(file.Flaws())) Warn(warning);
//   // "2 duplicate GlobalIds, kept (--strict refuses them): m.ifc:9: #20: ...; m.ifc:12: #23: ..."
#pragma once

#include <string>
#include <vector>

#include "ifc/step/Flaws.h"

namespace Exporter {

// How many instances a warning names.
constexpr std::size_t kNamedFlaws = 3;

std::vector<std::string> FlawWarnings(const Ifc::Flaws& flaws);

}  // namespace Exporter
