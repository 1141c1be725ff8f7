// ifcapi-export's --trace and --only: which elements the add-on is asked about, and a readable
// account of every question and answer. Per element asked: the element (instance number, entity,
// GlobalId, Name), each look-up the add-on made with what it found, each hook query with what came
// back (property sets with their properties' IFC types and values, attributes, references); at the
// end the assignments.
//
//   Trace trace(model, stdout);              // null stream: no printing, --only alone
//   trace.Only(*DecodeGlobalId("3W0000001008000000000H"));
//   lookup.SetListener(trace.LookUpListener());
//   exporter.SetQueryListener(&trace);
//   exporter.Collect();
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_set>

#include "exporter/lookup/ElementLookup.h"
#include "exporter/model/IfcGuid.h"
#include "exporter/trace/QueryListener.h"
#include "ifc/step/Model.h"

namespace Exporter {

class Trace final : public QueryListener {
 public:
  // Prints to `out` (null: prints nothing); `model` must outlive the trace.
  Trace(const Ifc::Model& model, std::FILE* out);

  // Limits the questions to the element with this GlobalId; may be called for several elements.
  // Without any, every element is asked about. False when the file has no instance with it.
  bool Only(const GuidBytes& guid);

  // The listener that prints the add-on's look-ups.
  ElementLookup::Listener LookUpListener();

  bool Asks(Ifc::InstanceIndex index, const GuidBytes& guid) override;
  void Answered(Ifc::InstanceIndex index, const Answers& answers) override;
  void AssignmentsAnswered(const KT::Array<IFCAPI::Impl::HookAssignments>& assignments) override;

 private:
  void Print(const std::string& text) const;
  void PrintLookUp(const KT::Guid& guid, const ElementLookup::Result& answer) const;
  std::string Describe(const GuidBytes& guid) const;

  const Ifc::Model& model;
  std::FILE* out;
  std::unordered_set<std::string> only;  // the sixteen bytes of each GlobalId
};

}  // namespace Exporter
