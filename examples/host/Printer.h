// Readable text of what the exporter receives from the hook queries: property sets with their
// properties and values, attributes, classification references and the groups of an assignment
// object with their relations and members.
#pragma once

#include <cstdio>

#include "IFCAPI/HookAssignments.h"
#include "IPL/ExternalReferenceBase.h"
#include "IPL/GeneralAttribute.h"
#include "IPL/PropertySet.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"

namespace ExampleHost {

void PrintPropertySets(std::FILE* out, const KT::Array<IPL::PropertySet>& sets);
void PrintAttributes(std::FILE* out, const KT::Array<IPL::GeneralAttribute>& attributes);
void PrintReferences(std::FILE* out, const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& references);
void PrintAssignments(std::FILE* out, const IFCAPI::Impl::HookAssignments& assignments);

}  // namespace ExampleHost
