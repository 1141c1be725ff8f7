// Which input instances nothing refers to any more. A property set that a split leaves behind (every
// element it described moved to a new set, and its relations now relate those) is removed from the
// output, but only when no other instance refers to it: a type object's HasPropertySets, a template
// relation or anything else keeps it.
//
//   const auto gone = Unreferenced(model, {InstanceNumber(31)}, {relationIndex});
//   for (const InstanceNumber number : gone) Remove(model.Find(number));
#pragma once

#include <vector>

#include "exporter/writer/InstanceIds.h"
#include "ifc/step/Model.h"

namespace Exporter {

// The `candidates` that no instance of `model` refers to, leaving out the `ignored` instances (whose
// text the run replaces) and the candidates themselves.
std::vector<InstanceNumber> Unreferenced(const Ifc::Model& model, const std::vector<InstanceNumber>& candidates,
                                         const std::vector<InstanceIndex>& ignored);

}  // namespace Exporter
