// What the export tells a listener about its hook queries: which elements it is about to ask about
// (the listener may leave some out) and what each query gave back. ifcapi-export's --trace and --only
// are a listener (Trace); without one the exporter asks about every element and reports nothing.
//
//   class Counter : public QueryListener {
//     bool Asks(Ifc::InstanceIndex, const GuidBytes&) override { return true; }
//     void Answered(Ifc::InstanceIndex, const Answers& answers) override { sets +=
//     answers.propertySets.GetSize(); } void AssignmentsAnswered(const KT::Array<IFCAPI::Impl::HookAssignments>&)
//     override {}
//   };
#pragma once

#include <cstdint>

#include "IFCAPI/HookAssignments.h"
#include "IPL/ExternalReferenceBase.h"
#include "IPL/GeneralAttribute.h"
#include "IPL/PropertySet.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "exporter/model/IfcGuid.h"
#include "ifc/step/InstanceId.h"

namespace Exporter {

class QueryListener {
 public:
  // What the three element queries gave back for one element.
  struct Answers {
    const KT::Array<IPL::PropertySet>& propertySets;
    const KT::Array<IPL::GeneralAttribute>& attributes;
    const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& references;
  };

  virtual ~QueryListener() = default;

  // Called before the element at instance index `index`, whose GlobalId is `guid`, is asked about;
  // false leaves it out.
  virtual bool Asks(Ifc::InstanceIndex index, const GuidBytes& guid) = 0;

  // What the element queries answered for the element at `index`.
  virtual void Answered(Ifc::InstanceIndex index, const Answers& answers) = 0;

  // What GetHookAssignments answered, once per export.
  virtual void AssignmentsAnswered(const KT::Array<IFCAPI::Impl::HookAssignments>& assignments) = 0;
};

}  // namespace Exporter
