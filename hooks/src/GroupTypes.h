// Internal: the process-wide sets of IFC types that groups may have.
//
// Both are built from fixed lists while the module loads, before any exported operation can run, and
// are only read afterwards, so no lock guards them. 43 (IfcGroup) is the one valid group type that is
// not a system: a group of that type gets no services-buildings relation.
#pragma once

#include "IPL/IFCType.h"
#include "KT/HashSet.h"

namespace IFCAPI::Impl {

// 43, 213, 393, 394, 74: the types CreateIfcGroup accepts.
extern const KT::HashSet<IPL::IFCType> ValidGroupTypes;

// 213, 393, 394, 74: groups of these types are systems and service buildings.
extern const KT::HashSet<IPL::IFCType> SystemGroupTypes;

}  // namespace IFCAPI::Impl
