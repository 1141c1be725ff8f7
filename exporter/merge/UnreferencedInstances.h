// Which input instances nothing refers to any more. A property set that a split leaves behind (every
// element it described moved to a new set, and its relations now relate those) is removed from the
// output, but only when no other instance refers to it: a type object's HasPropertySets, a template
// relation or anything else keeps it.
//
//   const auto gone = Unreferenced(file, {setNumber}, {repointedRelationIndex});
//   for (const std::uint32_t number : gone) Remove(number);
#pragma once

#include <cstdint>
#include <vector>

#include "StepFile.h"

namespace Exporter {

// The `candidates` (instance numbers) that no instance of `file` refers to, leaving out the instances
// at the indices `ignored` (whose text the run replaces) and the candidates themselves.
std::vector<std::uint32_t> Unreferenced(const StepFile& file, const std::vector<std::uint32_t>& candidates,
                                        const std::vector<std::uint32_t>& ignored);

}  // namespace Exporter
