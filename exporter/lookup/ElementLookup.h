// The host's element look-up served from the IFC file being exported: ifcapi-export registers it, and
// an add-on's API::LookUpElement(token, guid) is answered from the file's instance with that GlobalId.
//
//   ElementLookup lookup(model);                   // nothing is read until the first question
//   const ServedElementLookup served(lookup);      // registered until `served` goes
//   exporter.Collect();                            // the hook queries
//
// Everything is found by name in the file's own schema tables (IFC2X3, IFC4, IFC4X3_ADD2 alike):
// attributes by their names, relations by their entity and their attributes' names, reached through
// an index of the relations' related objects (RelationLinks, built on the first question).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "API/ElementLookup.h"
#include "exporter/lookup/AttributeSlots.h"
#include "exporter/lookup/RelationLinks.h"
#include "exporter/lookup/StepValueText.h"
#include "ifc/step/Model.h"

namespace Exporter {

class ElementLookup final : public API::IElementLookup {
 public:
  using Result = TSAPI::Result<API::ElementInfo, TSAPI::Error>;
  // Told of every question and its answer (ifcapi-export --trace prints them).
  using Listener = std::function<void(const KT::Guid& guid, const Result& answer)>;

  // `model` must outlive the look-up.
  explicit ElementLookup(const Ifc::Model& model);
  ~ElementLookup() override;

  Result LookUp(const API_Guid& token, const KT::Guid& guid) override;

  // What the look-up answers for the object at `index`.
  API::ElementInfo Describe(Ifc::InstanceIndex index) const;

  void SetListener(Listener listener) { this->listener = std::move(listener); }

  // Attribute values longer than the look-up serves (kMaxServedText bytes as written in the file):
  // add-ons see them unset.
  struct LeftOut {
    std::size_t count = 0;
    std::string first;  // "#58 (IfcWall): its Description of 200000002 bytes"
  };
  const LeftOut& TextsLeftOut() const noexcept { return leftOut; }
  static constexpr std::size_t kMaxServedText = std::size_t{1} << 20;

 private:
  struct Relations;  // what the relations that refer to an object say about it
  // The schema's entities the look-up asks about, found once.
  struct Entities {
    Ifc::EntityId objectDefinition;
    Ifc::EntityId spatialStructureElement;
    Ifc::EntityId propertySet;
    Ifc::EntityId buildingStorey;
    Ifc::EntityId building;
  };
  const Entities& Known() const;  // found on the first question: the file may be read after construction
  const AttributeSlots& Slots() const;

  Relations RelationsOf(Ifc::InstanceIndex object) const;
  std::optional<API::ElementReference> Reference(Ifc::InstanceNumber number) const;
  Ifc::InstanceNumber Container(Ifc::InstanceIndex object, Relations relations) const;
  // The storey and the building at or above a spatial structure or whole (its container, else its
  // whole, and so on up).
  struct Above {
    std::optional<API::ElementReference> storey;
    std::optional<API::ElementReference> building;
  };
  // Sets the storey and the building above the object the relations are of.
  void AddStoreyAndBuilding(const Relations& relations, API::ElementInfo& info) const;
  Above StoreyAndBuildingAbove(Ifc::InstanceNumber above) const;
  void AddProperties(Ifc::InstanceNumber definition, bool fromType, std::vector<API::ElementProperty>& out) const;
  void AddProperty(const std::string& set, Ifc::InstanceNumber number, bool fromType,
                   std::vector<API::ElementProperty>& out) const;
  const std::vector<API::ElementProperty>& TypeProperties(Ifc::InstanceIndex type) const;
  using Field = AttributeSlots::Field;
  // Read off the file's bytes where written plainly (see ReadPlainTyped); false where not.
  std::optional<std::size_t> ArgumentAt(Ifc::InstanceIndex index, Field field) const;
  PlainTyped ReadPlain(Ifc::InstanceIndex index, Field field) const;
  bool ReadPlainSet(Ifc::InstanceIndex set, std::string& name, std::vector<Ifc::InstanceNumber>& properties) const;
  bool TakePlainAttributes(Ifc::InstanceIndex index, API::ElementInfo& info) const;
  bool AddPlainSingleValue(const std::string& set, Ifc::InstanceIndex index, bool fromType,
                           std::vector<API::ElementProperty>& out) const;
  // The instance's attribute values, those longer than kMaxServedText unset (and noted).
  std::vector<Ifc::Value> Attributes(Ifc::InstanceIndex index) const;
  void NoteLeftOut(Ifc::InstanceIndex index, std::size_t slot, std::size_t length) const;
  // The attribute among the parsed `values` of an instance of `entity`; null when it has none.
  Ifc::Value* At(Ifc::EntityId entity, std::vector<Ifc::Value>& values, Field field) const;
  // The attribute's text, taken out of `values`.
  std::optional<std::string> Take(Ifc::EntityId entity, std::vector<Ifc::Value>& values, Field field) const;
  const std::vector<std::string>& EntityAndSupertypes(Ifc::EntityId entity) const;

  const Ifc::Model& model;
  mutable std::optional<AttributeSlots> slots;  // made on the first question, like `entities`
  mutable std::optional<Entities> entities;
  Listener listener;
  mutable std::unique_ptr<RelationLinks> links;  // built on the first question
  // By type object index: the properties its own sets give every element of the type, read once.
  mutable std::unordered_map<std::uint32_t, std::vector<API::ElementProperty>> typePropertiesOf;
  // By instance number: the references to types and containers given so far, read once.
  mutable std::unordered_map<std::uint64_t, std::optional<API::ElementReference>> referenceOf;
  mutable std::unordered_map<std::size_t, std::vector<std::string>> namesOf;  // by entity index
  mutable LeftOut leftOut;
  mutable std::unordered_map<std::uint64_t, Above> aboveOf;  // by the number of a container or whole
};

// Serves `lookup` to add-ons (APICore::StandIn::SetElementLookup) for the lifetime of this object; the
// destructor waits for a call in flight on an add-on's thread. Destroy it before the look-up, its
// model and its listener.
class ServedElementLookup {
 public:
  explicit ServedElementLookup(ElementLookup& lookup) noexcept;
  ServedElementLookup(const ServedElementLookup&) = delete;
  ServedElementLookup& operator=(const ServedElementLookup&) = delete;
  ~ServedElementLookup();
};

}  // namespace Exporter
