// The host's element look-up served from the IFC file being exported: ifcapi-export registers it, and
// an add-on's API::LookUpElement(token, guid) is answered from the file's instance with that GlobalId.
//
//   ElementLookup lookup(file);                    // nothing is read until the first question
//   const ServedElementLookup served(lookup);      // registered until `served` goes
//   exporter.Collect();                            // the hook queries
//
// Every attribute is found by its name in the entity's schema table; the relations come from a
// RelationIndex, built on the first question.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "API/ElementLookup.h"
#include "RelationIndex.h"
#include "StepFile.h"

namespace Exporter {

class ElementLookup final : public API::IElementLookup {
 public:
  using Result = TSAPI::Result<API::ElementInfo, TSAPI::Error>;
  // Told of every question and its answer (ifcapi-export --trace prints them).
  using Listener = std::function<void(const KT::Guid& guid, const Result& answer)>;

  // `file` must outlive the look-up.
  explicit ElementLookup(const StepFile& file);
  ~ElementLookup() override;

  Result LookUp(const API_Guid& token, const KT::Guid& guid) override;

  // What the look-up answers for the rooted instance at `index`.
  API::ElementInfo Describe(std::uint32_t index);

  void SetListener(Listener listener) { this->listener = std::move(listener); }

 private:
  struct Instance;  // an instance's attributes, found by name

  std::optional<API::ElementReference> Reference(std::uint32_t number) const;
  std::uint32_t Container(std::uint32_t number) const;
  void AddProperties(std::uint32_t definition, bool fromType, std::vector<API::ElementProperty>& out) const;
  void AddProperty(const std::string& set, std::uint32_t number, bool fromType,
                   std::vector<API::ElementProperty>& out) const;

  const StepFile& file;
  std::unique_ptr<RelationIndex> relations;
  Listener listener;
};

// Serves `lookup` to add-ons (APICore::StandIn::SetElementLookup) for the lifetime of this object.
class ServedElementLookup {
 public:
  explicit ServedElementLookup(ElementLookup& lookup) noexcept;
  ServedElementLookup(const ServedElementLookup&) = delete;
  ServedElementLookup& operator=(const ServedElementLookup&) = delete;
  ~ServedElementLookup();
};

}  // namespace Exporter
