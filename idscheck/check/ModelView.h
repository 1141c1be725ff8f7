// What the checker needs from an opened IFC model: its instances in file order with their entity and
// schema ancestry, and their explicit attributes by name. The checker builds everything else (property
// sets, types, relations) from these.
//
//   const Ids::ModelView& model = ...;
//   for (const Ids::InstanceIndex wall : model.InstancesOf("IFCWALL", false)) {
//     Ids::ModelValue name;
//     if (model.Attribute(wall, "Name", name)) Use(model.Number(wall), name);   // #N and its Name
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "idscheck/check/ModelValue.h"
#include "ifc/step/InstanceId.h"

namespace Ids {

// The reader's names of an instance: its index (a position in file order; invalid for none) and its
// number #N.
using Ifc::InstanceIndex;
using Ifc::InstanceNumber;

class ModelView {
 public:
  virtual ~ModelView() = default;

  // "IFC2X3", "IFC4" or "IFC4X3_ADD2".
  virtual std::string_view SchemaName() const noexcept = 0;
  virtual std::size_t InstanceCount() const noexcept = 0;
  // The instance number #N.
  virtual InstanceNumber Number(InstanceIndex index) const noexcept = 0;
  // The index of the instance numbered `number`; invalid when there is none.
  virtual InstanceIndex FindByNumber(InstanceNumber number) const noexcept = 0;
  // The entity as the schema spells it: "IfcWall".
  virtual std::string_view EntityName(InstanceIndex index) const noexcept = 0;
  // The same in upper case: "IFCWALL".
  virtual std::string_view UpperEntityName(InstanceIndex index) const noexcept = 0;
  // Whether the instance's entity is `upperAncestor` ("IFCELEMENT") or one of its subtypes.
  virtual bool IsSubtypeOf(InstanceIndex index, std::string_view upperAncestor) const noexcept = 0;
  // Whether the model's schema defines the entity `upperName`.
  virtual bool HasEntity(std::string_view upperName) const noexcept = 0;
  // Every entity the model's schema defines, in upper case.
  virtual std::vector<std::string_view> EntityNames() const = 0;
  // The explicit attributes of the instance's entity, inherited ones first.
  virtual std::vector<std::string> AttributeNames(InstanceIndex index) const = 0;
  // The value of the explicit attribute `name` (exact spelling); false when the entity has none such.
  virtual bool Attribute(InstanceIndex index, std::string_view name, ModelValue& value) const = 0;
  // The instances the explicit attribute `name` refers to: the one it names, or those a list of it
  // names directly, in order; nothing for other values or when the entity has no such attribute.
  virtual void References(InstanceIndex index, std::string_view name, std::vector<InstanceIndex>& out) const = 0;
  // The instances of the entity `upperName` and, unless `exact`, of its subtypes, in file order.
  virtual std::vector<InstanceIndex> InstancesOf(std::string_view upperName, bool exact) const = 0;
  // The time stamp of the file's FILE_NAME header record as written ("2024-05-01T10:00:00"), empty
  // when there is none.
  virtual std::string TimeStamp() const { return {}; }
};

}  // namespace Ids
