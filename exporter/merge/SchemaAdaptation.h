// How groups, systems and classifications are written in the file's schema, where it differs from
// IFC4, the schema the add-on's types are named in. Everything is derived from the schema tables
// (which entities exist, which attributes they have and of what type), never from the version:
//
// - A group type that the schema lacks is written as its nearest supertype that it has, with the
//   type's name as ObjectType: an IFC2X3 file gets IfcBuildingSystem, IfcDistributionSystem and
//   IfcDistributionCircuit as IfcSystem with ObjectType 'IfcDistributionSystem', and so on.
// - A classification's and a reference's texts are placed by attribute name (NamedBody.h): IFC2X3's
//   ItemReference takes the identification; a text the schema has no attribute for is left out with a
//   warning; an EditionDate that the schema types as an entity (IFC2X3's IfcCalendarDate) is written
//   as one; a classification whose required texts (IFC2X3: Source, Edition) the contribution leaves
//   open is not written, and its references go without it, with a warning.
// - Which entities a relation takes (serviced buildings: IfcSpatialElement, or IFC2X3's
//   IfcSpatialStructureElement) is read from the relation's attribute type.
//
//   const auto group = AdaptGroupEntity(schema, IPL::IFCType::IfcDistributionCircuit);
//   // IFC2X3: {"IfcSystem", "IfcDistributionCircuit"}; IFC4: {"IfcDistributionCircuit", ""}
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IPL/Classification.h"
#include "IPL/ClassificationReference.h"
#include "IPL/IFCType.h"
#include "exporter/writer/InstanceIds.h"
#include "ifc/schema/Schema.h"

namespace Exporter {

struct GroupEntity {
  std::string entity;      // "IfcSystem"
  std::string objectType;  // the group type's own name when `entity` stands in for it, else empty
};

// The entity that a group of `type` is written as in `schema`; empty when `type` is no group type.
std::optional<GroupEntity> AdaptGroupEntity(const Ifc::Schema& schema, IPL::IFCType type);

// Writes a helper instance and returns its number.
using EmitInstance = std::function<InstanceNumber(const std::string& body)>;

// The body of `classification` in `schema`; empty when it cannot be written. Helper instances (an
// IfcCalendarDate) go through `emit`; `warnings` tell what was adapted or why nothing was written.
std::string ClassificationBody(const Ifc::Schema& schema, const IPL::Classification& classification,
                               const EmitInstance& emit, std::vector<std::string>& warnings);

// The body of `reference` in `schema` with `source` ("#N" or "$") as its referenced source.
std::string ClassificationReferenceBody(const Ifc::Schema& schema, const IPL::ClassificationReference& reference,
                                        const std::string& source, std::vector<std::string>& warnings);

}  // namespace Exporter
