// The two ways to name an instance of the input, as the reader gives them: its number in the file
// ("#42") and its index (its position among the instances). Distinct types, so that one is never
// taken for the other; new instances get numbers only.
//
//   const InstanceIndex wall = model.Find(InstanceNumber(42));
//   const std::string text = Reference(model.Number(wall));   // "#42"
#pragma once

#include "ifc/step/InstanceId.h"

namespace Exporter {

using Ifc::InstanceIndex;
using Ifc::InstanceNumber;

}  // namespace Exporter
